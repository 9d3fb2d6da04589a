#include "ui/game_text_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/game_font.h"

namespace kurvex {

namespace {

constexpr int kMargin = 3;        // screen pixels between the frame and the text
constexpr int kTypicalWidth = 9;  // game pixels of an average capital (kana take 12)

}  // namespace

GameTextBox::GameTextBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  blink_.setInterval(kBlinkMs);
  connect(&blink_, &QTimer::timeout, this, [this] {
    caret_on_ = !caret_on_;
    update();
  });
}

void GameTextBox::SetGameFont(const GameFont* font) {
  font_ = font;
  update();
}

void GameTextBox::SetRoomFor(int codes) {
  room_for_ = codes;
  updateGeometry();
}

void GameTextBox::SetText(const std::string& codes) {
  if (codes == text_) return;
  text_ = codes;
  KeepCaretVisible();
  update();
}

void GameTextBox::SetInsertionX(int x) {
  if (x == insertion_x_) return;
  insertion_x_ = x;
  KeepCaretVisible();
  update();
}

void GameTextBox::ReInsert() {
  caret_on_ = true;
  if (hasFocus()) blink_.start();
  update();
}

QRect GameTextBox::TextArea() const {
  return contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPoint GameTextBox::PositionOf(int game_x) const {
  const QRect area = TextArea();
  return {area.left() + (game_x - scroll_) * kGameTextZoom,
          area.top() + kGlyphCell * kGameTextZoom / 2};
}

int GameTextBox::GameX(const QPoint& position) const {
  const double x = double(position.x() - TextArea().left()) / kGameTextZoom;
  return static_cast<int>(std::floor(x + 0.5)) + scroll_;
}

void GameTextBox::KeepCaretVisible() {
  const int visible = std::max(1, TextArea().width() / kGameTextZoom - 2);
  if (insertion_x_ < scroll_) scroll_ = insertion_x_;
  if (insertion_x_ > scroll_ + visible) scroll_ = insertion_x_ - visible;
  // Never leave room at the right while text is hidden at the left.
  const int text_width = font_ ? font_->widths().GetWidth(text_) : 0;
  scroll_ = std::max(0, std::min(scroll_, std::max(insertion_x_, text_width) - visible));
}

QSize GameTextBox::sizeHint() const {
  const int frame = 2 * (frameWidth() + kMargin);
  return {room_for_ * kTypicalWidth * kGameTextZoom + frame, kGlyphCell * kGameTextZoom + frame};
}

QSize GameTextBox::minimumSizeHint() const {
  const QSize hint = sizeHint();
  return {std::min(hint.width(), 8 * kTypicalWidth * kGameTextZoom), hint.height()};
}

bool GameTextBox::TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, TextKey* key) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const bool shift = modifiers & Qt::ShiftModifier;
  switch (qt_key) {
    case Qt::Key_Backspace:
      *key = TextKey::Edit(EditKey::kBackspace);
      return true;
    case Qt::Key_Delete:
      *key = TextKey::Edit(EditKey::kDelete);
      return true;
    case Qt::Key_Left:
      *key = TextKey::Edit(EditKey::kLeft);
      return true;
    case Qt::Key_Right:
      *key = TextKey::Edit(EditKey::kRight);
      return true;
    case Qt::Key_Space:
      *key = TextKey::Typed(' ', shift);
      return true;
    case Qt::Key_Period:
      *key = TextKey::Typed('.', shift);
      return true;
    default:
      break;
  }
  if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) ||
      (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)) {
    // Qt numbers these keys by their ASCII capitals and digits.
    *key = TextKey::Typed(qt_key, shift);
    return true;
  }
  return false;
}

void GameTextBox::keyPressEvent(QKeyEvent* event) {
  TextKey key = TextKey::Typed(0);
  if (!TranslateKey(event->key(), event->modifiers(), &key)) {
    QFrame::keyPressEvent(event);
    return;
  }
  event->accept();
  emit keyPressed(key);
}

void GameTextBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked(GameX(event->position().toPoint()));
  }
  QFrame::mouseReleaseEvent(event);
}

void GameTextBox::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  emit focusEntered();
  ReInsert();
}

void GameTextBox::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  blink_.stop();
  caret_on_ = false;
  update();
  emit focusLeft();
}

void GameTextBox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  KeepCaretVisible();
}

void GameTextBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect inner = contentsRect();
  painter.fillRect(inner, Qt::black);
  if (!font_) return;
  const QRect area = TextArea();
  painter.save();
  painter.setClipRect(QRect(area.left(), inner.top(), area.width(), inner.height()));
  painter.translate(area.topLeft());
  painter.scale(kGameTextZoom, kGameTextZoom);
  font_->DrawText(painter, QPoint(-scroll_, 0), text_);
  painter.restore();
  if (caret_shown()) {
    const int x = PositionOf(insertion_x_).x();
    painter.fillRect(QRect(x - 1, area.top() - 1, 2, kGlyphCell * kGameTextZoom + 2),
                     QColor(255, 255, 255));
  }
}

}  // namespace kurvex
