// The editor program with scripted dialogs (every recovery copy is kept for later), for tests
// that need a real process to kill. Once up it adds a point, so that the course has unsaved
// changes, and prints "edited" and the course's KURV bytes in hex on one line.
#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "app/editor_main.h"
#include "course/kurv_file.h"
#include "scripted_dialogs.h"
#include "ui/editor_session.h"

int main(int argc, char** argv) {
  kurvex::test::ScriptedDialogs dialogs;
  return kurvex::RunEditor(argc, argv, dialogs, [](kurvex::EditorSession& session) {
    session.document().AddPoint();
    std::vector<uint8_t> kurv;
    kurvex::WriteCourseFile(session.document().course(), kurv);
    std::printf("edited ");
    for (uint8_t byte : kurv) std::printf("%02x", byte);
    std::printf("\n");
    std::fflush(stdout);
  });
}
