#include "ui/recovery_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "course/file_read.h"
#include "course/file_write.h"
#include "course/game_text_unicode.h"
#include "course/kurv_file.h"
#include "course/new_course.h"
#include "course/recovery_file.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"

namespace kurvex {

namespace {

const char kCopySuffix[] = ".kurvex-recovery";
const char kLockSuffix[] = ".lock";
const char kCaption[] = "Recover Course";
// While a drag or typing goes on, the timer looks again this often.
constexpr int kGestureRetryMs = 250;
// Links and anything else that is not a plain file are listed too, to be refused.
constexpr auto kEntries = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;

// A lock that only a running owner holds: neither age nor anything else makes it stale while
// its process lives (the copy may sit unsaved for hours).
std::unique_ptr<QLockFile> MakeLock(const QString& path) {
  auto lock = std::make_unique<QLockFile>(path);
  lock->setStaleLockTime(0);
  return lock;
}

QString ShownTime(qint64 ms) {
  return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(
      QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

struct RecoveryKeeper::Orphan {
  QString base;
  std::unique_ptr<QLockFile> lock;
  RecoveryCopy copy;
  Course course = NewCourse();
};

RecoveryKeeper::RecoveryKeeper(EditorSession& session, Dialogs& dialogs, const QString& folder,
                               QWidget* window)
    : QObject(nullptr), session_(session), dialogs_(dialogs), folder_(folder), window_(window) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteWhenSettled);
  connect(&session_, &EditorSession::documentChanged, this, &RecoveryKeeper::OnDocumentChanged);
}

RecoveryKeeper::~RecoveryKeeper() = default;

QString RecoveryKeeper::PathOf(const QString& base, const QString& suffix) const {
  return QDir(folder_).filePath(base + suffix);
}

QString RecoveryKeeper::CopyPath() const { return PathOf(base_, kCopySuffix); }

QString RecoveryKeeper::DamagedFolder() const { return QDir(folder_).filePath("damaged"); }

void RecoveryKeeper::SetDelays(int quiet_ms, int longest_ms) {
  quiet_ms_ = quiet_ms;
  longest_ms_ = longest_ms;
}

bool RecoveryKeeper::Start() {
  base_ = QStringLiteral("course-") + QUuid::createUuid().toString(QUuid::Id128);
  auto lock = MakeLock(PathOf(base_, kLockSuffix));
  if (!QDir().mkpath(folder_) || !lock->tryLock(0)) {
    emit status(tr("No recovery copy can be kept: %1 cannot be written").arg(folder_));
    return false;
  }
  lock_ = std::move(lock);
  return true;
}

void RecoveryKeeper::OnDocumentChanged(const DocumentChange& change) {
  if (!listening_ || !lock_) return;
  if (!session_.document().IsModified()) {
    // Saved, discarded or undone: nothing is left to lose.
    timer_.stop();
    RemoveCopy();
    return;
  }
  if (change.course || change.replaced) changed_at_ms_ = QDateTime::currentMSecsSinceEpoch();
  // A drag or typing is kept once it ends, which is a settled change of its own.
  if (change.settled && (change.course || change.replaced || change.modified)) Schedule();
}

void RecoveryKeeper::Schedule() {
  if (!timer_.isActive()) first_pending_.start();
  const qint64 left = std::max<qint64>(0, longest_ms_ - first_pending_.elapsed());
  timer_.start(static_cast<int>(std::min<qint64>(quiet_ms_, left)));
}

void RecoveryKeeper::WriteWhenSettled() {
  const CourseDocument& document = session_.document();
  if (document.InGesture() || document.Dragging()) {
    timer_.start(kGestureRetryMs);
    return;
  }
  Write();
}

void RecoveryKeeper::Write() {
  timer_.stop();
  if (!lock_) return;
  const CourseDocument& document = session_.document();
  if (!document.IsModified()) {
    RemoveCopy();
    return;
  }
  RecoveryCopy copy;
  std::string overlong_field;
  if (WriteCourseFile(document.course(), copy.kurv, &overlong_field) != kKurvOk) {
    emit status(tr("No recovery copy: the %1 is too long for a KURV file")
                    .arg(QString::fromStdString(overlong_field)));
    return;
  }
  copy.file_path = session_.file_path().toStdString();
  copy.changed_at_ms = changed_at_ms_ ? changed_at_ms_ : QDateTime::currentMSecsSinceEpoch();
  const QString path = CopyPath();
  // A link put in the copy's place is removed, never followed: the copy is written into the
  // recovery folder and nowhere else.
  if (QFileInfo(path).isSymLink()) QFile::remove(path);
  const std::vector<uint8_t> bytes = EncodeRecoveryCopy(copy);
  std::string error;
  if (!WriteFileAtomically(path.toStdString(), bytes.data(), bytes.size(), &error)) {
    // Said once, not at every step, until a write works again.
    if (!last_write_failed_) {
      emit status(
          tr("The recovery copy could not be written: %1").arg(QString::fromStdString(error)));
    }
    last_write_failed_ = true;
    return;
  }
  last_write_failed_ = false;
}

void RecoveryKeeper::RemoveCopy() {
  if (base_.isEmpty()) return;
  const QString path = CopyPath();
  if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) QFile::remove(path);
}

void RecoveryKeeper::KeepNow() {
  CourseDocument& document = session_.document();
  // What the screen shows is what the user would want back.
  if (document.InGesture()) document.EndGesture();
  Write();
}

void RecoveryKeeper::Finish(bool keep_copy) {
  timer_.stop();
  listening_ = false;
  if (!lock_) return;
  if (!keep_copy) RemoveCopy();
  lock_.reset();
}

void RecoveryKeeper::RemoveStaleLocks() {
  // Lock files left by killed editors that had nothing unsaved.
  const QDir folder(folder_);
  for (const QFileInfo& entry : folder.entryInfoList({QString("*") + kLockSuffix}, kEntries)) {
    const QString base = entry.fileName().chopped(int(strlen(kLockSuffix)));
    if (base == base_ || QFileInfo(PathOf(base, kCopySuffix)).exists()) continue;
    auto stale = MakeLock(entry.filePath());
    if (stale->tryLock(0)) stale->unlock();
  }
}

std::string RecoveryKeeper::ReadOrphan(const QFileInfo& entry, Orphan& orphan) {
  const std::string path = entry.filePath().toStdString();
  if (entry.isSymLink()) return path + ": not a regular file (a symbolic link)";
  std::string reason;
  std::vector<uint8_t> bytes;
  if (ReadRegularFile(path, kMaxRecoveryFileSize, bytes, &reason) != FileReadResult::kOk) {
    return reason;
  }
  std::string why;
  if (!DecodeRecoveryCopy(bytes.data(), bytes.size(), orphan.copy, orphan.course, &why)) {
    return path + ": " + why;
  }
  return {};
}

bool RecoveryKeeper::OfferOrphans() {
  if (!lock_) return false;
  RemoveStaleLocks();
  std::vector<Orphan> orphans;
  const QDir folder(folder_);
  for (const QFileInfo& entry : folder.entryInfoList({QString("*") + kCopySuffix}, kEntries)) {
    Orphan orphan;
    orphan.base = entry.fileName().chopped(int(strlen(kCopySuffix)));
    if (orphan.base == base_) continue;
    orphan.lock = MakeLock(PathOf(orphan.base, kLockSuffix));
    if (!orphan.lock->tryLock(0)) continue;  // its editor still runs
    const std::string reason = ReadOrphan(entry, orphan);
    if (!reason.empty()) {
      Refuse(entry.filePath(), QString::fromStdString(reason));
      continue;
    }
    orphans.push_back(std::move(orphan));
  }
  std::sort(orphans.begin(), orphans.end(), [](const Orphan& a, const Orphan& b) {
    return a.copy.changed_at_ms > b.copy.changed_at_ms;
  });
  // One course at a time: the copies after a recovered one wait for the next start.
  for (Orphan& orphan : orphans) {
    if (Offer(orphan)) return true;
  }
  return false;
}

void RecoveryKeeper::Refuse(const QString& path, const QString& reason) {
  const QFileInfo entry(path);
  const QString target = QDir(DamagedFolder()).filePath(entry.fileName());
  // Kept aside for a look, never offered again; a link is only removed.
  const bool moved = !entry.isSymLink() && QDir().mkpath(DamagedFolder()) &&
                     !QFileInfo::exists(target) && QFile::rename(path, target);
  if (!moved) QFile::remove(path);
  Message message{"A recovery copy could not be read.", {}};
  message.lines.push_back(moved ? tr("It was moved to %1 and will not be offered again.")
                                      .arg(DamagedFolder())
                                      .toStdString()
                                : tr("It was removed.").toStdString());
  dialogs_.ShowMessage(window_, MessageIcon::kExclamation, kCaption,
                       WithReason(message, reason.toStdString()));
}

bool RecoveryKeeper::Offer(Orphan& orphan) {
  RecoveryQuestion question;
  const QString name = QString::fromStdString(GameTextUnicode(orphan.course.Name));
  question.course_name = name.isEmpty() ? tr("(no name)") : name;
  question.file_path = QString::fromStdString(orphan.copy.file_path);
  question.changed = ShownTime(orphan.copy.changed_at_ms);
  switch (dialogs_.AskRecoverCourse(window_, question)) {
    case RecoverChoice::kRecover:
      Recover(orphan);
      return true;
    case RecoverChoice::kDiscard:
      QFile::remove(PathOf(orphan.base, kCopySuffix));
      return false;
    default:
      return false;
  }
}

void RecoveryKeeper::Recover(Orphan& orphan) {
  listening_ = false;
  CourseDocument& document = session_.document();
  document.Replace(orphan.course);
  session_.SetCourseLoaded();
  session_.SetCourseSlot(0);
  session_.SetFilePath(QString::fromStdString(orphan.copy.file_path));
  // The old copy becomes this editor's own: it stays, and is kept up to date, until the
  // course is saved or its changes discarded.
  RemoveCopy();
  lock_ = std::move(orphan.lock);
  base_ = orphan.base;
  changed_at_ms_ = orphan.copy.changed_at_ms;
  document.MarkModified();
  listening_ = true;
  session_.Reanimate();
  emit status(tr("Recovered %1").arg(QString::fromStdString(GameTextUnicode(orphan.course.Name))));
}

}  // namespace kurvex
