#include "ui/file_commands.h"

#include <QFileInfo>
#include <QWidget>

#include "course/course_files.h"
#include "course/file_io.h"
#include "course/new_course.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_layout.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/recent_files.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {

const char kOpenCaption[] = QT_TRANSLATE_NOOP("kurvex::FileCommands", "Select KURV F-Zero X Track");
const char kRomCaption[] = QT_TRANSLATE_NOOP("kurvex::FileCommands", "Select Input F-Zero X ROM");

bool IsTrackText(const QString& path) { return path.endsWith(".txt", Qt::CaseInsensitive); }

}  // namespace

FileCommands::FileCommands(EditorSession& session, Dialogs& dialogs, RecentFiles& recent,
                           QWidget* window)
    : QObject(window), session_(session), dialogs_(dialogs), recent_(recent), window_(window) {}

QString FileCommands::CourseName() const {
  return session_.file_path().isEmpty() ? tr("Untitled")
                                        : QFileInfo(session_.file_path()).fileName();
}

bool FileCommands::MayDiscardChanges() {
  CourseDocument& document = session_.document();
  document.FinishTyping();
  if (!document.IsModified()) return true;
  switch (dialogs_.AskSaveChanges(window_, CourseName())) {
    case SaveChoice::kSave:
      return Save();
    case SaveChoice::kDiscard:
      return true;
    default:
      return false;
  }
}

void FileCommands::Take(const Course& course, const QString& path) {
  session_.document().Replace(course);
  session_.SetCourseLoaded();
  session_.SetCourseSlot(0);
  session_.SetFilePath(path);
}

bool FileCommands::New() {
  if (session_.document().IsModified()) {
    if (!MayDiscardChanges()) return false;
  } else if (!dialogs_.AskYesNo(window_, tr("New"),
                                tr("Are you sure you want to start a new track?"))) {
    return false;
  }
  // A new course has no file yet: Save must not write it over the file last opened.
  Take(NewCourse(), QString());
  emit status(tr("New course"));
  return true;
}

bool FileCommands::Open() {
  if (!MayDiscardChanges()) return false;
  const QString path = dialogs_.OpenFileName(
      window_, tr(kOpenCaption),
      tr("Courses (*.kurv *.txt);;KURV files (*.kurv);;Track text files (*.txt)"));
  if (path.isEmpty()) return false;
  return OpenPath(path);
}

bool FileCommands::OpenPath(const QString& path) {
  if (!QFileInfo::exists(path)) {
    dialogs_.ShowMessage(window_, MessageIcon::kExclamation, tr(kOpenCaption),
                         FileNotFoundMessage());
    return false;
  }
  // Read into a course of its own: a file that fails leaves the current course untouched.
  Course course = NewCourse();
  const std::string file = path.toStdString();
  const FileOutcome outcome =
      IsTrackText(path) ? LoadTrackTextFile(file, course) : LoadKurvFile(file, course);
  if (!outcome.ok) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr(kOpenCaption),
                         WithReason(outcome.message, outcome.reason));
    return false;
  }
  Take(course, path);
  emit courseOpened();
  if (!outcome.notices.empty()) {
    dialogs_.ShowMessage(window_, MessageIcon::kInformation, tr(kOpenCaption),
                         NoticesMessage(outcome.notices));
  }
  recent_.Add(path);
  emit status(tr("Opened %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::Save() {
  if (session_.file_path().isEmpty()) return SaveAs();
  return SaveTo(session_.file_path(), tr("Save"));
}

bool FileCommands::SaveAs() {
  const QString chosen =
      dialogs_.SaveFileName(window_, tr("Save KURV F-Zero X Track"), tr("KURV files (*.kurv)"));
  if (chosen.isEmpty()) return false;
  const QString path =
      QString::fromStdString(CompleteFileName(chosen.toStdString(), ".kurv", "New File.kurv"));
  if (!MayReplaceFile(dialogs_, window_, path)) return false;
  return SaveTo(path, tr("Save As"));
}

bool FileCommands::SaveTo(const QString& path, const QString& caption) {
  const std::string file = path.toStdString();
  const Course& course = session_.document().course();
  // The path's extension chooses the form, so that a track text file stays one.
  const InputFiles inputs = CourseSaveInputs(session_);
  const FileOutcome outcome = IsTrackText(path) ? SaveTrackTextFile(file, course, inputs)
                                                : SaveKurvFile(file, course, inputs);
  if (!outcome.ok) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, caption,
                         WithReason(outcome.message, outcome.reason));
    return false;
  }
  session_.document().MarkClean();
  session_.SetFilePath(path);
  recent_.Add(path);
  emit status(tr("Saved %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::SelectInputRom() {
  const QString path = dialogs_.OpenFileName(window_, tr(kRomCaption), tr("F-Zero X ROMs (*.*64)"));
  if (path.isEmpty()) return false;
  return SelectInputRomPath(path);
}

bool FileCommands::SelectInputRomPath(const QString& path) {
  if (!QFileInfo::exists(path)) {
    dialogs_.ShowMessage(window_, MessageIcon::kExclamation, kRomCaption, FileNotFoundMessage());
    return false;
  }
  RomImage rom;
  const int16_t result = rom.OpenRom(path.toStdString());
  if (result != kRomOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Select Input ROM"),
                         FileCheck(result, rom.region_byte()));
    return false;
  }
  session_.SetInputRom(path);
  emit status(tr("Input ROM: %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::LoadCourseFromRom(int slot) {
  Course course = NewCourse();
  const FileOutcome outcome =
      kurvex::LoadCourseFromRom(session_.input_rom().toStdString(), slot, course);
  if (!outcome.ok) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Load Course"),
                         WithReason(outcome.message, outcome.reason));
    return false;
  }
  Take(course, QString());
  session_.SetCourseSlot(slot);
  emit courseOpened();
  emit status(tr("Loaded %1 from the ROM").arg(QString::fromStdString(SlotName(slot))));
  return true;
}

}  // namespace kurvex
