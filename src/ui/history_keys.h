#pragma once
// The Undo and Redo keys reach the course's history from every box and list of every window.
// A text box takes Ctrl+Z for its own text undo, which would leave the course as it was while
// the modder expects the last step undone; this filter, installed on the application, hands
// those keys to the Edit menu's commands instead.

#include <QObject>

class QAction;

namespace kurvex {

class HistoryKeys : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the application; removed again when destroyed. The keys are taken
  // from the boxes of the main window (the parent) and its tool windows.
  HistoryKeys(QAction* undo, QAction* redo, QWidget* parent);
  ~HistoryKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* undo_;
  QAction* redo_;
};

}  // namespace kurvex
