#include "ui/drag_pad_widget.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kurvex {

namespace {

constexpr double kArrowHead = 5;

// An arrow from `from` to `to` with its head at `to`.
void DrawArrow(QPainter& painter, QPointF from, QPointF to) {
  painter.drawLine(from, to);
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length <= 0) return;
  const QPointF unit = along / length;
  const QPointF side(-unit.y(), unit.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - unit * kArrowHead + side * kArrowHead * 0.7);
  head.lineTo(to - unit * kArrowHead - side * kArrowHead * 0.7);
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

// a, moved toward b by the fraction t.
QColor Blend(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

DragPadWidget::DragPadWidget(QWidget* parent) : QWidget(parent) {
  // A click takes the focus, so that a box being typed in is left (and settles) first.
  setFocusPolicy(Qt::ClickFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setCursor(Qt::SizeAllCursor);
  setToolTip(tr("Click and Drag"));
}

void DragPadWidget::SetDirections(Directions directions) {
  directions_ = directions;
  setCursor(directions == Directions::kAll        ? Qt::SizeAllCursor
            : directions == Directions::kVertical ? Qt::SizeVerCursor
                                                  : Qt::SizeHorCursor);
  update();
}

QSize DragPadWidget::sizeHint() const { return {120, 72}; }

QSize DragPadWidget::minimumSizeHint() const { return {64, 48}; }

void DragPadWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  const QPalette& colours = palette();
  QLinearGradient fill(area.topLeft(), area.bottomLeft());
  if (held_) {
    fill.setColorAt(0,
                    Blend(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.2));
    fill.setColorAt(1,
                    Blend(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.4));
  } else {
    fill.setColorAt(0, colours.color(QPalette::Base));
    fill.setColorAt(1, colours.color(QPalette::AlternateBase).darker(104));
  }
  QPen border(held_ ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid));
  border.setWidthF(1.2);
  border.setStyle(held_ ? Qt::SolidLine : Qt::DashLine);
  painter.setPen(border);
  painter.setBrush(fill);
  painter.drawRoundedRect(area, 5, 5);

  painter.setPen(QPen(colours.color(QPalette::Dark), 1.4));
  DrawArrows(painter, area);

  painter.setPen(
      colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Click and Drag"));
}

void DragPadWidget::DrawArrows(QPainter& painter, const QRectF& area) const {
  const QPointF centre = area.center();
  const double reach_x = area.width() / 2 - 6;
  const double reach_y = area.height() / 2 - 6;
  // The arrows sit at the pad's edges, clear of the text in the middle.
  const double inner_x = std::max(reach_x - 10, 0.0);
  const double inner_y = std::max(reach_y - 10, 0.0);
  if (directions_ != Directions::kVertical) {
    DrawArrow(painter, centre + QPointF(-inner_x, 0), centre + QPointF(-reach_x, 0));
    DrawArrow(painter, centre + QPointF(inner_x, 0), centre + QPointF(reach_x, 0));
  }
  if (directions_ != Directions::kHorizontal) {
    DrawArrow(painter, centre + QPointF(0, -inner_y), centre + QPointF(0, -reach_y));
    DrawArrow(painter, centre + QPointF(0, inner_y), centre + QPointF(0, reach_y));
  }
}

void DragPadWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  // A release lost to another window (a message box) must not keep the pad held.
  Release();
  held_ = true;
  grabMouse();
  update();
  emit dragStarted(event->position());
}

void DragPadWidget::mouseMoveEvent(QMouseEvent* event) {
  if (held_) emit dragMoved(event->position());
}

void DragPadWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Release();
}

void DragPadWidget::hideEvent(QHideEvent* event) {
  Release();
  QWidget::hideEvent(event);
}

void DragPadWidget::Release() {
  if (!held_) return;
  held_ = false;
  releaseMouse();
  update();
  emit dragEnded();
}

}  // namespace kurvex
