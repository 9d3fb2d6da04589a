#pragma once
// The main window's menus and tool bar, from one table, and their enabling: Undo and Redo
// named after the steps they take, the ROM commands only with an input ROM, the Window
// menu's check marks following the tool windows, the Recent Files menu following the list.
// Every item runs its command through the command runner.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "preview/settings_file.h"

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class QToolBar;

namespace kurvex {

class CommandRunner;
class EditorSession;
class ExportCommands;
class FileCommands;
class RecentFiles;
class TextureCommands;

// What the items do beyond the command objects.
struct EditorChores {
  std::function<void()> load_course_from_rom;
  std::function<void()> test_in_emulator;
  std::function<void()> edit_preferences;
  std::function<void()> frame_course;
  std::function<void(int which)> toggle_tool_window;
  std::function<void()> open_help;
  std::function<void()> show_critical_info;
  std::function<void()> show_about;
  std::function<void()> exit;
};

class EditorActions : public QObject {
  Q_OBJECT

 public:
  EditorActions(QMainWindow* bar, EditorSession& session, CommandRunner& runner,
                FileCommands& files, TextureCommands& textures, ExportCommands& exports,
                RecentFiles& recent, EditorChores chores);

  QAction* action(const QString& object_name) const;
  QAction& window_action(int which) { return *window_actions_[which]; }
  // Where the editor's other tools put their items.
  QMenu* view_menu() const { return view_menu_; }
  QMenu* window_menu() const { return window_menu_; }
  QToolBar* tool_bar() const { return tool_bar_; }

  void RefreshEditActions();
  void RefreshRomActions();
  void RefreshRecentMenu();

 private:
  enum class Takes { kNothing, kCourse };
  // An item; one that takes the course runs through RunOnCourse.
  QAction* Add(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
               std::function<void()> command, Takes takes = Takes::kNothing);
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateViewMenu();
  void CreateWindowMenu();
  void CreateHelpMenu();
  void CreateToolBar();

  QMainWindow* bar_;
  EditorSession& session_;
  CommandRunner& runner_;
  FileCommands& files_;
  TextureCommands& textures_;
  ExportCommands& exports_;
  RecentFiles& recent_;
  EditorChores chores_;
  std::array<QAction*, 3> file_actions_{};  // New, Open and Save, for the tool bar
  std::array<QAction*, kToolWindowCount> window_actions_{};
  QMenu* recent_menu_ = nullptr;
  QMenu* view_menu_ = nullptr;
  QMenu* window_menu_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* load_course_ = nullptr;
  QAction* rom_textures_ = nullptr;
  QAction* save_textures_ = nullptr;
};

}  // namespace kurvex
