#pragma once
// View -> Ride Course (F6): the camera rides along the centre line at a driver's height, facing
// along the track and banked with it, at a speed Up and Down change; Escape or F6 again puts
// the camera back where it was. The ride reads the document's prepared curves and changes
// nothing else, so the preview rebuilds nothing while it runs.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "preview/camera.h"

class QAction;

namespace kurvex {

class EditorSession;
class MainWindow;

class RideCommand : public QObject {
  Q_OBJECT

 public:
  RideCommand(EditorSession& session, MainWindow& main);

  bool riding() const { return riding_; }
  double speed_factor() const { return factor_; }
  double distance() const { return distance_; }
  QAction& action() { return *ride_; }

  void Start();
  void Stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddKey(const char* name, const QKeySequence& key, void (RideCommand::*slot)());
  void Faster();
  void Slower();
  void Step();

  EditorSession& session_;
  MainWindow& main_;
  QAction* ride_ = nullptr;
  QList<QAction*> ride_keys_;
  QTimer timer_;
  QElapsedTimer clock_;
  CameraValues saved_;
  bool riding_ = false;
  double distance_ = 0;  // preview units along the lap from point 1
  double factor_ = 1;
};

}  // namespace kurvex
