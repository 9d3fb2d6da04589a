#pragma once
// The main window: a bar with the menus, a tool bar and a status line. It owns the seven tool
// windows (created once, hidden when closed, their Window-menu check marks following their
// visibility), runs the File and Help commands, keeps the settings between runs, and hides the
// tool windows while it is minimised.

#include <QMainWindow>
#include <QSettings>
#include <array>
#include <functional>
#include <memory>

#include "preview/settings_file.h"

class QAction;
class QLabel;
class QMenu;

namespace kurvex {

class Dialogs;
class EditorSession;
class EmulatorRun;
class ExportCommands;
class FileCommands;
class HelpWindow;
class PreviewWindow;
class RecentFiles;
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
  QAction& window_action(int which) { return *window_actions_[which]; }
  PreviewWindow& preview();
  FileCommands& files() { return *files_; }
  TextureCommands& textures() { return *textures_; }
  ExportCommands& exports() { return *exports_; }
  EmulatorRun& emulator() { return *emulator_; }
  RecentFiles& recent() { return *recent_; }
  QAction* action(const QString& object_name) const;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateToolWindows();
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateViewMenu();
  void CreateWindowMenu();
  void FrameCourse();
  void FrameOpenedCourse();
  void CreateHelpMenu();
  void CreateToolBar();
  // A menu item that runs a command through RunCommand.
  QAction* AddAction(QMenu* menu, const QString& name, const QString& text,
                     const QKeySequence& shortcut, std::function<void()> command);
  void RunCommand(const std::function<void()>& command);
  void ToggleToolWindow(int which);
  void OnMinimised();
  void OnRestored();
  void RefreshCaption();
  void RefreshEditActions();
  void RefreshRomActions();
  void RefreshRecentMenu();
  void RefreshStatus();
  void OnDocumentChanged(const DocumentChange& change);
  void ShowStatus(const QString& text);
  void LoadCourseFromRom();
  void OpenHelp();
  void ShowAbout();
  void ShowCriticalInfo();
  void EditPreferences();
  void TestInEmulator();
  void LoadSettings();
  void SaveSettings();
  void PlaceToolWindows(const std::array<WindowPlacement, kToolWindowCount>& placements,
                        bool first_run);
  std::array<WindowPlacement, kToolWindowCount> ToolWindowPlacements() const;
  bool OpenDroppedFile(const QString& path);
  void Shutdown();

  EditorSession& session_;
  Dialogs& dialogs_;
  QString config_folder_;
  QSettings editor_settings_;
  std::unique_ptr<RecentFiles> recent_;
  FileCommands* files_ = nullptr;
  TextureCommands* textures_ = nullptr;
  ExportCommands* exports_ = nullptr;
  EmulatorRun* emulator_ = nullptr;
  std::array<ToolWindow*, kToolWindowCount> tools_{};
  std::array<QAction*, kToolWindowCount> window_actions_{};
  bool tools_hidden_ = false;
  QMenu* recent_menu_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* load_course_ = nullptr;
  QAction* rom_textures_ = nullptr;
  QAction* save_textures_ = nullptr;
  QLabel* course_summary_ = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace kurvex
