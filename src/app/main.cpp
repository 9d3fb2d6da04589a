// kurvex: the course editor.
#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QSurfaceFormat>

#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"
#include "ui/preview_widget.h"
#include "ui/version.h"

int main(int argc, char** argv) {
  // Every GL widget of the program shares this format: display lists need the compatibility
  // profile.
  QSurfaceFormat::setDefaultFormat(kurvex::PreviewWidget::SurfaceFormat());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kurvex"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kurvex"));
  QApplication::setApplicationVersion(QString::fromUtf8(kurvex::kVersionText));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Kurvex, a course editor for F-Zero X"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A course to open (.kurv or .txt)."), "[FILE]");
  parser.process(application);

  kurvex::EditorSession session;
  kurvex::QtDialogs dialogs;
  kurvex::MainWindow window(session, dialogs,
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
  window.Start();
  if (!parser.positionalArguments().isEmpty()) {
    window.OpenFromCommandLine(parser.positionalArguments().first());
  }
  return application.exec();
}
