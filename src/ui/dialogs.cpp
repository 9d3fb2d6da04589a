#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/translation.h"

namespace kurvex {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    default:
      return QMessageBox::Critical;
  }
}

}  // namespace

void FillMessageBox(QMessageBox& box, const Message& original) {
  // Messages come from the layers below in English; here they meet the translation.
  const Message message = Translated(original);
  // Each line as written: joined into one paragraph, a line's capital reads as a typing error.
  box.setTextFormat(Qt::PlainText);
  const QString body = QString::fromStdString(message.Body("\n"));
  if (message.title.empty()) {
    box.setText(body);
  } else {
    box.setText(QString::fromStdString(message.title));
    box.setInformativeText(body);
  }
}

void QtDialogs::ShowMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                            const Message& message) {
  QMessageBox box(BoxIcon(icon), caption, QString(), QMessageBox::Ok, parent);
  FillMessageBox(box, message);
  box.exec();
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtDialogs::AskSaveChanges(QWidget* parent, const QString& course_name) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kurvex"),
                  QCoreApplication::translate("kurvex::Dialogs",
                                              "The course \"%1\" has changes that are not saved.")
                      .arg(course_name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setInformativeText(
      QCoreApplication::translate("kurvex::Dialogs", "Do you want to save them?"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::kSave;
    case QMessageBox::Discard:
      return SaveChoice::kDiscard;
    default:
      return SaveChoice::kCancel;
  }
}

RecoverChoice QtDialogs::AskRecoverCourse(QWidget* parent, const RecoveryQuestion& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Recover Course"),
                  QObject::tr("Kurvex ended without saving the changes to a course. A copy of "
                              "them was kept."),
                  QMessageBox::NoButton, parent);
  const QString file = question.file_path.isEmpty()
                           ? QObject::tr("none (the course was never saved)")
                           : question.file_path;
  box.setInformativeText(QObject::tr("Course: %1\nFile: %2\nLast changed: %3")
                             .arg(question.course_name, file, question.changed));
  QPushButton* recover = box.addButton(QObject::tr("Recover"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QObject::tr("Discard"), QMessageBox::DestructiveRole);
  // Closing the box keeps the copy, as Later does.
  box.setEscapeButton(box.addButton(QObject::tr("Later"), QMessageBox::RejectRole));
  box.setDefaultButton(recover);
  box.exec();
  if (box.clickedButton() == recover) return RecoverChoice::kRecover;
  if (box.clickedButton() == discard) return RecoverChoice::kDiscard;
  return RecoverChoice::kLater;
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& filter) {
  // The windows ask about replacing a file themselves, with the editor's own question.
  return QFileDialog::getSaveFileName(parent, title, QString(), filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::FolderName(QWidget* parent, const QString& title) {
  return QFileDialog::getExistingDirectory(parent, title);
}

bool QtDialogs::OpenExternal(const QUrl& url) { return QDesktopServices::openUrl(url); }

Message LinesMessage(std::initializer_list<std::string> lines) { return MakeMessage("", lines); }

Message WithReason(Message message, const std::string& reason) {
  if (!reason.empty()) message.lines.push_back(reason);
  return message;
}

Message NoticesMessage(const std::vector<std::string>& notices) {
  if (notices.empty()) return {};
  Message message{"The course was read, but not everything as it was written:", {}};
  for (const std::string& notice : notices) message.lines.push_back(notice);
  return message;
}

bool MayReplaceFile(Dialogs& dialogs, QWidget* parent, const QString& path) {
  if (!QFileInfo::exists(path)) return true;
  const QString question =
      QCoreApplication::translate("kurvex::Dialogs",
                                  "The file \"%1\" already exists.\nWould you like to replace it?")
          .arg(QFileInfo(path).fileName());
  return dialogs.AskYesNo(parent, QCoreApplication::translate("kurvex::Dialogs", "Replace File"),
                          question);
}

}  // namespace kurvex
