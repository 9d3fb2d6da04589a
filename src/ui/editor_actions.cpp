#include "ui/editor_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "ui/command_runner.h"
#include "ui/editor_session.h"
#include "ui/export_commands.h"
#include "ui/file_commands.h"
#include "ui/history_keys.h"
#include "ui/recent_files.h"
#include "ui/texture_commands.h"
#include "ui/translation.h"

namespace kurvex {

namespace {

// The Window menu, in the order of the settings file's window records.
struct ToolEntry {
  const char* action_name;
  const char* text;
};
constexpr ToolEntry kToolEntries[kToolWindowCount] = {
    {"mnuCourse", QT_TRANSLATE_NOOP("kurvex::EditorActions", "C&ourse Properties")},
    {"mnuElement", QT_TRANSLATE_NOOP("kurvex::EditorActions", "&Element Properties")},
    {"mnuPreview", QT_TRANSLATE_NOOP("kurvex::EditorActions", "&Preview")},
    {"mnuCamera", QT_TRANSLATE_NOOP("kurvex::EditorActions", "&Camera")},
    {"mnuGraphics", QT_TRANSLATE_NOOP("kurvex::EditorActions", "&Graphics Settings")},
    {"mnuDataSheet", QT_TRANSLATE_NOOP("kurvex::EditorActions", "&Data Sheet")},
    {"mnuPatch", QT_TRANSLATE_NOOP("kurvex::EditorActions", "Patch to &ROM")},
};

}  // namespace

EditorActions::EditorActions(QMainWindow* bar, EditorSession& session, CommandRunner& runner,
                             FileCommands& files, TextureCommands& textures,
                             ExportCommands& exports, RecentFiles& recent, EditorChores chores)
    : QObject(bar),
      bar_(bar),
      session_(session),
      runner_(runner),
      files_(files),
      textures_(textures),
      exports_(exports),
      recent_(recent),
      chores_(std::move(chores)) {
  CreateFileMenu();
  CreateEditMenu();
  CreateViewMenu();
  CreateWindowMenu();
  CreateHelpMenu();
  // Ctrl+Z in a box undoes the last step of the course, not the box's own text.
  new HistoryKeys(undo_, redo_, bar_);
  CreateToolBar();
  connect(&recent_, &RecentFiles::changed, this, &EditorActions::RefreshRecentMenu);
  connect(&session_, &EditorSession::romChanged, this, &EditorActions::RefreshRomActions);
  connect(&session_, &EditorSession::texturesChanged, this, &EditorActions::RefreshRomActions);
  RefreshEditActions();
  RefreshRomActions();
  RefreshRecentMenu();
}

QAction* EditorActions::action(const QString& object_name) const {
  return bar_->findChild<QAction*>(object_name);
}

QAction* EditorActions::Add(QMenu* menu, const char* name, const QString& text,
                            const QKeySequence& shortcut, std::function<void()> command,
                            Takes takes) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  // Tool windows belong to the bar, so its keys work in every one of them.
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, takes, command = std::move(command)] {
    takes == Takes::kCourse ? runner_.RunOnCourse(command) : runner_.Run(command);
  });
  return action;
}

