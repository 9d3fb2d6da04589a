#pragma once
// A drag pad: an area the user presses and drags across to change a value continuously. The
// pad holds the mouse from press to release (moves outside it still count) and reports the
// pointer in its own pixels, which are the pad units the document's drag formulas take.

#include <QPointF>
#include <QWidget>

namespace kurvex {

class DragPadWidget : public QWidget {
  Q_OBJECT

 public:
  // The directions the pad responds to, shown as arrows.
  enum class Directions { kAll, kVertical, kHorizontal };

  explicit DragPadWidget(QWidget* parent = nullptr);

  void SetDirections(Directions directions);
  bool held() const { return held_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void dragStarted(QPointF position);
  void dragMoved(QPointF position);
  void dragEnded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Release();
  void DrawArrows(class QPainter& painter, const QRectF& area) const;

  Directions directions_ = Directions::kAll;
  bool held_ = false;
};

}  // namespace kurvex
