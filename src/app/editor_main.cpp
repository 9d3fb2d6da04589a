#include "app/editor_main.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "app/termination_signals.h"
#include "course/version.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/recovery_keeper.h"

namespace kurvex {

int RunEditor(int argc, char** argv, Dialogs& dialogs,
              const std::function<void(EditorSession&)>& started) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kurvex"));
  QApplication::setApplicationVersion(QString::fromUtf8(KurvexVersion()));

  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A course to open."));
  parser.process(application);

  EditorSession session;
  MainWindow window(session, dialogs,
                    QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                    QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
  RecoveryKeeper keeper(session, dialogs,
                        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
                            .filePath(QStringLiteral("recovery")),
                        &window);
  QObject::connect(&keeper, &RecoveryKeeper::status, &window,
                   [&window](const QString& text) { window.statusBar()->showMessage(text, 5000); });

  // The system asks the editor to end: the course is kept for the next start and the settings
  // saved, without a question that nobody may be there to answer. exit() first, so that any
  // box open or opened meanwhile returns at once.
  bool ending = false;
  TerminationSignals termination;
  QObject::connect(&termination, &TerminationSignals::received, &window, [&] {
    if (ending) return;
    ending = true;
    QCoreApplication::exit(0);
    keeper.KeepNow();
    window.EndWithoutQuestions();
  });

  window.Start();
  keeper.Start();
  // Asked once the event loop runs, so that the box comes above the first run's notice.
  QTimer::singleShot(0, &window, [&] {
    const bool recovered = keeper.OfferOrphans();
    const QStringList files = parser.positionalArguments();
    // A recovered course is not dropped silently for the one on the command line.
    if (!ending && !files.isEmpty() && (!recovered || window.files().MayDiscardChanges())) {
      window.OpenFromCommandLine(files.first());
    }
    if (!ending && started) started(session);
  });
  // A request to end during the start has already ended the editor.
  const int status = ending ? 0 : application.exec();
  keeper.Finish(ending);
  return status;
}

}  // namespace kurvex
