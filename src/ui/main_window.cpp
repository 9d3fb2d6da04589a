#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "course/display_names.h"
#include "course/game_text_unicode.h"
#include "course/new_course.h"
#include "editing/edit_result.h"
#include "preview/settings_rules.h"
#include "preview/view_projection.h"
#include "ui/about_dialog.h"
#include "ui/camera_window.h"
#include "ui/course_properties_window.h"
#include "ui/data_sheet_window.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/element_properties_window.h"
#include "ui/emulator_run.h"
#include "ui/export_commands.h"
#include "ui/file_commands.h"
#include "ui/graphics_window.h"
#include "ui/help_page.h"
#include "ui/help_window.h"
#include "ui/history_keys.h"
#include "ui/load_course_dialog.h"
#include "ui/patch_window.h"
#include "ui/preferences.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"
#include "ui/problems_tool.h"
#include "ui/recent_files.h"
#include "ui/ride_command.h"
#include "ui/texture_commands.h"
#include "ui/window_layout.h"

namespace kurvex {

namespace {

const char kNoRomCaption[] = " - (No input ROM selected)";

// The Window menu, in the order of the settings file's window records.
struct ToolEntry {
  const char* action_name;
  const char* text;
};
constexpr ToolEntry kToolEntries[kToolWindowCount] = {
    {"mnuCourse", "C&ourse Properties"},
    {"mnuElement", "&Element Properties"},
    {"mnuPreview", "&Preview"},
    {"mnuCamera", "&Camera"},
    {"mnuGraphics", "&Graphics Settings"},
    {"mnuDataSheet", "&Data Sheet"},
    {"mnuPatch", "Patch to &ROM"},
};

bool IsCourseFile(const QString& path) {
  return path.endsWith(".kurv", Qt::CaseInsensitive) || path.endsWith(".txt", Qt::CaseInsensitive);
}

QString DroppedCourse(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return QString();
  const QString path = mime->urls().first().toLocalFile();
  return IsCourseFile(path) ? path : QString();
}

}  // namespace

MainWindow::MainWindow(EditorSession& session, Dialogs& dialogs, const QString& config_folder,
                       const QString& cache_folder, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      dialogs_(dialogs),
      config_folder_(config_folder),
      editor_settings_(QDir(config_folder).filePath("kurvex.ini"), QSettings::IniFormat),
      recent_(std::make_unique<RecentFiles>(editor_settings_)) {
  setObjectName(QStringLiteral("frmMain"));
  setAcceptDrops(true);
  files_ = new FileCommands(session_, dialogs_, *recent_, this);
  textures_ = new TextureCommands(session_, dialogs_, this);
  emulator_ = new EmulatorRun(session_, dialogs_, cache_folder, this);
  CreateToolWindows();
  exports_ = new ExportCommands(session_, dialogs_, preview().view(), this);
  CreateMenus();
  new HistoryKeys(undo_, redo_, this);
  CreateToolBar();
  setCentralWidget(new QWidget(this));
  centralWidget()->setFixedHeight(0);
  course_summary_ = new QLabel(this);
  course_summary_->setObjectName(QStringLiteral("lblCourseSummary"));
  statusBar()->addPermanentWidget(course_summary_);
  connect(files_, &FileCommands::status, this, &MainWindow::ShowStatus);
  connect(files_, &FileCommands::courseOpened, this, &MainWindow::FrameOpenedCourse);
  connect(textures_, &TextureCommands::status, this, &MainWindow::ShowStatus);
  connect(exports_, &ExportCommands::status, this, &MainWindow::ShowStatus);
  connect(emulator_, &EmulatorRun::status, this, &MainWindow::ShowStatus);
  connect(&session_, &EditorSession::documentChanged, this, &MainWindow::OnDocumentChanged);
  connect(&session_, &EditorSession::romChanged, this, [this] {
    RefreshRomActions();
    RefreshCaption();
  });
  connect(&session_, &EditorSession::texturesChanged, this, &MainWindow::RefreshRomActions);
  connect(&session_, &EditorSession::filePathChanged, this, &MainWindow::RefreshCaption);
  connect(recent_.get(), &RecentFiles::changed, this, &MainWindow::RefreshRecentMenu);
  new RideCommand(session_, *this);
  new ProblemsTool(session_, *this, editor_settings_);
  RefreshCaption();
  RefreshEditActions();
  RefreshRomActions();
  RefreshRecentMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::ShowStatus(const QString& text) { statusBar()->showMessage(text, 5000); }

PreviewWindow& MainWindow::preview() {
  return *static_cast<PreviewWindow*>(tools_[kWindowPreview]);
}

QAction* MainWindow::action(const QString& object_name) const {
  return findChild<QAction*>(object_name);
}

void MainWindow::CreateToolWindows() {
  tools_[kWindowCourse] = new CoursePropertiesWindow(session_, dialogs_, this);
  tools_[kWindowElement] = new ElementPropertiesWindow(session_, dialogs_, this);
  tools_[kWindowPreview] = new PreviewWindow(session_, this);
  tools_[kWindowCamera] = new CameraWindow(session_, dialogs_, this);
  tools_[kWindowGraphics] = new GraphicsWindow(session_, dialogs_, this);
  tools_[kWindowDataSheet] = new DataSheetWindow(session_, dialogs_, this);
  auto* patch = new PatchWindow(session_, dialogs_, this);
  connect(patch, &PatchWindow::status, this, &MainWindow::ShowStatus);
  tools_[kWindowPatch] = patch;
  for (ToolWindow* tool : tools_) {
    tool->setAcceptDrops(true);
    tool->installEventFilter(this);
  }
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& name, const QString& text,
                               const QKeySequence& shortcut, std::function<void()> command) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  // Tool windows belong to the bar, so its keys work in every one of them.
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (command) {
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
  }
  return action;
}

void MainWindow::RunCommand(const std::function<void()>& command) {
  // A command never takes the program down: an unexpected failure is reported, and what the
  // command changed before it stays.
  try {
    command();
  } catch (const std::exception&) {
    dialogs_.ShowMessage(this, MessageIcon::kExclamation, QString::fromUtf8(kProductCaption),
                         EditMessage(kEditUnknownError));
  }
}

void MainWindow::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreateViewMenu();
  CreateWindowMenu();
  CreateHelpMenu();
}

void MainWindow::CreateFileMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  AddAction(file, "mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), [this] { files_->New(); });
  AddAction(file, "mnuOpen", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O),
            [this] { files_->Open(); });
  recent_menu_ = file->addMenu(QStringLiteral("&Recent Files"));
  recent_menu_->setObjectName(QStringLiteral("mnuRecent"));
  AddAction(file, "mnuSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S),
            [this] { files_->Save(); });
  // Written out: some desktops give the standard Save As key no sequence at all.
  AddAction(file, "mnuSaveAs", "Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            [this] { files_->SaveAs(); });
  file->addSeparator();
  AddAction(file, "mnuInputROM", "Select &Input ROM...", {}, [this] { files_->SelectInputRom(); });
  load_course_ = AddAction(file, "mnuLoadCourse", "Load &Course from ROM...", {},
                           [this] { LoadCourseFromRom(); });
  rom_textures_ = AddAction(file, "mnuROMTextures", "Load &Textures from ROM", {},
                            [this] { textures_->LoadFromRom(); });
  AddAction(file, "mnuFileTextures", "Load Textures from &File...", {},
            [this] { textures_->LoadFromFile(); });
  save_textures_ =
      AddAction(file, "mnuSaveTextures", "Sa&ve Textures...", {}, [this] { textures_->Save(); });
  file->addSeparator();
  AddAction(file, "mnuTestEmulator", "Test in &Emulator", Qt::Key_F5, [this] { TestInEmulator(); });
  AddAction(file, "mnuExportImage", "Export &Preview Image...", {},
            [this] { exports_->ExportImage(); });
  AddAction(file, "mnuExportModel", "Export &Model...", {}, [this] { exports_->ExportModel(); });
  file->addSeparator();
  QAction* exit =
      AddAction(file, "mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
  exit->setMenuRole(QAction::QuitRole);
}

void MainWindow::CreateEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  undo_ = AddAction(edit, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] {
    session_.document().Undo();
    session_.Reanimate();
  });
  redo_ =
      AddAction(edit, "mnuRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] {
        session_.document().Redo();
        session_.Reanimate();
      });
  edit->addSeparator();
  AddAction(edit, "mnuPreferences", "&Preferences...", QKeySequence::Preferences, [this] {
    EditPreferences();
  })->setMenuRole(QAction::PreferencesRole);
}

