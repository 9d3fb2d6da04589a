#include "ui/preferences.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "rom/rom_layout.h"
#include "ui/settings_keeper.h"

namespace kurvex {

EmulatorPreferences EmulatorPreferences::Load(const QSettings& settings) {
  EmulatorPreferences preferences;
  preferences.command = kEmulatorCommandOption.Read(settings, DefaultCommand());
  const int slot = kEmulatorSlotOption.Read(settings);
  preferences.slot = slot >= 0 && slot <= kSlotCount ? slot : 0;
  return preferences;
}

void EmulatorPreferences::Store(QSettings& settings) const {
  kEmulatorCommandOption.Write(settings, command);
  kEmulatorSlotOption.Write(settings, slot);
}

QString EmulatorPreferences::DefaultCommand() {
  // Debian packages the emulator as mupen64plus-ui-console, whose program is mupen64plus.
  return QStandardPaths::findExecutable(QStringLiteral("mupen64plus")).isEmpty()
             ? QString()
             : QStringLiteral("mupen64plus %ROM");
}

int EmulatorPreferences::SlotFor(int course_slot) const {
  if (slot >= 1 && slot <= kSlotCount) return slot;
  return course_slot >= 1 && course_slot <= kSlotCount ? course_slot : 1;
}

PreferencesDialog::PreferencesDialog(const EmulatorPreferences& preferences, QWidget* parent)
    : QDialog(parent), command_(new QLineEdit(this)), slot_(new QComboBox(this)) {
  setWindowTitle(tr("Preferences"));
  command_->setObjectName(QStringLiteral("txtEmulator"));
  command_->setText(preferences.command);
  command_->setPlaceholderText(QStringLiteral("mupen64plus %ROM"));
  command_->setMinimumWidth(360);
  slot_->setObjectName(QStringLiteral("cmbTestSlot"));
  slot_->addItem(tr("The slot the course was loaded from (else Jack 1)"));
  for (int s = 1; s <= kSlotCount; ++s) slot_->addItem(QString::fromStdString(SlotName(s)));
  slot_->setCurrentIndex(preferences.slot);

  auto* form = new QFormLayout;
  form->addRow(tr("&Emulator command:"), command_);
  auto* hint =
      new QLabel(tr("%ROM stands for the patched copy of the input ROM. Arguments are split as "
                    "a shell splits them; quote paths with blanks."),
                 this);
  hint->setWordWrap(true);
  form->addRow(QString(), hint);
  form->addRow(tr("&Test in slot:"), slot_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QLabel(tr("<b>Test in Emulator</b> (F5)"), this);
  layout->addWidget(group);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

EmulatorPreferences PreferencesDialog::preferences() const {
  return {command_->text().trimmed(), slot_->currentIndex()};
}

}  // namespace kurvex
