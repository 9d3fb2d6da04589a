#pragma once
// What the editor keeps between runs, in the user's configuration folder: opts.cfg (the
// graphics settings, the camera, the Element Properties options and the tool windows' places)
// and the editor's own settings file (recent files, the emulator preferences).

#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>

#include "preview/settings_file.h"
#include "ui/preferences.h"

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;
class ToolWindow;

// One option of the editor's settings file: its key, and its value when none is kept.
template <typename T>
struct SettingOption {
  const char* key;
  T fallback;

  T Read(const QSettings& settings) const { return Read(settings, fallback); }
  T Read(const QSettings& settings, const T& otherwise) const {
    return settings.contains(key) ? settings.value(key).template value<T>() : otherwise;
  }
  void Write(QSettings& settings, const T& value) const {
    settings.setValue(key, QVariant::fromValue(value));
  }
};

// Every option of the editor's settings file, each key once.
inline const SettingOption<QStringList> kRecentFilesOption{"recentFiles", {}};
inline const SettingOption<QString> kEmulatorCommandOption{"emulator/command", {}};
inline const SettingOption<int> kEmulatorSlotOption{"emulator/slot", 0};
// The Problems window is no record of opts.cfg, whose window records are a fixed set.
inline const SettingOption<QRect> kProblemsPlaceOption{"problems/place", {}};
inline const SettingOption<bool> kProblemsVisibleOption{"problems/visible", true};
inline const SettingOption<bool> kProblemMarkersOption{"problems/markers", true};

class SettingsKeeper {
 public:
  // Messages about the settings file appear over `bar`.
  SettingsKeeper(EditorSession& session, Dialogs& dialogs, QWidget* bar,
                 const QString& config_folder);

  QSettings& editor_settings() { return editor_settings_; }
  EmulatorPreferences emulator() const { return EmulatorPreferences::Load(editor_settings_); }
  void SetEmulator(const EmulatorPreferences& preferences) { preferences.Store(editor_settings_); }

  // Reads opts.cfg into the session and places the tool windows (the first-run layout when
  // the file holds no places); `shown` receives which windows are shown. True on a first run
  // (no file at all).
  bool Load(const std::array<ToolWindow*, kToolWindowCount>& tools,
            std::array<bool, kToolWindowCount>& shown);
  // Writes the session's settings and the windows' places into opts.cfg.
  void Save(const std::array<ToolWindow*, kToolWindowCount>& tools,
            const std::array<bool, kToolWindowCount>& shown);

 private:
  QString SettingsPath() const;
  void Place(const std::array<ToolWindow*, kToolWindowCount>& tools,
             const std::array<WindowPlacement, kToolWindowCount>& placements, bool first_run,
             std::array<bool, kToolWindowCount>& shown) const;
  void ShowFailure(int16_t result);

  EditorSession& session_;
  Dialogs& dialogs_;
  QWidget* bar_;
  QString config_folder_;
  QSettings editor_settings_;
};

}  // namespace kurvex
