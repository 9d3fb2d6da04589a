#pragma once
// The one way a user's command runs in the windows: a menu item, a button, a list's choice, a
// keystroke in a box. Whatever the command throws becomes the editor's unknown-error message,
// so the program never ends under the user; a refused edit shows the same message in every
// window; and once a command has finished the preview's animation restarts from there.

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;

class CommandRunner {
 public:
  // Messages appear over `window`, captioned `caption` unless the refusal has its own.
  CommandRunner(EditorSession& session, Dialogs& dialogs, QWidget* window, QString caption);

  // A command that finishes at once: it runs, then the preview reanimates.
  void Run(const std::function<void()>& command);
  // A command that takes the course as it stands (saving, exporting, trying it in the
  // emulator, replacing it): typing still open in a box ends first, as a step of its own.
  void RunOnCourse(const std::function<void()>& command);
  // An edit of the document, as Run; a refusal shows its message. True when the edit went
  // through or changed nothing; false when the controls must show the stored values again.
  bool Edit(const std::function<int16_t()>& edit);
  // A step of a gesture (a keystroke in a box, a drag pad's move): as Edit, but the gesture
  // goes on, so the preview does not reanimate yet. Returns the edit's result.
  int16_t Step(const std::function<int16_t()>& edit);
  // A box was left: its keystrokes become one step.
  void FinishTyping();

 private:
  // False when the command threw; the unknown error has been shown.
  bool Guard(const std::function<void()>& command);
  bool Reply(int16_t result);

  EditorSession& session_;
  Dialogs& dialogs_;
  QWidget* window_;
  QString caption_;
};

}  // namespace kurvex
