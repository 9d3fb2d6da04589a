#include "ui/camera_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace kurvex {

CameraButton::CameraButton(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);
  ApplyLook();
}

void CameraButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  ApplyLook();
}

void CameraButton::ApplyLook() {
  // Button-face colours when released, the system's highlight colours when engaged.
  QPalette look = palette();
  look.setColor(QPalette::Window, look.color(down_ ? QPalette::Highlight : QPalette::Button));
  look.setColor(QPalette::WindowText,
                look.color(down_ ? QPalette::HighlightedText : QPalette::ButtonText));
  setPalette(look);
  setFrameStyle(QFrame::Panel | (down_ ? QFrame::Sunken : QFrame::Raised));
}

void CameraButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  emit mousePressed();
}

void CameraButton::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QLabel::mouseMoveEvent(event);
  emit mouseMoved(rect().contains(event->position().toPoint()));
}

void CameraButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
  emit mouseReleased();
}

void CameraButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) return QLabel::keyPressEvent(event);
  // A held key repeats; the button is pressed once, as a held mouse button is.
  if (!event->isAutoRepeat()) emit mousePressed();
}

void CameraButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space) return QLabel::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit mouseReleased();
}

void CameraButton::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = contentsRect().adjusted(1, 1, -1, -1);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace kurvex
