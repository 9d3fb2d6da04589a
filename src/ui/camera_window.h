#pragma once
// The Camera window: the six camera values and the two speeds in boxes that follow every
// camera move, and twelve direction buttons that move the camera every 10 ms while engaged:
// held down with the mouse (or Space), or with "Hold" ticked, toggled by a click. "Relative"
// moves and turns along the camera's own axes instead of the world's.

#include <array>
#include <memory>

#include "preview/camera.h"
#include "ui/command_runner.h"
#include "ui/tool_window.h"

class QTimer;

namespace Ui {
class CameraWindow;
}

namespace kurvex {

class BoundControls;
class CameraButton;
class Dialogs;

class CameraWindow : public ToolWindow {
  Q_OBJECT

 public:
  CameraWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~CameraWindow() override;

  // The engaged buttons (position 0..5, angles 0..5).
  const CameraButtons& engaged() const { return engaged_; }
  // One tick of the move timer `tmrMove`.
  void Tick();

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  enum Group { kPosition, kAngles };

  void AlignLabels();
  void BindButtons(Group group);
  void BindBoxes();
  void BindOptions();
  CameraButton* Button(Group group, int i) const;
  std::array<bool, 6>& Engaged(Group group);
  bool Hold(Group group) const;
  void Press(Group group, int i);
  void MoveOver(Group group, int i, bool inside);
  void Release(Group group, int i);
  void ReleaseAll(Group group);
  void SetHold(Group group, bool hold);
  void StartOrStopTimer();
  void Refresh();

  std::unique_ptr<Ui::CameraWindow> ui_;
  CommandRunner runner_;
  // Goes before the form: nothing a box does as the window closes may reach the window.
  std::unique_ptr<BoundControls> controls_;
  std::array<std::array<CameraButton*, 6>, 2> buttons_{};
  CameraButtons engaged_;
  QTimer* move_timer_ = nullptr;
};

}  // namespace kurvex