void MainWindow::CreateViewMenu() {
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("mnuView"));
  AddAction(view, "mnuFrameCourse", "&Frame Course", Qt::Key_Home, [this] { FrameCourse(); });
}

void MainWindow::FrameCourse() {
  const PreviewView& view = preview().view();
  const double aspect = view.height() > 0 ? double(view.width()) / view.height() : 4.0 / 3;
  Camera& camera = session_.camera();
  camera.Restore(FramingCamera(session_.document().course(), aspect, camera.values()));
  session_.CameraMoved();
}

void MainWindow::CreateWindowMenu() {
  QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
  window->setObjectName(QStringLiteral("mnuWindow"));
  for (int which = 0; which < kToolWindowCount; ++which) {
    if (which == kWindowDataSheet) window->addSeparator();
    QAction* action = AddAction(window, kToolEntries[which].action_name, kToolEntries[which].text,
                                {}, [this, which] { ToggleToolWindow(which); });
    action->setCheckable(true);
    // The check mark follows the window, however it was shown or hidden.
    connect(tools_[which], &ToolWindow::visibilityChanged, this, [this, which](bool visible) {
      if (!tools_hidden_) window_actions_[which]->setChecked(visible);
    });
    window_actions_[which] = action;
  }
}

void MainWindow::CreateHelpMenu() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  AddAction(help, "mnuContents", "&Contents...", Qt::Key_F1, [this] { OpenHelp(); });
  AddAction(help, "mnuCriticalInfo", "Critical &Info...", {}, [this] { ShowCriticalInfo(); });
  help->addSeparator();
  AddAction(help, "mnuAbout", "&About...", {}, [this] {
    ShowAbout();
  })->setMenuRole(QAction::AboutRole);
}

