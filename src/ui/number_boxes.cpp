#include "ui/number_boxes.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "course/number_text.h"
#include "editing/edit_result.h"

namespace kurvex {

NumberBoxes::NumberBoxes(QObject* parent) : QObject(parent) {}

void NumberBoxes::Add(QLineEdit* box, Rule rule) {
  entries_.push_back({box, std::move(rule)});
  box->installEventFilter(this);
  // textEdited comes only from the user, never from the window's own setText.
  connect(box, &QLineEdit::textEdited, this, [this, box](const QString& text) {
    if (Entry* entry = Find(box)) Keystroke(*entry, text);
  });
  connect(box, &QLineEdit::returnPressed, this, [this, box] {
    if (Entry* entry = Find(box)) Leave(*entry);
  });
  Show(box);
}

NumberBoxes::Entry* NumberBoxes::Find(QObject* box) {
  for (Entry& entry : entries_) {
    if (entry.box == box) return &entry;
  }
  return nullptr;
}

bool NumberBoxes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    if (Entry* entry = Find(watched)) Leave(*entry);
  }
  return QObject::eventFilter(watched, event);
}

bool NumberBoxes::Write(const std::function<int16_t(double)>& write, const QString& text) {
  if (text.trimmed().isEmpty()) return true;  // an empty box writes nothing
  const ParsedNumber number = ReadLeadingNumber(text.toStdString());
  if (number.overflow || !std::isfinite(number.value)) return false;
  return write(number.value) != kEditBadNumber;
}

void NumberBoxes::Keystroke(Entry& entry, const QString& text) {
  if (blocked_ && blocked_()) return;
  edited_ = entry.box;
  if (!entry.rule.on_key) return;
  // The refreshes this write causes leave the box alone, whatever else settles first.
  writing_ = true;
  const bool written = Write(entry.rule.on_key, text);
  writing_ = false;
  if (!written) Show(entry.box);
}

void NumberBoxes::Leave(Entry& entry) {
  const bool edited = edited_ == entry.box;
  if (edited) edited_ = nullptr;
  if (edited && entry.rule.on_leave) Write(entry.rule.on_leave, entry.box->text());
  if (entry.rule.finished) entry.rule.finished();
  Show(entry.box);
}

void NumberBoxes::Show(QLineEdit* box) {
  Entry* entry = Find(box);
  if (!entry || !entry->rule.shown) return;
  const QString text = entry->rule.shown();
  if (box->text() == text) return;
  const QSignalBlocker quiet(box);
  box->setText(text);
}

void NumberBoxes::Refresh() {
  for (Entry& entry : entries_) {
    if (entry.box == edited_) {
      if (writing_ || !entry.rule.still_typing || entry.rule.still_typing()) continue;
      edited_ = nullptr;  // its typing ended elsewhere (another point, an undo)
    }
    Show(entry.box);
  }
}

}  // namespace kurvex
