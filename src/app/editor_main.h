#pragma once
// The editor program from start to end: the application, the main window, the recovery copy
// and the orderly end on SIGTERM, SIGHUP and SIGINT. kurvex runs it with the real dialogs;
// tests run it in a process of their own with scripted ones.

#include <functional>

namespace kurvex {

class Dialogs;
class EditorSession;

// Returns the program's exit status. `started`, when given, is called once the editor is up
// (recovery copies offered, the command line's course opened).
int RunEditor(int argc, char** argv, Dialogs& dialogs,
              const std::function<void(EditorSession&)>& started = {});

}  // namespace kurvex
