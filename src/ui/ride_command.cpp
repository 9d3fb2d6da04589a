#include "ui/ride_command.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <algorithm>

#include "preview/ride_camera.h"
#include "ui/command_runner.h"
#include "ui/editor_actions.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"

namespace kurvex {

namespace {

constexpr int kStepMs = 16;  // about the preview's frame rate

}  // namespace

RideCommand::RideCommand(EditorSession& session, MainWindow& main)
    : QObject(&main), session_(session), main_(main) {
  ride_ = new QAction(tr("&Ride Course"), &main_);
  ride_->setObjectName(QStringLiteral("mnuRideCourse"));
  ride_->setCheckable(true);
  ride_->setShortcut(Qt::Key_F6);
  connect(ride_, &QAction::triggered, this,
          [this] { main_.runner().Run([this] { riding_ ? Stop() : Start(); }); });
  main_.actions().view_menu()->addAction(ride_);
  // Only while riding, so that the keys keep their usual work in every box otherwise.
  AddKey("actRideStop", Qt::Key_Escape, &RideCommand::Stop);
  AddKey("actRideFaster", Qt::Key_Up, &RideCommand::Faster);
  AddKey("actRideSlower", Qt::Key_Down, &RideCommand::Slower);
  timer_.setInterval(kStepMs);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &RideCommand::Step);
  main_.installEventFilter(this);
}

bool RideCommand::eventFilter(QObject* watched, QEvent* event) {
  // The camera kept between runs is the user's, not the rider's.
  if (watched == &main_ && event->type() == QEvent::Close) Stop();
  return false;
}

QAction* RideCommand::AddKey(const char* name, const QKeySequence& key,
                             void (RideCommand::*slot)()) {
  auto* action = new QAction(&main_);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setEnabled(false);
  connect(action, &QAction::triggered, this,
          [this, slot] { main_.runner().Run([this, slot] { (this->*slot)(); }); });
  main_.addAction(action);
  ride_keys_.append(action);
  return action;
}

void RideCommand::Start() {
  if (riding_ || !IsPreparedFor(session_.document().prepared(), session_.document().course())) {
    ride_->setChecked(false);
    return;
  }
  riding_ = true;
  saved_ = session_.camera().values();
  distance_ = 0;
  for (QAction* key : ride_keys_) key->setEnabled(true);
  ride_->setChecked(true);
  clock_.start();
  timer_.start();
  Step();
}

void RideCommand::Stop() {
  if (!riding_) return;
  riding_ = false;
  timer_.stop();
  for (QAction* key : ride_keys_) key->setEnabled(false);
  ride_->setChecked(false);
  session_.RestoreCamera(saved_);
}

void RideCommand::Faster() { factor_ = std::min(factor_ * kRideSpeedStep, kMaxRideSpeedFactor); }
void RideCommand::Slower() { factor_ = std::max(factor_ / kRideSpeedStep, kMinRideSpeedFactor); }

void RideCommand::Step() {
  const CourseDocument& document = session_.document();
  // A course of the wrong size has no curves to ride.
  if (!IsPreparedFor(document.prepared(), document.course())) {
    Stop();
    return;
  }
  distance_ += RideSpeed(factor_) * static_cast<double>(clock_.restart()) / 1000;
  session_.RestoreCamera(
      RideCamera(RidePoseAt(document.prepared(), distance_), session_.camera().values()));
}

}  // namespace kurvex