void MainWindow::CreateToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Main"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const char* name : {"mnuNew", "mnuOpen", "mnuSave"}) bar->addAction(action(name));
  bar->addSeparator();
  bar->addAction(undo_);
  bar->addAction(redo_);
  bar->addSeparator();
  for (QAction* window : window_actions_) bar->addAction(window);
}

void MainWindow::ToggleToolWindow(int which) {
  ToolWindow* tool = tools_[which];
  if (tool->isVisible()) {
    tool->hide();
  } else {
    tool->show();
    tool->raise();
    tool->activateWindow();
  }
  window_actions_[which]->setChecked(tool->isVisible());
  session_.Reanimate();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) {
    OnMinimised();
  } else if (tools_hidden_) {
    OnRestored();
  }
}

void MainWindow::OnMinimised() {
  tools_hidden_ = true;
  for (ToolWindow* tool : tools_) tool->hide();
}

void MainWindow::OnRestored() {
  tools_hidden_ = false;
  for (int which = 0; which < kToolWindowCount; ++which) {
    if (window_actions_[which]->isChecked()) tools_[which]->show();
  }
  session_.Reanimate();
}

void MainWindow::RefreshCaption() {
  QString caption = QString::fromUtf8(kProductCaption);
  if (!session_.rom_loaded()) caption += QString::fromUtf8(kNoRomCaption);
  setWindowTitle(files_->CourseName() + QStringLiteral("[*] - ") + caption);
  setWindowModified(session_.document().IsModified());
}

void MainWindow::RefreshEditActions() {
  const CourseDocument& document = session_.document();
  const QString undo = QString::fromStdString(document.UndoName());
  const QString redo = QString::fromStdString(document.RedoName());
  undo_->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
  redo_->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
  undo_->setEnabled(document.CanUndo());
  redo_->setEnabled(document.CanRedo());
}

void MainWindow::RefreshRomActions() {
  load_course_->setEnabled(session_.rom_loaded());
  rom_textures_->setEnabled(session_.rom_loaded());
  save_textures_->setEnabled(session_.textures_loaded());
}

void MainWindow::RefreshRecentMenu() {
  recent_menu_->clear();
  for (const QString& path : recent_->files()) {
    // A "&" in a file name is shown, not taken as an access key.
    QAction* open =
        recent_menu_->addAction(QFileInfo(path).fileName().replace('&', QStringLiteral("&&")));
    open->setToolTip(path);
    open->setStatusTip(path);
    connect(open, &QAction::triggered, this, [this, path] {
      if (!files_->MayDiscardChanges()) return;
      if (!files_->OpenPath(path) && !QFileInfo::exists(path)) recent_->Remove(path);
    });
  }
  recent_menu_->setEnabled(!recent_->files().isEmpty());
  if (recent_->files().isEmpty()) return;
  recent_menu_->addSeparator();
  connect(recent_menu_->addAction(tr("&Clear List")), &QAction::triggered, recent_.get(),
          &RecentFiles::Clear);
}

