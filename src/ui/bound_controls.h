#pragma once
// Controls tied to a value of the session or the document: a number box, a text box, a colour
// box, a check box and a drop-down list, each with its read and write functions. One Refresh
// shows every value (with the controls' signals blocked, so showing is never an edit); writes
// run through the window's command runner.
//
// A box writes at each keystroke (or, for boxes that commit when left, only then). Leaving
// the box or pressing Enter settles it and rewrites it in its format. A box the user is
// typing in is left alone by refreshes. Typed numbers are read by one rule everywhere: an
// empty box writes nothing; a number beyond the double range, or one the write refuses as not
// finite, is not written and the box shows the stored value again at once.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "preview/graphics_settings.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kurvex {

class CommandRunner;

// What a box's text says as a number.
enum class TypedNumber {
  kEmpty,    // nothing typed: nothing is written
  kNumber,   // the number the text starts with (no number at all reads as 0)
  kRefused,  // beyond the double range
};
TypedNumber ReadTypedNumber(const QString& text, double* value);

class BoundControls : public QObject {
  Q_OBJECT

 public:
  struct NumberRule {
    // Writes a typed number; a refusal (kEditBadNumber) puts the stored value back.
    // on_key runs at each keystroke, on_leave when the box is left after an edit.
    std::function<int16_t(double)> on_key;
    std::function<int16_t(double)> on_leave;
    // Runs whenever the box is left or Enter is pressed, after on_leave.
    std::function<void()> finished;
    // The stored value in the box's format.
    std::function<QString()> shown;
    // While this answers true, refreshes leave an edited box alone; without it an edited box
    // is left alone until it is left.
    std::function<bool()> still_typing;
  };
  struct TextRule {
    // Writes the box's text at each keystroke; false puts the stored text back.
    std::function<bool(const QString&)> on_key;
    std::function<void()> finished;
    std::function<QString()> shown;
    std::function<bool()> still_typing;
  };

  BoundControls(CommandRunner& runner, QObject* parent);

  void AddNumber(QLineEdit* box, NumberRule rule);
  void AddText(QLineEdit* box, TextRule rule);
  // Six hexadecimal digits RRGGBB; the swatch shows the colour.
  void AddColour(QLineEdit* box, QLabel* swatch, std::function<Rgb()> read,
                 std::function<void(const Rgb&)> write);
  void AddCheck(QAbstractButton* check, std::function<bool()> read,
                std::function<void(bool)> write);
  // A list of entries; write returns an edit result, and a refusal shows the stored entry.
  void AddList(QComboBox* list, std::function<int()> read, std::function<int16_t(int)> write);

  // Edits are ignored while this answers true (a drag in progress).
  void SetBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
  // Shows every value, except in a box the user is typing in.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Box {
    QLineEdit* box;
    std::function<bool(const QString&)> on_key;  // false: refused
    std::function<void(const QString&)> on_leave;
    std::function<void()> finished;
    std::function<QString()> shown;
    std::function<bool()> still_typing;
    std::function<void()> shown_also;  // a colour's swatch
    bool text = false;                 // words, not a number or a colour
  };
  struct Refresher {
    QWidget* control;
    std::function<void()> show;
  };

  void AddBox(Box box);
  void Forget(QObject* control);
  Box* Find(QObject* box);
  void Keystroke(Box& entry, const QString& text);
  void Leave(Box& entry);
  void Show(Box& entry);
  // A typed number through a write; false when it was refused.
  bool WriteNumber(const std::function<int16_t(double)>& write, const QString& text);
  bool Blocked() const { return blocked_ && blocked_(); }

  CommandRunner& runner_;
  std::vector<Box> boxes_;
  std::vector<Refresher> others_;
  std::function<bool()> blocked_;
  QLineEdit* edited_ = nullptr;  // the box typed in since it was last left
  bool writing_ = false;         // a keystroke's value is being written
};

}  // namespace kurvex
