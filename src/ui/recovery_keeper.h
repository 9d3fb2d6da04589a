#pragma once
// Keeps a recovery copy of a course with unsaved changes, so that an editor that is killed or
// crashes loses nothing: a few seconds after each settled step (never in the middle of a drag
// or of typing in a box) the course, the file it belongs to and the time go to a file of this
// editor's own in the recovery folder. Saving or discarding the changes removes it.
//
// Each editor owns its copy through a lock file beside it, so that an editor starting while
// another runs never offers or takes the other's copy. At start, the copies of editors that
// are no longer running are offered back ("Recover Course").

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

class QFileInfo;
class QLockFile;
class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;
struct DocumentChange;

class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  // How long after a step the copy is written: once the course has been still for the quiet
  // time, and at the latest the longest delay after the first step not yet kept.
  static constexpr int kQuietMs = 2000;
  static constexpr int kLongestDelayMs = 8000;

  RecoveryKeeper(EditorSession& session, Dialogs& dialogs, const QString& folder, QWidget* window);
  ~RecoveryKeeper() override;

  // Takes this editor's place in the folder. False when the folder cannot be made or locked;
  // the editor then works on without a copy.
  bool Start();
  // Offers the copies of editors that are no longer running, newest first, until one is
  // recovered (the others wait for the next start); damaged copies are refused with their
  // reason and moved aside. True when a course was recovered.
  bool OfferOrphans();
  // For an ending that asks nothing: the course as it is now (a drag or typing ended) is kept
  // for the next start, or the copy goes when nothing is unsaved.
  void KeepNow();
  // The editor ends. Without keep_copy the user has decided about the changes (saved or
  // discarded) and the copy goes; with it the copy stays for the next start.
  void Finish(bool keep_copy);

  void SetDelays(int quiet_ms, int longest_ms);
  // This editor's copy, whether or not it exists now.
  QString CopyPath() const;
  // Where damaged copies are moved.
  QString DamagedFolder() const;

 signals:
  // A line for the status bar.
  void status(const QString& text);

 private:
  struct Orphan;

  void OnDocumentChanged(const DocumentChange& change);
  void Schedule();
  void WriteWhenSettled();
  void Write();
  void RemoveCopy();
  void RemoveStaleLocks();
  // Empty when the copy was read, else "PATH: why".
  std::string ReadOrphan(const QFileInfo& entry, Orphan& orphan);
  void Refuse(const QString& path, const QString& reason);
  bool Offer(Orphan& orphan);
  void Recover(Orphan& orphan);
  QString PathOf(const QString& base, const QString& suffix) const;

  EditorSession& session_;
  Dialogs& dialogs_;
  QString folder_;
  QWidget* window_;
  QString base_;  // the name of this editor's copy and lock, without their suffixes
  std::unique_ptr<QLockFile> lock_;
  QTimer timer_;
  QElapsedTimer first_pending_;
  int quiet_ms_ = kQuietMs;
  int longest_ms_ = kLongestDelayMs;
  qint64 changed_at_ms_ = 0;
  bool listening_ = true;
  bool last_write_failed_ = false;
};

}  // namespace kurvex
