#include "ui/problems_tool.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "preview/view_projection.h"
#include "ui/command_runner.h"
#include "ui/editor_actions.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"
#include "ui/problems_window.h"
#include "ui/settings_keeper.h"
#include "ui/window_layout.h"

namespace kurvex {

ProblemsTool::ProblemsTool(EditorSession& session, MainWindow& main, QSettings& settings)
    : QObject(&main), session_(session), main_(main), settings_(settings) {
  window_ = new ProblemsWindow(session_, main_.runner(), &main_);
  window_->setAcceptDrops(true);
  window_->installEventFilter(&main_);  // course files dropped on it open as on the others
  window_->installEventFilter(this);
  status_ = new QLabel(&main_);
  status_->setObjectName(QStringLiteral("lblProblems"));
  status_->setContentsMargins(16, 0, 0, 0);  // apart from the course summary before it
  main_.statusBar()->addPermanentWidget(status_);
  status_->setText(QString::fromStdString(ProblemCountText(window_->problems())));
  connect(window_, &ProblemsWindow::problemsChanged, status_, &QLabel::setText);
  connect(window_, &ProblemsWindow::pointChosen, this, &ProblemsTool::ShowPoint);
  AddActions();
  main_.installEventFilter(this);
  connect(&session_, &EditorSession::graphicsChanged, this, [this] {
    if (placed_) kProblemMarkersOption.Write(settings_, session_.graphics().problem_markers);
  });
}

void ProblemsTool::AddActions() {
  window_action_ = new QAction(tr("Pro&blems"), &main_);
  window_action_->setObjectName(QStringLiteral("mnuProblems"));
  window_action_->setCheckable(true);
  connect(window_action_, &QAction::triggered, this,
          [this] { main_.runner().Run([this] { Toggle(); }); });
  connect(window_, &ToolWindow::visibilityChanged, this, [this](bool visible) {
    // Hidden with the bar, or by the program closing: still wanted next time.
    if (minimised_ || session_.closing()) return;
    window_action_->setChecked(visible);
    KeepPlace();
  });
  main_.actions().window_menu()->addAction(window_action_);
  main_.actions().tool_bar()->addAction(window_action_);

  auto* next = new QAction(tr("&Next Problem"), &main_);
  next->setObjectName(QStringLiteral("mnuNextProblem"));
  next->setShortcut(Qt::Key_F8);
  connect(next, &QAction::triggered, this,
          [this] { main_.runner().Run([this] { window_->SelectNext(false); }); });
  auto* previous = new QAction(tr("Pre&vious Problem"), &main_);
  previous->setObjectName(QStringLiteral("mnuPreviousProblem"));
  previous->setShortcut(Qt::SHIFT | Qt::Key_F8);
  connect(previous, &QAction::triggered, this,
          [this] { main_.runner().Run([this] { window_->SelectNext(true); }); });
  QMenu* view = main_.actions().view_menu();
  view->addSeparator();
  view->addAction(next);
  view->addAction(previous);
}

void ProblemsTool::Toggle() {
  if (window_->isVisible()) {
    window_->hide();
  } else {
    window_->show();
    window_->raise();
    window_->activateWindow();
  }
  window_action_->setChecked(window_->isVisible());
}

void ProblemsTool::ShowPoint(int point) {
  const PreviewView& view = main_.preview().view();
  session_.RestoreCamera(CameraShowingPoint(session_.document().course(), point,
                                            session_.camera().values(), view.width(),
                                            view.height()));
}

void ProblemsTool::RestorePlace() {
  // After the settings file is read, which knows nothing of the markers.
  const bool markers = kProblemMarkersOption.Read(settings_);
  session_.ChangeGraphics([markers](GraphicsSettings& s) { s.problem_markers = markers; },
                          GraphicsChange::kFrame);
  placed_ = true;
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  QRect place = kProblemsPlaceOption.Read(settings_);
  if (!place.isValid() || !screen.intersects(place)) {
    const QWidget& preview = main_.preview();
    place = FirstRunProblemsPlace(QRect(preview.pos(), preview.size()), screen,
                                  window_->sizeHint());
  }
  window_->move(place.topLeft());
  window_->resize(place.size().expandedTo(window_->minimumSizeHint()));
  const bool visible = kProblemsVisibleOption.Read(settings_);
  window_->setVisible(visible);
  window_action_->setChecked(visible);
}

void ProblemsTool::KeepPlace() {
  if (!placed_) return;
  kProblemsPlaceOption.Write(settings_, QRect(window_->pos(), window_->size()));
  kProblemsVisibleOption.Write(settings_, window_action_->isChecked());
}

bool ProblemsTool::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        window_->isVisible() && !session_.closing()) {
      KeepPlace();
    }
    return false;
  }
  if (event->type() == QEvent::Show && !placed_) RestorePlace();
  if (event->type() == QEvent::WindowStateChange) {
    // The bar minimised hides every tool window; restored, the wanted ones come back.
    if (main_.isMinimized() && !minimised_) {
      minimised_ = true;
      window_->hide();
    } else if (!main_.isMinimized() && minimised_) {
      minimised_ = false;
      if (window_action_->isChecked()) window_->show();
    }
  }
  return false;
}

}  // namespace kurvex
