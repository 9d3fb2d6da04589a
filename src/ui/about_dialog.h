#pragma once
// The About window and the "Critical Info" notice shown on a first run.

#include <QDialog>

namespace kurvex {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

class CriticalInfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CriticalInfoDialog(QWidget* parent);
};

}  // namespace kurvex
