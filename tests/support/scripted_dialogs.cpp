#include "scripted_dialogs.h"

#include <stdexcept>

namespace kurvex::test {

namespace {

template <typename T>
T Next(std::deque<T>& answers, T fallback) {
  if (answers.empty()) return fallback;
  T answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

void ScriptedDialogs::ShowMessage(QWidget*, MessageIcon icon, const QString& caption,
                                  const Message& message) {
  messages.push_back({icon, caption, message});
}

bool ScriptedDialogs::AskYesNo(QWidget*, const QString& caption, const QString& text) {
  questions.push_back({caption, text});
  return Next(yes_no, false);
}

SaveChoice ScriptedDialogs::AskSaveChanges(QWidget*, const QString& course_name) {
  questions.push_back({QStringLiteral("save changes"), course_name});
  return Next(save_choices, SaveChoice::kCancel);
}

void ScriptedDialogs::FailIfAsked() {
  if (failing_file_dialogs <= 0) return;
  --failing_file_dialogs;
  throw std::runtime_error("a file dialog failed");
}

RecoverChoice ScriptedDialogs::AskRecoverCourse(QWidget*, const RecoveryQuestion& question) {
  recovery_questions.push_back(question);
  return Next(recover_choices, RecoverChoice::kLater);
}

QString ScriptedDialogs::OpenFileName(QWidget*, const QString& title, const QString&) {
  file_dialog_titles << title;
  FailIfAsked();
  return Next(file_names, QString());
}

QString ScriptedDialogs::SaveFileName(QWidget*, const QString& title, const QString&) {
  file_dialog_titles << title;
  FailIfAsked();
  return Next(file_names, QString());
}

QString ScriptedDialogs::FolderName(QWidget*, const QString& title) {
  file_dialog_titles << title;
  FailIfAsked();
  return Next(file_names, QString());
}

bool ScriptedDialogs::OpenExternal(const QUrl& url) {
  opened.push_back(url);
  return open_external_works;
}

QStringList ScriptedDialogs::MessageCaptions() const {
  QStringList captions;
  for (const ShownMessage& shown : messages) captions << shown.caption;
  return captions;
}

void ScriptedDialogs::Clear() {
  messages.clear();
  questions.clear();
  recovery_questions.clear();
  file_dialog_titles.clear();
  opened.clear();
}

}  // namespace kurvex::test
