#pragma once
// A box that shows one game text in the game's own glyphs, with a blinking insertion line, and
// hands the keys pressed and the clicks made in it to its window. It edits nothing itself: the
// window turns keys into document steps and tells the box what to show.

#include <QFrame>
#include <QTimer>
#include <string>

#include "editing/game_text_field.h"

namespace kurvex {

class GameFont;

class GameTextBox : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kBlinkMs = 500;

  explicit GameTextBox(QWidget* parent = nullptr);

  void SetGameFont(const GameFont* font);
  // How many codes the box should have room for (its size hint).
  void SetRoomFor(int codes);
  void SetText(const std::string& codes);
  const std::string& text() const { return text_; }
  // Where the insertion line stands, in game pixels from the text's start.
  void SetInsertionX(int x);
  int insertion_x() const { return insertion_x_; }
  // Shows the insertion line and starts its blinking afresh, as after every key.
  void ReInsert();
  bool caret_shown() const { return caret_on_ && hasFocus(); }

  // The widget position of game pixel x of the text (for clicks) and back.
  QPoint PositionOf(int game_x) const;
  int GameX(const QPoint& position) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // The window system's key as a field key: the editing keys by kind, characters as the key
  // shows them (capitals, digits, space, full stop). False for every other key.
  static bool TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, TextKey* key);

 signals:
  void keyPressed(const kurvex::TextKey& key);
  // Mouse released over the text at game pixel x.
  void clicked(int game_x);
  void focusEntered();
  void focusLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect TextArea() const;
  // Scrolls so that the insertion line lies inside the box.
  void KeepCaretVisible();

  const GameFont* font_ = nullptr;
  std::string text_;
  int insertion_x_ = 0;
  int scroll_ = 0;  // game pixels hidden at the left
  int room_for_ = 20;
  bool caret_on_ = false;
  QTimer blink_;
};

}  // namespace kurvex
