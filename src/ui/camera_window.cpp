#include "ui/camera_window.h"

#include <QHideEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "course/number_text.h"
#include "ui/camera_button.h"
#include "ui/editor_session.h"
#include "ui_camera_window.h"

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

CameraWindow::CameraWindow(EditorSession& session, Dialogs& /*dialogs*/, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Camera"), owner),
      ui_(std::make_unique<Ui::CameraWindow>()) {
  ui_->setupUi(this);
  setWindowTitle(QStringLiteral("Camera"));
  // The two groups' boxes line up: every label as wide as the widest.
  const QList<QLabel*> labels = {ui_->lblX,    ui_->lblY,    ui_->lblZ,    ui_->lblCoordSpeed,
                                 ui_->lblAzim, ui_->lblElev, ui_->lblSkew, ui_->lblAngSpeed};
  int label_width = 0;
  for (QLabel* label : labels) label_width = std::max(label_width, label->sizeHint().width());
  for (QLabel* label : labels) label->setMinimumWidth(label_width);
  boxes_ = {ui_->txtX,    ui_->txtY,    ui_->txtZ,          ui_->txtAzim,
            ui_->txtElev, ui_->txtSkew, ui_->txtCoordSpeed, ui_->txtAngSpeed};
  move_timer_ = new QTimer(this);
  move_timer_->setObjectName(QStringLiteral("tmrMove"));
  move_timer_->setInterval(kMoveInterval);
  connect(move_timer_, &QTimer::timeout, this, &CameraWindow::Tick);
  ConnectButtons(kPosition);
  ConnectButtons(kAngles);
  ConnectBoxes();
  ConnectOptions();
  connect(&session_, &EditorSession::cameraChanged, this, [this](QObject* source) {
    if (source != this) Refresh();
  });
  Refresh();
}

CameraWindow::~CameraWindow() { StopListening(); }

QSize CameraWindow::sizeHint() const { return ToolWindow::sizeHint().expandedTo(QSize(300, 0)); }

CameraButton* CameraWindow::Button(Group group, int i) const {
  static const char* const kNames[2] = {"lblCoord%1", "imgAng%1"};
  return findChild<CameraButton*>(QString::fromLatin1(kNames[group]).arg(i));
}

std::array<bool, 6>& CameraWindow::Engaged(Group group) {
  return group == kPosition ? engaged_.coord : engaged_.ang;
}

bool CameraWindow::Hold(Group group) const {
  const CameraValues& values = session_.camera().values();
  return group == kPosition ? values.coord_hold : values.ang_hold;
}

void CameraWindow::ConnectButtons(Group group) {
  for (int i = 0; i < 6; ++i) {
    CameraButton* button = Button(group, i);
    connect(button, &CameraButton::mousePressed, this, [=] { Press(group, i); });
    connect(button, &CameraButton::mouseMoved, this,
            [=](bool inside) { MoveOver(group, i, inside); });
    connect(button, &CameraButton::mouseReleased, this, [=] { Release(group, i); });
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
  CameraValues& values = session_.camera().settings();
  (group == kPosition ? values.coord_hold : values.ang_hold) = hold;
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
  bool moved_position = false, moved_angles = false;
  session_.camera().Tick(engaged_, &moved_position, &moved_angles);
  if (moved_position) ShowPosition();
  if (moved_angles) ShowAngles();
  if (moved_position || moved_angles) session_.CameraMoved(this);
}

void CameraWindow::ConnectOptions() {
  connect(ui_->chkCoordLock, &QCheckBox::toggled, this,
          [this](bool on) { SetHold(kPosition, on); });
  connect(ui_->chkAngLock, &QCheckBox::toggled, this, [this](bool on) { SetHold(kAngles, on); });
  connect(ui_->chkCoordRelative, &QCheckBox::toggled, this,
          [this](bool on) { session_.camera().settings().coord_relative = on; });
  connect(ui_->chkAngRelative, &QCheckBox::toggled, this,
          [this](bool on) { session_.camera().settings().ang_relative = on; });
}

void CameraWindow::ConnectBoxes() {
  for (int b = 0; b < 8; ++b) {
    const auto box = static_cast<Camera::Box>(b);
    connect(boxes_[b], &QLineEdit::textChanged, this, [this, box] { BoxEdited(box); });
    connect(boxes_[b], &QLineEdit::editingFinished, this, [this, box] { BoxLeft(box); });
  }
}

void CameraWindow::BoxEdited(Camera::Box box) {
  if (updating_) return;
  // An empty box, or a number that overflows, leaves the value as it was; leaving the box
  // shows it again.
  if (session_.camera().SetFromText(box, boxes_[box]->text().toStdString())) {
    session_.CameraMoved(this);
  }
}

void CameraWindow::BoxLeft(Camera::Box box) { ShowValue(box); }

void CameraWindow::ShowValue(Camera::Box box) {
  const QString text = BoxText(box, session_.camera().Value(box));
  if (boxes_[box]->text() == text) return;
  updating_ = true;
  boxes_[box]->setText(text);
  boxes_[box]->setCursorPosition(0);
  updating_ = false;
}

void CameraWindow::ShowPosition() {
  for (Camera::Box box : {Camera::kBoxX, Camera::kBoxY, Camera::kBoxZ}) ShowValue(box);
}

void CameraWindow::ShowAngles() {
  for (Camera::Box box : {Camera::kBoxAzimuth, Camera::kBoxElevation, Camera::kBoxSkew}) {
    ShowValue(box);
  }
}

void CameraWindow::Refresh() {
  for (int b = 0; b < 8; ++b) ShowValue(static_cast<Camera::Box>(b));
  const CameraValues& values = session_.camera().values();
  const std::pair<QCheckBox*, bool> options[] = {{ui_->chkCoordRelative, values.coord_relative},
                                                 {ui_->chkAngRelative, values.ang_relative}};
  for (const auto& [check, on] : options) {
    const QSignalBlocker blocker(check);
    check->setChecked(on);
  }
  // Hold ticked or unticked from elsewhere (the settings) acts as the user's click would.
  ui_->chkCoordLock->setChecked(values.coord_hold);
  ui_->chkAngLock->setChecked(values.ang_hold);
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