void MainWindow::RefreshStatus() {
  const Course& course = session_.document().course();
  course_summary_->setText(tr("%1  |  %2 points  |  %3  |  point %4")
                               .arg(QString::fromStdString(GameTextUnicode(course.Name)))
                               .arg(course.PointCount)
                               .arg(QString::fromStdString(VenueName(course.Venue)))
                               .arg(session_.document().current_point()));
}

void MainWindow::FrameOpenedCourse() {
  // A course opened where the camera sees less than half of it is shown whole; a view that
  // shows most of it is the user's and stays. Only openings come here, so the camera kept from
  // the last run is never replaced at start-up.
  const PreviewView& view = preview().view();
  const Course& course = session_.document().course();
  if (view.width() > 0 &&
      2 * PointsInView(course, session_.camera().values(), view.width(), view.height()) <
          course.PointCount) {
    FrameCourse();
  }
}

void MainWindow::OnDocumentChanged(const DocumentChange& change) {
  if (change.history || change.modified || change.replaced) RefreshEditActions();
  if (change.modified || change.replaced) RefreshCaption();
  RefreshStatus();
}

void MainWindow::LoadCourseFromRom() {
  if (!session_.rom_loaded() || !files_->MayDiscardChanges()) return;
  LoadCourseDialog dialog(session_.last_load_slot(), this);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  session_.SetLastLoadSlot(dialog.slot());
  if (chosen) files_->LoadCourseFromRom(dialog.slot());
  session_.Reanimate();
}

