#pragma once
// The editor's preferences (Edit → Preferences...), kept in the editor's settings: the emulator
// a course is tried in, and the course slot it is tried in.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QSettings;

namespace kurvex {

struct EmulatorPreferences {
  // The command line; %ROM stands for the patched copy's path. Empty: none set.
  QString command;
  // 1..24, or 0 for the slot the course was loaded from (Jack 1 when it came from a file).
  int slot = 0;

  static EmulatorPreferences Load(const QSettings& settings);
  void Store(QSettings& settings) const;
  // "mupen64plus %ROM" when mupen64plus is on the PATH, else empty.
  static QString DefaultCommand();
  // The slot to write: the chosen one, else the course's own, else Jack 1.
  int SlotFor(int course_slot) const;
};

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(const EmulatorPreferences& preferences, QWidget* parent);
  EmulatorPreferences preferences() const;

 private:
  QLineEdit* command_;
  QComboBox* slot_;
};

}  // namespace kurvex
