#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "course/new_course.h"
#include "course/version.h"

namespace kurvex {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About"));
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(QString::fromUtf8(kProductCaption), this);
  QFont big = caption->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  caption->setFont(big);
  layout->addWidget(caption);
  auto* facts = new QFormLayout;
  facts->addRow(tr("Version:"), new QLabel(QString::fromUtf8(KurvexVersion()), this));
  facts->addRow(tr("Date:"), new QLabel(QStringLiteral("September 26, 2006"), this));
  layout->addLayout(facts);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

CriticalInfoDialog::CriticalInfoDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Critical Info"));
  auto* layout = new QVBoxLayout(this);
  const QString paragraphs[] = {
      tr("---IMPORTANT---"),
      QStringLiteral(
          "Under certain conditions, courses will fail to load once patched to the ROM. If "
          "control points are too close together, the course will fail to load. If a course "
          "curves too sharply, the course will fail to load. If there are too many decorative "
          "elements on the course, the coruse will fail to load."),
      tr("Remember to check the \"Recalculate Header Checksum\" check box if you "
         "want to immediately play patched courses on console or an emulator."),
      tr("To see this notice in the future, you can access it in the Help files."),
  };
  for (const QString& text : paragraphs) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

}  // namespace kurvex
