// kurvex: the course editor.
#include <QCoreApplication>
#include <QDir>
#include <QSurfaceFormat>
#include <cstdio>
#include <string>

#include "app/editor_main.h"
#include "course/version.h"
#include "ui/dialogs.h"
#include "ui/frame_memory.h"
#include "ui/help_page.h"
#include "ui/preview_view.h"

namespace {

// --help and --version answer without a display, before the windowing system is opened.
bool AnswerWithoutWindows(int& argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-v" || arg == "--version") {
      std::printf("kurvex %s\n", kurvex::KurvexVersion());
      return true;
    }
    if (arg == "-h" || arg == "--help") {
      // The core application only finds the program's folder; it opens no display.
      QCoreApplication core(argc, argv);
      const QString page = kurvex::FindHelpPage(QCoreApplication::applicationDirPath());
      std::printf(
          "Usage: kurvex [FILE]\n"
          "Kurvex, a course editor for F-Zero X. FILE is a course to open (.kurv or .txt).\n"
          "  -h, --help     this text\n"
          "  -v, --version  the version\n"
          "kurvex-cli does the same jobs without windows.\n"
          "Help page: %s\n",
          page.isEmpty() ? "not found" : qPrintable(QDir::toNativeSeparators(page)));
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerWithoutWindows(argc, argv)) return 0;
  kurvex::KeepFrameMemory();
  // Every GL widget of the program shares this format: display lists need the compatibility
  // profile.
  QSurfaceFormat::setDefaultFormat(kurvex::PreviewView::SurfaceFormat());
  kurvex::QtDialogs dialogs;
  return kurvex::RunEditor(argc, argv, dialogs);
}
