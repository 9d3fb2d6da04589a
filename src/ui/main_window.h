#pragma once
// The main window: a bar with the menus, a tool bar and a status line. It owns the seven tool
// windows (created once, hidden when closed, their Window-menu check marks following their
// visibility), runs the File and Help commands, and hides the tool windows while it is
// minimised. The menus are EditorActions'; what is kept between runs, SettingsKeeper's.

#include <QMainWindow>
#include <array>
#include <memory>

#include "preview/settings_file.h"

class QAction;
class QLabel;

namespace kurvex {

class CommandRunner;
class Dialogs;
class EditorActions;
class EditorSession;
class EmulatorRun;
class ExportCommands;
class FileCommands;
class HelpWindow;
class PreviewWindow;
class RecentFiles;
class SettingsKeeper;
class TextureCommands;
class ToolWindow;
struct DocumentChange;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The config folder holds opts.cfg and the editor's own settings; the cache folder the copy
  // of the ROM a course is tried in.
  MainWindow(EditorSession& session, Dialogs& dialogs, const QString& config_folder,
             const QString& cache_folder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Loads the settings (the "Critical Info" notice on a first run), shows the window with the
  // tool windows marked visible and starts with the new course.
  void Start();
  // Opens a course given on the command line.
  bool OpenFromCommandLine(const QString& path);
  // Ends as a clean exit does (settings saved, windows closed) but asks nothing: for the
  // system's request to end (a logout), when nobody may be there to answer.
  void EndWithoutQuestions();

  ToolWindow& tool(int which) { return *tools_[which]; }
  QAction& window_action(int which);
  PreviewWindow& preview();
  FileCommands& files() { return *files_; }
  TextureCommands& textures() { return *textures_; }
  ExportCommands& exports() { return *exports_; }
  EmulatorRun& emulator() { return *emulator_; }
  RecentFiles& recent() { return *recent_; }
  QAction* action(const QString& object_name) const;
  // The menus and tool bar, and the runner every command of the bar goes through, for the
  // tools that add their own items.
  EditorActions& actions() { return *actions_; }
  CommandRunner& runner() { return *runner_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateToolWindows();
  void CreateActions();
  void ToggleToolWindow(int which);
  void OnMinimised();
  void OnRestored();
  void RefreshCaption();
  void RefreshStatus();
  void OnDocumentChanged(const DocumentChange& change);
  void ShowStatus(const QString& text);
  void LoadCourseFromRom();
  void OpenHelp();
  void ShowAbout();
  void ShowCriticalInfo();
  void EditPreferences();
  void TestInEmulator();
  std::array<bool, kToolWindowCount> ShownToolWindows();
  bool OpenDroppedFile(const QString& path);
  void Shutdown();

  EditorSession& session_;
  Dialogs& dialogs_;
  std::unique_ptr<CommandRunner> runner_;
  std::unique_ptr<SettingsKeeper> settings_;
  std::unique_ptr<RecentFiles> recent_;
  FileCommands* files_ = nullptr;
  TextureCommands* textures_ = nullptr;
  ExportCommands* exports_ = nullptr;
  EmulatorRun* emulator_ = nullptr;
  EditorActions* actions_ = nullptr;
  std::array<ToolWindow*, kToolWindowCount> tools_{};
  bool tools_hidden_ = false;
  QLabel* course_summary_ = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace kurvex
