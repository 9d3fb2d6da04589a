#pragma once
// One of the Camera window's direction buttons: a small square that shows itself pressed
// (engaged, in the highlight colours) or released, and reports the mouse to the window, which
// decides what a press means (held, or toggled with Hold). It takes the keyboard focus, and
// Space presses and releases it as the left mouse button does.

#include <QLabel>

namespace kurvex {

class CameraButton : public QLabel {
  Q_OBJECT

 public:
  explicit CameraButton(QWidget* parent = nullptr);

  // Only the look; the window keeps which buttons are engaged.
  void SetDown(bool down);
  bool down() const { return down_; }

 signals:
  void mousePressed();
  // While the left button is held: whether the pointer is inside the square.
  void mouseMoved(bool inside);
  void mouseReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyLook();

  bool down_ = false;
};

}  // namespace kurvex
