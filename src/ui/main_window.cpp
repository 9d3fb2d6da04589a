#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include "course/display_names.h"
#include "course/game_text_unicode.h"
#include "course/new_course.h"
#include "ui/about_dialog.h"
#include "ui/camera_window.h"
#include "ui/command_runner.h"
#include "ui/course_properties_window.h"
#include "ui/data_sheet_window.h"
#include "ui/dialogs.h"
#include "ui/editor_actions.h"
#include "ui/editor_session.h"
#include "ui/element_properties_window.h"
#include "ui/emulator_run.h"
#include "ui/export_commands.h"
#include "ui/file_commands.h"
#include "ui/graphics_window.h"
#include "ui/help_page.h"
#include "ui/help_window.h"
#include "ui/load_course_dialog.h"
#include "ui/patch_window.h"
#include "ui/preferences.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"
#include "ui/problems_tool.h"
#include "ui/recent_files.h"
#include "ui/ride_command.h"
#include "ui/settings_keeper.h"
#include "ui/texture_commands.h"

namespace kurvex {

namespace {

const char kNoRomCaption[] = QT_TRANSLATE_NOOP("kurvex::MainWindow", " - (No input ROM selected)");

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
      runner_(std::make_unique<CommandRunner>(session, dialogs, this,
                                              QString::fromUtf8(kProductCaption))),
      settings_(std::make_unique<SettingsKeeper>(session, dialogs, this, config_folder)),
      recent_(std::make_unique<RecentFiles>(settings_->editor_settings())) {
  setObjectName(QStringLiteral("frmMain"));
  setAcceptDrops(true);
  files_ = new FileCommands(session_, dialogs_, *recent_, this);
  textures_ = new TextureCommands(session_, dialogs_, this);
  emulator_ = new EmulatorRun(session_, dialogs_, cache_folder, this);
  CreateToolWindows();
  exports_ =
      new ExportCommands(session_, dialogs_,
                         {[this] { return preview().PictureSize(); },
                          [this](const QSize& size) { return preview().RenderPicture(size); }},
                         this);
  CreateActions();
  setCentralWidget(new QWidget(this));
  centralWidget()->setFixedHeight(0);
  course_summary_ = new QLabel(this);
  course_summary_->setObjectName(QStringLiteral("lblCourseSummary"));
  statusBar()->addPermanentWidget(course_summary_);
  connect(files_, &FileCommands::status, this, &MainWindow::ShowStatus);
  connect(files_, &FileCommands::courseOpened, this, [this] { preview().FrameIfOutOfSight(); });
  connect(textures_, &TextureCommands::status, this, &MainWindow::ShowStatus);
  connect(exports_, &ExportCommands::status, this, &MainWindow::ShowStatus);
  connect(emulator_, &EmulatorRun::status, this, &MainWindow::ShowStatus);
  connect(&session_, &EditorSession::documentChanged, this, &MainWindow::OnDocumentChanged);
  connect(&session_, &EditorSession::romChanged, this, &MainWindow::RefreshCaption);
  connect(&session_, &EditorSession::filePathChanged, this, &MainWindow::RefreshCaption);
  new RideCommand(session_, *this);
  new ProblemsTool(session_, *this, settings_->editor_settings());
  RefreshCaption();
}

MainWindow::~MainWindow() = default;

void MainWindow::ShowStatus(const QString& text) { statusBar()->showMessage(text, 5000); }

PreviewWindow& MainWindow::preview() {
  return *static_cast<PreviewWindow*>(tools_[kWindowPreview]);
}

QAction* MainWindow::action(const QString& object_name) const {
  return actions_->action(object_name);
}

QAction& MainWindow::window_action(int which) { return actions_->window_action(which); }

void MainWindow::CreateToolWindows() {
  tools_[kWindowCourse] = new CoursePropertiesWindow(session_, dialogs_, this);
  tools_[kWindowElement] = new ElementPropertiesWindow(session_, dialogs_, this);
  tools_[kWindowPreview] = new PreviewWindow(session_, dialogs_, this);
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

void MainWindow::CreateActions() {
  EditorChores chores;
  chores.load_course_from_rom = [this] { LoadCourseFromRom(); };
  chores.test_in_emulator = [this] { TestInEmulator(); };
  chores.edit_preferences = [this] { EditPreferences(); };
  chores.frame_course = [this] { preview().FrameCourse(); };
  chores.toggle_tool_window = [this](int which) { ToggleToolWindow(which); };
  chores.open_help = [this] { OpenHelp(); };
  chores.show_critical_info = [this] { ShowCriticalInfo(); };
  chores.show_about = [this] { ShowAbout(); };
  chores.exit = [this] { close(); };
  actions_ = new EditorActions(this, session_, *runner_, *files_, *textures_, *exports_, *recent_,
                               std::move(chores));
  for (int which = 0; which < kToolWindowCount; ++which) {
    // The check mark follows the window, however it was shown or hidden.
    connect(tools_[which], &ToolWindow::visibilityChanged, this, [this, which](bool visible) {
      if (!tools_hidden_) window_action(which).setChecked(visible);
    });
  }
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
  window_action(which).setChecked(tool->isVisible());
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
    if (window_action(which).isChecked()) tools_[which]->show();
  }
  session_.Reanimate();
}

void MainWindow::RefreshCaption() {
  QString caption = QString::fromUtf8(kProductCaption);
  if (!session_.rom_loaded()) caption += tr(kNoRomCaption);
  setWindowTitle(files_->CourseName() + QStringLiteral("[*] - ") + caption);
  setWindowModified(session_.document().IsModified());
}

void MainWindow::RefreshStatus() {
  const Course& course = session_.document().course();
  course_summary_->setText(tr("%1  |  %2 points  |  %3  |  point %4")
                               .arg(QString::fromStdString(GameTextUnicode(course.Name)))
                               .arg(course.PointCount)
                               .arg(QString::fromStdString(VenueName(course.Venue)))
                               .arg(session_.document().current_point()));
}

void MainWindow::OnDocumentChanged(const DocumentChange& change) {
  if (change.history || change.modified || change.replaced) actions_->RefreshEditActions();
  if (change.modified || change.replaced) RefreshCaption();
  RefreshStatus();
}

void MainWindow::LoadCourseFromRom() {
  if (!session_.rom_loaded() || !files_->MayDiscardChanges()) return;
  LoadCourseDialog dialog(session_.last_load_slot(), this);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  session_.SetLastLoadSlot(dialog.slot());
  if (chosen) files_->LoadCourseFromRom(dialog.slot());
}

void MainWindow::OpenHelp() {
  const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
  // Shown in the editor's own help window: no browser needs to be registered.
  if (!help_) help_ = new HelpWindow(this);
  if (page.isEmpty() || !help_->ShowPage(page)) {
    dialogs_.ShowMessage(this, MessageIcon::kExclamation, tr("Help Contents"),
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
  PreferencesDialog dialog(settings_->emulator(), this);
  if (dialog.exec() == QDialog::Accepted) settings_->SetEmulator(dialog.preferences());
}

void MainWindow::TestInEmulator() { emulator_->Run(settings_->emulator()); }

void MainWindow::Start() {
  // A bar across the top of the screen, as tall as its menus, tool bar and status line.
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  setGeometry(screen.left(), screen.top(), screen.width(), sizeHint().height());
  setFixedHeight(sizeHint().height());
  std::array<bool, kToolWindowCount> shown{};
  const bool first_run = settings_->Load(tools_, shown);
  for (int which = 0; which < kToolWindowCount; ++which)
    window_action(which).setChecked(shown[which]);
  if (first_run) QTimer::singleShot(0, this, &MainWindow::ShowCriticalInfo);
  session_.document().Replace(NewCourse());
  session_.SetCourseLoaded();
  show();
  RefreshStatus();
}

std::array<bool, kToolWindowCount> MainWindow::ShownToolWindows() {
  std::array<bool, kToolWindowCount> shown{};
  for (int which = 0; which < kToolWindowCount; ++which) {
    shown[which] = window_action(which).isChecked();
  }
  return shown;
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
  QTimer::singleShot(0, this,
                     [this, path] { runner_->Run([this, path] { OpenDroppedFile(path); }); });
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
  settings_->Save(tools_, ShownToolWindows());
  session_.SetClosing();
  preview().view().KillGL();
  for (ToolWindow* tool : tools_) tool->close();
}

}  // namespace kurvex
