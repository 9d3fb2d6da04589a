#pragma once
// The Load Course dialog: which of the 24 cup courses of the input ROM to load.

#include <QDialog>

class QComboBox;

namespace kurvex {

class LoadCourseDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the slot chosen last time (1..24).
  LoadCourseDialog(int slot, QWidget* parent);
  int slot() const;

 private:
  QComboBox* course_;
};

}  // namespace kurvex
