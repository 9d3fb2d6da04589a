#pragma once
// Text boxes that hold numbers, as the property windows use them: a keystroke that leaves a
// number writes it at once (or only marks the box as edited, for boxes that commit when left),
// leaving the box or pressing Enter settles it and rewrites it in its format, and an empty box
// writes nothing. A number that overflows, or that the document refuses as not finite, is not
// written: the box shows the stored value again.

#include <QObject>
#include <functional>
#include <vector>

class QLineEdit;

namespace kurvex {

class NumberBoxes : public QObject {
  Q_OBJECT

 public:
  struct Rule {
    // Writes a typed number and returns an edit result; kEditBadNumber puts the stored value
    // back. on_key runs at each keystroke, on_leave when the box is left after an edit.
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

  explicit NumberBoxes(QObject* parent = nullptr);

  void Add(QLineEdit* box, Rule rule);
  // Keystrokes are ignored while this answers true (the window fills its controls, a drag).
  void SetBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
  // Rewrites every box from its stored value, except one the user is typing in.
  void Refresh();
  void Show(QLineEdit* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QLineEdit* box;
    Rule rule;
  };
  Entry* Find(QObject* box);
  void Keystroke(Entry& entry, const QString& text);
  void Leave(Entry& entry);
  // Writes through `write`; false when the number was refused.
  bool Write(const std::function<int16_t(double)>& write, const QString& text);

  std::vector<Entry> entries_;
  std::function<bool()> blocked_;
  QLineEdit* edited_ = nullptr;  // the box typed in since it was last left
  bool writing_ = false;         // a keystroke's number is being written
};

}  // namespace kurvex
