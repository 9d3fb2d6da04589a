#include "ui/history_keys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "ui/tool_window.h"

namespace kurvex {

namespace {

// The widgets that keep an undo of their own text.
bool HasOwnTextUndo(const QObject* object) {
  return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object) ||
         qobject_cast<const QComboBox*>(object) || qobject_cast<const QTextEdit*>(object) ||
         qobject_cast<const QPlainTextEdit*>(object);
}

bool Matches(const QKeyEvent* key, const QAction* action) {
  const QKeySequence pressed(key->keyCombination());
  for (const QKeySequence& shortcut : action->shortcuts()) {
    if (shortcut == pressed) return true;
  }
  return false;
}

}  // namespace

HistoryKeys::HistoryKeys(QAction* undo, QAction* redo, QWidget* parent)
    : QObject(parent), undo_(undo), redo_(redo) {
  qApp->installEventFilter(this);
}

HistoryKeys::~HistoryKeys() { qApp->removeEventFilter(this); }

bool HistoryKeys::eventFilter(QObject* watched, QEvent* event) {
  // A box that claims the key gets it as a key press rather than as a shortcut: that press
  // is where the key is turned back into the command.
  if (event->type() != QEvent::KeyPress || !HasOwnTextUndo(watched)) return false;
  // Only the editor's own windows edit the course: a file dialog's or the help's box keeps
  // its text undo.
  const QWidget* top = static_cast<QWidget*>(watched)->window();
  if (top != parent() && qobject_cast<const ToolWindow*>(top) == nullptr) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  for (QAction* action : {undo_, redo_}) {
    if (Matches(key, action)) {
      action->trigger();
      return true;
    }
  }
  return false;
}

}  // namespace kurvex
