// kurvex: the course editor.
#include <QSurfaceFormat>
#include <cstdio>
#include <string>

#include "app/editor_main.h"
#include "course/version.h"
#include "ui/dialogs.h"
#include "ui/frame_memory.h"
#include "ui/preview_view.h"

namespace {

// --help and --version answer without a display, before the windowing system is opened.
bool AnswerWithoutWindows(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-v" || arg == "--version") {
      std::printf("kurvex %s\n", kurvex::KurvexVersion());
      return true;
    }
    if (arg == "-h" || arg == "--help") {
      std::printf(
          "Usage: kurvex [FILE]\n"
          "Kurvex, a course editor for F-Zero X. FILE is a course to open (.kurv or .txt).\n"
          "  -h, --help     this text\n"
          "  -v, --version  the version\n"
          "kurvex-cli does the same jobs without windows.\n");
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