void EditorActions::CreateFileMenu() {
  QMenu* file = bar_->menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file_actions_[0] = Add(
      file, "mnuNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { files_.New(); },
      Takes::kCourse);
  file_actions_[1] = Add(
      file, "mnuOpen", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
      [this] { files_.Open(); }, Takes::kCourse);
  recent_menu_ = file->addMenu(tr("&Recent Files"));
  recent_menu_->setObjectName(QStringLiteral("mnuRecent"));
  file_actions_[2] = Add(
      file, "mnuSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { files_.Save(); },
      Takes::kCourse);
  // Written out: some desktops give the standard Save As key no sequence at all.
  Add(
      file, "mnuSaveAs", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
      [this] { files_.SaveAs(); }, Takes::kCourse);
  file->addSeparator();
  Add(file, "mnuInputROM", tr("Select &Input ROM..."), {}, [this] { files_.SelectInputRom(); });
  load_course_ = Add(file, "mnuLoadCourse", tr("Load &Course from ROM..."), {},
                     chores_.load_course_from_rom, Takes::kCourse);
  rom_textures_ = Add(file, "mnuROMTextures", tr("Load &Textures from ROM"), {},
                      [this] { textures_.LoadFromRom(); });
  Add(file, "mnuFileTextures", tr("Load Textures from &File..."), {},
      [this] { textures_.LoadFromFile(); });
  save_textures_ =
      Add(file, "mnuSaveTextures", tr("Sa&ve Textures..."), {}, [this] { textures_.Save(); });
  file->addSeparator();
  Add(file, "mnuTestEmulator", tr("Test in &Emulator"), Qt::Key_F5, chores_.test_in_emulator,
      Takes::kCourse);
  Add(file, "mnuExportImage", tr("Export &Preview Image..."), {},
      [this] { exports_.ExportImage(); });
  Add(
      file, "mnuExportModel", tr("Export &Model..."), {}, [this] { exports_.ExportModel(); },
      Takes::kCourse);
  file->addSeparator();
  Add(file, "mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), chores_.exit)
      ->setMenuRole(QAction::QuitRole);
}

void EditorActions::CreateEditMenu() {
  QMenu* edit = bar_->menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  undo_ = Add(edit, "mnuUndo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
              [this] { session_.document().Undo(); });
  redo_ = Add(edit, "mnuRedo", tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
              [this] { session_.document().Redo(); });
  edit->addSeparator();
  Add(edit, "mnuPreferences", tr("&Preferences..."), QKeySequence::Preferences,
      chores_.edit_preferences)
      ->setMenuRole(QAction::PreferencesRole);
}

void EditorActions::CreateViewMenu() {
  QMenu* view = view_menu_ = bar_->menuBar()->addMenu(tr("&View"));
  view->setObjectName(QStringLiteral("mnuView"));
  Add(view, "mnuFrameCourse", tr("&Frame Course"), Qt::Key_Home, chores_.frame_course);
}

void EditorActions::CreateWindowMenu() {
  QMenu* window = window_menu_ = bar_->menuBar()->addMenu(tr("&Window"));
  window->setObjectName(QStringLiteral("mnuWindow"));
  for (int which = 0; which < kToolWindowCount; ++which) {
    if (which == kWindowDataSheet) window->addSeparator();
    QAction* action = Add(window, kToolEntries[which].action_name, tr(kToolEntries[which].text), {},
                          [this, which] { chores_.toggle_tool_window(which); });
    action->setCheckable(true);
    window_actions_[which] = action;
  }
}

void EditorActions::CreateHelpMenu() {
  QMenu* help = bar_->menuBar()->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  Add(help, "mnuContents", tr("&Contents..."), Qt::Key_F1, chores_.open_help);
  Add(help, "mnuCriticalInfo", tr("Critical &Info..."), {}, chores_.show_critical_info);
  help->addSeparator();
  Add(help, "mnuAbout", tr("&About..."), {}, chores_.show_about)->setMenuRole(QAction::AboutRole);
}

void EditorActions::CreateToolBar() {
  QToolBar* bar = tool_bar_ = bar_->addToolBar(tr("Main"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (QAction* file : file_actions_) bar->addAction(file);
  bar->addSeparator();
  bar->addAction(undo_);
  bar->addAction(redo_);
  bar->addSeparator();
  for (QAction* window : window_actions_) bar->addAction(window);
}

void EditorActions::RefreshEditActions() {
  const CourseDocument& document = session_.document();
  // Step names come from the document in English; here they meet the translation.
  const QString undo = Translated(document.UndoName());
  const QString redo = Translated(document.RedoName());
  undo_->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
  redo_->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
  undo_->setEnabled(document.CanUndo());
  redo_->setEnabled(document.CanRedo());
}

void EditorActions::RefreshRomActions() {
  load_course_->setEnabled(session_.rom_loaded());
  rom_textures_->setEnabled(session_.rom_loaded());
  save_textures_->setEnabled(session_.textures_loaded());
}

void EditorActions::RefreshRecentMenu() {
  recent_menu_->clear();
  for (const QString& path : recent_.files()) {
    // A "&" in a file name is shown, not taken as an access key.
    QAction* open =
        recent_menu_->addAction(QFileInfo(path).fileName().replace('&', QStringLiteral("&&")));
    open->setToolTip(path);
    open->setStatusTip(path);
    connect(open, &QAction::triggered, this, [this, path] {
      runner_.RunOnCourse([this, path] {
        if (!files_.MayDiscardChanges()) return;
        if (!files_.OpenPath(path) && !QFileInfo::exists(path)) recent_.Remove(path);
      });
    });
  }
  recent_menu_->setEnabled(!recent_.files().isEmpty());
  if (recent_.files().isEmpty()) return;
  recent_menu_->addSeparator();
  connect(recent_menu_->addAction(tr("&Clear List")), &QAction::triggered, &recent_,
          &RecentFiles::Clear);
}

}  // namespace kurvex
