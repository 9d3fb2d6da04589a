#include "ui/load_course_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rom/rom_layout.h"

namespace kurvex {

LoadCourseDialog::LoadCourseDialog(int slot, QWidget* parent)
    : QDialog(parent), course_(new QComboBox(this)) {
  setWindowTitle(tr("Load Course"));
  course_->setObjectName(QStringLiteral("cmbCourse"));
  for (int s = 1; s <= kSlotCount; ++s) course_->addItem(QString::fromStdString(SlotName(s)));
  course_->setCurrentIndex(slot >= 1 && slot <= kSlotCount ? slot - 1 : 0);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("Course to Load from ROM:"), this);
  label->setBuddy(course_);
  layout->addWidget(label);
  layout->addWidget(course_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int LoadCourseDialog::slot() const { return course_->currentIndex() + 1; }

}  // namespace kurvex