void MainWindow::OpenHelp() {
  const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
  // Shown in the editor's own help window: no browser needs to be registered.
  if (!help_) help_ = new HelpWindow(this);
  if (page.isEmpty() || !help_->ShowPage(page)) {
    dialogs_.ShowMessage(this, MessageIcon::kExclamation, "Help Contents",
                         LinesMessage({"Help files not found."}));
    return;
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void MainWindow::ShowAbout() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::ShowCriticalInfo() {
  auto* notice = new CriticalInfoDialog(this);
  notice->setAttribute(Qt::WA_DeleteOnClose);
  // Its button restores the default extremes.
  connect(notice, &QDialog::accepted, this, [this] { session_.document().UseDefaultExtremes(); });
  notice->open();
}

void MainWindow::EditPreferences() {
  PreferencesDialog dialog(EmulatorPreferences::Load(editor_settings_), this);
  if (dialog.exec() == QDialog::Accepted) dialog.preferences().Store(editor_settings_);
}

void MainWindow::TestInEmulator() {
  emulator_->Run(EmulatorPreferences::Load(editor_settings_));
  session_.Reanimate();
}

void MainWindow::Start() {
  // A bar across the top of the screen, as tall as its menus, tool bar and status line.
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  setGeometry(screen.left(), screen.top(), screen.width(), sizeHint().height());
  setFixedHeight(sizeHint().height());
  LoadSettings();
  session_.document().Replace(NewCourse());
  session_.SetCourseLoaded();
  show();
  RefreshStatus();
}

void MainWindow::PlaceToolWindows(const std::array<WindowPlacement, kToolWindowCount>& placements,
                                  bool first_run) {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  std::array<QSize, kToolWindowCount> hints;
  for (int which = 0; which < kToolWindowCount; ++which) {
    const bool property_window = which == kWindowElement || which == kWindowCourse;
    hints[which] = property_window ? tools_[which]->minimumSizeHint().expandedTo({560, 0})
                                   : tools_[which]->sizeHint();
  }
  // Below the bar and its frame.
  const int top = screen.top() + sizeHint().height() + kFrameAllowance;
  const auto first =
      FirstRunLayout(QRect(screen.left(), top, screen.width(), screen.bottom() - top), hints);
  for (int which = 0; which < kToolWindowCount; ++which) {
    ToolWindow* tool = tools_[which];
    ToolPlacement place = first[which];
    if (!first_run) {
      place = {PlaceOnScreen(placements[which], screen, hints[which]), placements[which].visible};
    }
    tool->move(place.place.topLeft());
    tool->resize(place.place.size().expandedTo(tool->minimumSizeHint()));
    tool->setVisible(place.visible);
    window_actions_[which]->setChecked(place.visible);
  }
}

std::array<WindowPlacement, kToolWindowCount> MainWindow::ToolWindowPlacements() const {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  std::array<WindowPlacement, kToolWindowCount> placements{};
  for (int which = 0; which < kToolWindowCount; ++which) {
    const ToolWindow* tool = tools_[which];
    placements[which] = KeptPlacement(QRect(tool->pos(), tool->size()),
                                      window_actions_[which]->isChecked(), screen);
  }
  return placements;
}

bool MainWindow::OpenFromCommandLine(const QString& path) { return files_->OpenPath(path); }

bool MainWindow::OpenDroppedFile(const QString& path) {
  if (!files_->MayDiscardChanges()) return false;
  return files_->OpenPath(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedCourse(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedCourse(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Answered after the drop, so that the dragging program is not kept waiting by a question.
  QTimer::singleShot(0, this, [this, path] { OpenDroppedFile(path); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The tool windows take course files dropped on them as the main window does.
  if (event->type() == QEvent::DragEnter) {
    dragEnterEvent(static_cast<QDragEnterEvent*>(event));
    return event->isAccepted();
  }
  if (event->type() == QEvent::Drop) {
    dropEvent(static_cast<QDropEvent*>(event));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_.closing() && !files_->MayDiscardChanges()) {
    event->ignore();
    return;
  }
  Shutdown();
  event->accept();
}

void MainWindow::EndWithoutQuestions() {
  // Done here rather than through close(), which does nothing while a close is already asking
  // its question.
  Shutdown();
  hide();
}

void MainWindow::Shutdown() {
  if (session_.closing()) return;
  SaveSettings();
  session_.SetClosing();
  preview().view().KillGL();
  for (ToolWindow* tool : tools_) tool->close();
}

void MainWindow::LoadSettings() {
  Settings settings;
  const QString path = QDir(config_folder_).filePath(QString::fromUtf8(kSettingsFileName));
  const int16_t result = LoadSettingsFile(path.toStdString(), settings);
  // Values from a file pass the same rules as typed ones: a damaged file cannot put the
  // camera out of reach or make the segment distance NaN.
  ApplyBoxRules(settings);
  session_.graphics() = settings.graphics;
  session_.camera().Restore(settings.camera);
  CourseDocument& document = session_.document();
  document.SetSegmentDistance(settings.graphics.segment_distance);
  document.SetDragSpeed(settings.element.drag_speed / 10);
  document.SetAddOffset(settings.element.add_offset * 100);
  Extremes extremes;
  std::copy(std::begin(settings.element.min), std::end(settings.element.min), extremes.min);
  std::copy(std::begin(settings.element.max), std::end(settings.element.max), extremes.max);
  document.RestoreExtremes(extremes);
  session_.CameraMoved();
  session_.GraphicsChanged(GraphicsChange::kSegmentDistance);
  // The places come last in the file: a file that ends early or cannot be read holds none,
  // and the windows start as on a first run rather than all hidden.
  PlaceToolWindows(settings.windows, result != kSettingsOk);
  if (result == kSettingsLoadFailed) {
    // Once the window is up, so that the box has a window to stand over.
    QTimer::singleShot(0, this, [this, result] {
      dialogs_.ShowMessage(this, MessageIcon::kCritical,
                           QString::fromStdString(SettingsMessageCaption(result)),
                           LinesMessage({SettingsMessage(result)}));
    });
  }
  if (result == kSettingsMissing) QTimer::singleShot(0, this, &MainWindow::ShowCriticalInfo);
}

void MainWindow::SaveSettings() {
  Settings settings;
  settings.graphics = session_.graphics();
  settings.camera = session_.camera().values();
  const CourseDocument& document = session_.document();
  settings.element.current_point = static_cast<uint8_t>(document.current_point());
  settings.element.add_offset = document.add_offset();
  settings.element.drag_speed = document.drag_speed();
  std::copy(std::begin(document.extremes().min), std::end(document.extremes().min),
            settings.element.min);
  std::copy(std::begin(document.extremes().max), std::end(document.extremes().max),
            settings.element.max);
  settings.windows = ToolWindowPlacements();
  QDir().mkpath(config_folder_);
  const QString path = QDir(config_folder_).filePath(QString::fromUtf8(kSettingsFileName));
  const int16_t result = SaveSettingsFile(path.toStdString(), settings);
  if (result != kSettingsOk) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical,
                         QString::fromStdString(SettingsMessageCaption(result)),
                         LinesMessage({SettingsMessage(result)}));
  }
}

}  // namespace kurvex
