#pragma once
// The course commands of the File menu: New, Open, Save, Save As, Select Input ROM and Load
// Course from ROM, with every question and message the editor shows for them. Each catches
// its own failures and leaves the course as it was when it fails.

#include <QObject>
#include <QString>

namespace kurvex {

class Dialogs;
class EditorSession;
class RecentFiles;
struct Course;

class FileCommands : public QObject {
  Q_OBJECT

 public:
  FileCommands(EditorSession& session, Dialogs& dialogs, RecentFiles& recent, QWidget* window);

  // Each returns true when it did what it was asked (false: cancelled or failed).
  bool New();
  bool Open();
  bool OpenPath(const QString& path);  // also for recent files, drops and the command line
  bool Save();
  bool SaveAs();
  bool SelectInputRom();
  bool SelectInputRomPath(const QString& path);
  bool LoadCourseFromRom(int slot);

  // Asks what to do with unsaved changes before they would be lost: true when the caller may
  // go on (saved, discarded, or nothing to save).
  bool MayDiscardChanges();
  // The course's name for captions: the file's name, or "Untitled".
  QString CourseName() const;

 signals:
  // A line for the status bar.
  void status(const QString& text);
  // The modder opened a course (a file, a drop, a recent file, the command line, a ROM slot):
  // one the camera may need to be turned to. New and start-up are not openings.
  void courseOpened();

 private:
  bool SaveTo(const QString& path, const QString& caption);
  void Take(const Course& course, const QString& path);

  EditorSession& session_;
  Dialogs& dialogs_;
  RecentFiles& recent_;
  QWidget* window_;
};

}  // namespace kurvex
