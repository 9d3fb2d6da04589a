#include "ui/camera_window.h"

#include <QHideEvent>
#include <QTimer>
#include <algorithm>

#include "course/number_text.h"
#include "editing/edit_result.h"
#include "forms/ui_camera_window.h"
#include "ui/bound_controls.h"
#include "ui/camera_button.h"
#include "ui/editor_session.h"

namespace kurvex {

namespace {

constexpr int kMoveInterval = 10;  // ms

bool IsSpeed(Camera::Box box) {
  return box == Camera::kBoxCoordSpeed || box == Camera::kBoxAngSpeed;
}

// "0.000" for positions and angles, "0.0##" for the speeds.
QString BoxText(Camera::Box box, double value) {
  return QString::fromStdString(IsSpeed(box) ? FormatDecimals(value, 1, 3) : FormatFixed(value, 3));
}

}  // namespace

CameraWindow::CameraWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, tr("Camera"), owner),
      ui_(std::make_unique<Ui::CameraWindow>()),
      runner_(session, dialogs, this, tr("Camera")) {
  ui_->setupUi(this);
  setWindowTitle(tr("Camera"));
  controls_ = std::make_unique<BoundControls>(runner_, nullptr);
  AlignLabels();
  buttons_ = {
      {{ui_->lblCoord0, ui_->lblCoord1, ui_->lblCoord2, ui_->lblCoord3, ui_->lblCoord4,
        ui_->lblCoord5},
       {ui_->imgAng0, ui_->imgAng1, ui_->imgAng2, ui_->imgAng3, ui_->imgAng4, ui_->imgAng5}}};
  move_timer_ = new QTimer(this);
  move_timer_->setObjectName(QStringLiteral("tmrMove"));
  move_timer_->setInterval(kMoveInterval);
  connect(move_timer_, &QTimer::timeout, this, &CameraWindow::Tick);
  BindButtons(kPosition);
  BindButtons(kAngles);
  BindBoxes();
  BindOptions();
  connect(&session_, &EditorSession::cameraChanged, this, &CameraWindow::Refresh);
}

CameraWindow::~CameraWindow() {
  controls_.reset();
  StopListening();
}

QSize CameraWindow::sizeHint() const { return ToolWindow::sizeHint().expandedTo(QSize(300, 0)); }

void CameraWindow::AlignLabels() {
  // The two groups' boxes line up: every label as wide as the widest.
  const QList<QLabel*> labels = {ui_->lblX,    ui_->lblY,    ui_->lblZ,    ui_->lblCoordSpeed,
                                 ui_->lblAzim, ui_->lblElev, ui_->lblSkew, ui_->lblAngSpeed};
  int label_width = 0;
  for (QLabel* label : labels) label_width = std::max(label_width, label->sizeHint().width());
  for (QLabel* label : labels) label->setMinimumWidth(label_width);
}

CameraButton* CameraWindow::Button(Group group, int i) const { return buttons_[group][i]; }

std::array<bool, 6>& CameraWindow::Engaged(Group group) {
  return group == kPosition ? engaged_.coord : engaged_.ang;
}

bool CameraWindow::Hold(Group group) const {
  const CameraValues& values = session_.camera().values();
  return group == kPosition ? values.coord_hold : values.ang_hold;
}

void CameraWindow::BindButtons(Group group) {
  for (int i = 0; i < 6; ++i) {
    CameraButton* button = Button(group, i);
    // Steps of a gesture: the camera moves on the timer's ticks, not here.
    const auto step = [this](const std::function<void()>& change) {
      runner_.Step([&] {
        change();
        return int16_t{kEditOk};
      });
    };
    connect(button, &CameraButton::mousePressed, this, [=] { step([=] { Press(group, i); }); });
    connect(button, &CameraButton::mouseMoved, this,
            [=](bool inside) { step([=] { MoveOver(group, i, inside); }); });
    connect(button, &CameraButton::mouseReleased, this, [=] { step([=] { Release(group, i); }); });
  }
}

void CameraWindow::Press(Group group, int i) {
  bool& engaged = Engaged(group)[i];
  // With Hold a click toggles the button; without, it is engaged while the mouse holds it.
  engaged = Hold(group) ? !engaged : true;
  Button(group, i)->SetDown(engaged);
  StartOrStopTimer();
}

