#include "ui/bound_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "course/number_text.h"
#include "editing/edit_result.h"
#include "ui/command_runner.h"

namespace kurvex {

TypedNumber ReadTypedNumber(const QString& text, double* value) {
  if (text.trimmed().isEmpty()) return TypedNumber::kEmpty;
  const ParsedNumber number = ReadLeadingNumber(text.toStdString());
  if (number.overflow || !std::isfinite(number.value)) return TypedNumber::kRefused;
  *value = number.value;
  return TypedNumber::kNumber;
}

BoundControls::BoundControls(CommandRunner& runner, QObject* parent)
    : QObject(parent), runner_(runner) {}

void BoundControls::AddBox(Box entry) {
  QLineEdit* box = entry.box;
  boxes_.push_back(std::move(entry));
  box->installEventFilter(this);
  Forget(box);
  // textEdited comes only from the user (typing, pasting), never from a refresh's setText.
  connect(box, &QLineEdit::textEdited, this, [this, box](const QString& text) {
    if (Box* found = Find(box)) Keystroke(*found, text);
  });
  connect(box, &QLineEdit::returnPressed, this, [this, box] {
    if (Box* found = Find(box)) Leave(*found);
  });
  Show(boxes_.back());
}

void BoundControls::AddNumber(QLineEdit* box, NumberRule rule) {
  Box entry{box, nullptr, nullptr, rule.finished, rule.shown, rule.still_typing, nullptr};
  if (rule.on_key) {
    entry.on_key = [this, write = rule.on_key](const QString& text) {
      return WriteNumber(write, text);
    };
  }
  if (rule.on_leave) {
    entry.on_leave = [this, write = rule.on_leave](const QString& text) {
      WriteNumber(write, text);
    };
  }
  AddBox(std::move(entry));
}

void BoundControls::AddText(QLineEdit* box, TextRule rule) {
  AddBox({box, rule.on_key, nullptr, rule.finished, rule.shown, rule.still_typing, nullptr, true});
}

void BoundControls::AddColour(QLineEdit* box, QLabel* swatch, std::function<Rgb()> read,
                              std::function<void(const Rgb&)> write) {
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Box entry{box, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
  entry.on_key = [this, read, write](const QString& text) {
    Rgb colour = read();
    if (!DoHex(text.toStdString(), colour)) return false;
    runner_.Run([&] { write(colour); });
    return true;
  };
  entry.shown = [read] { return QString::fromStdString(DrawHex(read())); };
  entry.shown_also = [swatch, read] {
    const Rgb colour = read();
    QPalette look = swatch->palette();
    look.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    swatch->setPalette(look);
  };
  AddBox(std::move(entry));
}

void BoundControls::AddCheck(QAbstractButton* check, std::function<bool()> read,
                             std::function<void(bool)> write) {
  connect(check, &QAbstractButton::toggled, this, [this, write](bool on) {
    if (!Blocked()) runner_.Run([&] { write(on); });
  });
  others_.push_back({check, [check, read] { check->setChecked(read()); }});
  Forget(check);
  const QSignalBlocker quiet(check);
  others_.back().show();
}

void BoundControls::AddList(QComboBox* list, std::function<int()> read,
                            std::function<int16_t(int)> write) {
  const auto show = [list, read] { list->setCurrentIndex(read()); };
  connect(list, &QComboBox::currentIndexChanged, this, [this, list, write, show](int index) {
    if (Blocked() || index < 0) return;
    if (!runner_.Edit([&] { return write(index); })) {
      const QSignalBlocker quiet(list);
      show();
    }
  });
  others_.push_back({list, show});
  Forget(list);
  const QSignalBlocker quiet(list);
  show();
}

void BoundControls::Forget(QObject* control) {
  // A control taken down before its binding is bound no more.
  connect(control, &QObject::destroyed, this, [this, control] {
    boxes_.erase(std::remove_if(boxes_.begin(), boxes_.end(),
                                [control](const Box& entry) { return entry.box == control; }),
                 boxes_.end());
    others_.erase(std::remove_if(others_.begin(), others_.end(),
                                 [control](const Refresher& r) { return r.control == control; }),
                  others_.end());
    if (edited_ == control) edited_ = nullptr;
  });
}

BoundControls::Box* BoundControls::Find(QObject* box) {
  for (Box& entry : boxes_) {
    if (entry.box == box) return &entry;
  }
  return nullptr;
}

bool BoundControls::eventFilter(QObject* watched, QEvent* event) {
  // A menu or list popping up takes the focus for a moment; that is not leaving the box.
  // A box being taken down loses the focus on the way, when it is a box no more: not a leaving.
  if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched) &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    if (Box* entry = Find(watched)) Leave(*entry);
  }
  return QObject::eventFilter(watched, event);
}

bool BoundControls::WriteNumber(const std::function<int16_t(double)>& write, const QString& text) {
  double value = 0;
  switch (ReadTypedNumber(text, &value)) {
    case TypedNumber::kEmpty:
      return true;
    case TypedNumber::kRefused:
      return false;
    case TypedNumber::kNumber:
      break;
  }
  // A refused number, or a write that failed, leaves the stored value to be shown.
  return ReplyTo(runner_.Step([&] { return write(value); })).done;
}

void BoundControls::Keystroke(Box& entry, const QString& text) {
  if (Blocked()) return;
  edited_ = entry.box;
  if (!entry.on_key) return;
  // The refreshes this write causes leave the box alone, whatever else settles first.
  writing_ = true;
  const bool written = entry.on_key(text);
  writing_ = false;
  if (!written) Show(entry);
}

void BoundControls::Leave(Box& entry) {
  const bool edited = edited_ == entry.box;
  if (edited) edited_ = nullptr;
  if (edited && entry.on_leave) entry.on_leave(entry.box->text());
  if (entry.finished) entry.finished();
  Show(entry);
}

void BoundControls::Show(Box& entry) {
  if (entry.shown_also) entry.shown_also();
  if (!entry.shown) return;
  const QString text = entry.shown();
  if (entry.box->text() == text) return;
  const QSignalBlocker quiet(entry.box);
  entry.box->setText(text);
  // A long number shows its start, where its sign and digits are.
  if (!entry.text) entry.box->setCursorPosition(0);
}

void BoundControls::Refresh() {
  for (Box& entry : boxes_) {
    if (entry.box == edited_) {
      if (writing_ || !entry.still_typing || entry.still_typing()) {
        if (entry.shown_also) entry.shown_also();
        continue;
      }
      edited_ = nullptr;  // its typing ended elsewhere (another point, an undo)
    }
    Show(entry);
  }
  // All quiet at once: ticking one option button unticks its partner, which must not count
  // as the user's either.
  std::vector<QSignalBlocker> quiet;
  quiet.reserve(others_.size());
  for (Refresher& other : others_) quiet.emplace_back(other.control);
  for (Refresher& other : others_) other.show();
}

}  // namespace kurvex
