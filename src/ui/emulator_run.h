#pragma once
// Test in Emulator: the current course written into a slot of a copy of the input ROM (with
// the header checksum, through the Patch to ROM job; the input is only read), then the
// configured emulator started on that copy, detached. Copies of other ROMs not tried for a day
// and temporary files of killed writes are removed from the cache folder first.

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;
struct EmulatorPreferences;

// A command line split into words as a POSIX shell splits it (blanks, '...', "...", and
// backslash escapes), without starting a shell. False for an unmatched quote.
bool SplitCommandLine(const QString& command, QStringList* words);

class EmulatorRun : public QObject {
  Q_OBJECT

 public:
  // The copy goes into cache_folder.
  EmulatorRun(EditorSession& session, Dialogs& dialogs, const QString& cache_folder,
              QWidget* window);

  // True when the emulator was started.
  bool Run(const EmulatorPreferences& preferences);
  // Where the patched copy of the input ROM goes.
  QString CopyPath() const;

 signals:
  void status(const QString& text);

 private:
  bool WriteCopy(int slot);
  bool Start(const QString& command);
  void Fail(const std::initializer_list<std::string>& lines);

  EditorSession& session_;
  Dialogs& dialogs_;
  QString cache_folder_;
  QWidget* window_;
};

}  // namespace kurvex
