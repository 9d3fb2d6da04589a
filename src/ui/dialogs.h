#pragma once
// Every message box and file dialog of the windows goes through this interface, so that tests
// answer questions without blocking (see the scripted dialogs in the tests).

#include <QString>

#include "course/message.h"

class QMessageBox;
class QUrl;
class QWidget;

namespace kurvex {

enum class MessageIcon { kInformation, kExclamation, kCritical };
enum class SaveChoice { kSave, kDiscard, kCancel };
enum class RecoverChoice { kRecover, kDiscard, kLater };

// What the "Recover Course" box tells about a copy kept by an editor that ended without saving:
// the course's name, the file it belongs to (empty for none) and when it last changed, each
// ready to show.
struct RecoveryQuestion {
  QString course_name;
  QString file_path;
  QString changed;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A box with one OK button. The message's title line is the box's main text and its body
  // lines below it, each on a line of its own (the box wraps a long one).
  virtual void ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                           const Message& message) = 0;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
  // Save, Discard or Cancel for a course with unsaved changes.
  virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& course_name) = 0;
  // Recover (the default), Discard or Later for a recovery copy found at start.
  virtual RecoverChoice AskRecoverCourse(QWidget* parent, const RecoveryQuestion& question) = 0;
  // A path chosen in a file dialog, or an empty string when cancelled. Filters are Qt's
  // ("KURV files (*.kurv)").
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
  // A folder chosen in a folder dialog, or empty.
  virtual QString FolderName(QWidget* parent, const QString& title) = 0;
  // Opens a document or web page with the system's program for it; false when none could.
  virtual bool OpenExternal(const QUrl& url) = 0;
};

// The real boxes and dialogs.
class QtDialogs : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                   const Message& message) override;
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  SaveChoice AskSaveChanges(QWidget* parent, const QString& course_name) override;
  RecoverChoice AskRecoverCourse(QWidget* parent, const RecoveryQuestion& question) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) override;
  QString FolderName(QWidget* parent, const QString& title) override;
  bool OpenExternal(const QUrl& url) override;
};

// The message's text in a box: the title as the main text, the body lines below it.
void FillMessageBox(QMessageBox& box, const Message& message);

// A message from plain lines (no title), as most boxes of the windows are.
Message LinesMessage(std::initializer_list<std::string> lines);
// The message with the file and the reason it was refused ("PATH: why") as its last line.
Message WithReason(Message message, const std::string& reason);
// What a reader did not take as written, under a line that says so; empty without notices.
Message NoticesMessage(const std::vector<std::string>& notices);

// True when nothing is at path, or the user agrees to replace the file there ("Replace File").
bool MayReplaceFile(Dialogs& dialogs, QWidget* parent, const QString& path);

}  // namespace kurvex
