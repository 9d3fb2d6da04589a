#pragma once
// Dialogs for window tests: questions and file dialogs take their answers from a script the
// test sets up, message boxes are recorded, and nothing ever blocks.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <vector>

#include "ui/dialogs.h"

namespace kurvex::test {

struct ShownMessage {
  MessageIcon icon;
  QString caption;
  Message message;
  QString Text() const { return QString::fromStdString(message.Text("\n")); }
};

struct AskedQuestion {
  QString caption;
  QString text;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Answers, used in order; a question or dialog without one answers No, Cancel or nothing.
  std::deque<bool> yes_no;
  std::deque<SaveChoice> save_choices;
  std::deque<RecoverChoice> recover_choices;  // without one: Later
  std::deque<QString> file_names;             // open, save and folder dialogs alike
  bool open_external_works = true;
  // The next this many file dialogs fail with an exception, as a broken handler would.
  int failing_file_dialogs = 0;

  std::vector<ShownMessage> messages;
  std::vector<AskedQuestion> questions;
  std::vector<RecoveryQuestion> recovery_questions;
  QStringList file_dialog_titles;
  std::vector<QUrl> opened;

  void ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                   const Message& message) override;
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  SaveChoice AskSaveChanges(QWidget* parent, const QString& course_name) override;
  RecoverChoice AskRecoverCourse(QWidget* parent, const RecoveryQuestion& question) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) override;
  QString FolderName(QWidget* parent, const QString& title) override;
  bool OpenExternal(const QUrl& url) override;

  // The captions of the message boxes shown so far, and forgetting them.
  QStringList MessageCaptions() const;
  void Clear();

 private:
  void FailIfAsked();
};

}  // namespace kurvex::test