void CameraWindow::MoveOver(Group group, int i, bool inside) {
  if (Hold(group) || !Engaged(group)[i]) return;
  Button(group, i)->SetDown(inside);  // it stays engaged either way
}

void CameraWindow::Release(Group group, int i) {
  if (Hold(group)) return;
  Engaged(group)[i] = false;
  Button(group, i)->SetDown(false);
  StartOrStopTimer();
}

void CameraWindow::ReleaseAll(Group group) {
  for (int i = 0; i < 6; ++i) {
    Engaged(group)[i] = false;
    Button(group, i)->SetDown(false);
  }
  StartOrStopTimer();
}

void CameraWindow::SetHold(Group group, bool hold) {
  session_.MoveCamera(
      [&](Camera& camera) {
        CameraValues& values = camera.settings();
        (group == kPosition ? values.coord_hold : values.ang_hold) = hold;
        return true;
      },
      this);
  if (!hold) ReleaseAll(group);
}

void CameraWindow::StartOrStopTimer() {
  // Ticks with nothing engaged do nothing; the timer sleeps meanwhile.
  const auto any = [](const std::array<bool, 6>& a) {
    return std::any_of(a.begin(), a.end(), [](bool b) { return b; });
  };
  const bool needed = any(engaged_.coord) || any(engaged_.ang);
  if (needed && !move_timer_->isActive()) move_timer_->start();
  if (!needed) move_timer_->stop();
}

void CameraWindow::Tick() {
  // A step of the gesture the engaged buttons make; the preview animates on meanwhile.
  runner_.Step([this] {
    session_.MoveCamera(
        [this](Camera& camera) {
          bool moved_position = false, moved_angles = false;
          camera.Tick(engaged_, &moved_position, &moved_angles);
          return moved_position || moved_angles;
        },
        this);
    return int16_t{kEditOk};
  });
}

void CameraWindow::BindOptions() {
  const auto option = [this](QCheckBox* check, bool CameraValues::*field) {
    controls_->AddCheck(
        check, [this, field] { return session_.camera().values().*field; },
        [this, field](bool on) {
          session_.MoveCamera(
              [&](Camera& camera) {
                camera.settings().*field = on;
                return true;
              },
              this);
        });
  };
  option(ui_->chkCoordRelative, &CameraValues::coord_relative);
  option(ui_->chkAngRelative, &CameraValues::ang_relative);
  const auto hold = [this](QCheckBox* check, Group group) {
    controls_->AddCheck(
        check, [this, group] { return Hold(group); },
        [this, group](bool on) { SetHold(group, on); });
  };
  hold(ui_->chkCoordLock, kPosition);
  hold(ui_->chkAngLock, kAngles);
}

void CameraWindow::BindBoxes() {
  QLineEdit* const boxes[] = {ui_->txtX,    ui_->txtY,    ui_->txtZ,          ui_->txtAzim,
                              ui_->txtElev, ui_->txtSkew, ui_->txtCoordSpeed, ui_->txtAngSpeed};
  for (int b = 0; b < 8; ++b) {
    const auto box = static_cast<Camera::Box>(b);
    BoundControls::NumberRule rule;
    rule.on_key = [this, box](double value) {
      session_.MoveCamera([&](Camera& camera) { return camera.SetValue(box, value); }, this);
      return int16_t{kEditOk};
    };
    rule.shown = [this, box] { return BoxText(box, session_.camera().Value(box)); };
    // A box typed in shows the camera again as soon as something else moves it.
    rule.still_typing = [] { return false; };
    controls_->AddNumber(boxes[b], rule);
  }
}

void CameraWindow::Refresh() {
  const bool held[2] = {ui_->chkCoordLock->isChecked(), ui_->chkAngLock->isChecked()};
  controls_->Refresh();
  // Hold unticked from elsewhere (the settings) lets go of the buttons, as the user's click
  // would.
  for (const Group group : {kPosition, kAngles}) {
    if (held[group] && !Hold(group)) ReleaseAll(group);
  }
}

void CameraWindow::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  Refresh();
}

void CameraWindow::hideEvent(QHideEvent* event) {
  ToolWindow::hideEvent(event);
  // A button held with the mouse gets no mouse-up once its window is gone.
  if (event->spontaneous()) return;
  if (!Hold(kPosition)) ReleaseAll(kPosition);
  if (!Hold(kAngles)) ReleaseAll(kAngles);
}

}  // namespace kurvex
