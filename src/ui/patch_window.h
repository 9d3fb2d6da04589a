#pragma once
// The Patch to ROM window: an output ROM made from an input ROM with chosen course files
// written into their slots, through the patch job shared with kurvex-cli. Each slot remembers
// whether it loads from a file, and which.

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "rom/rom_layout.h"
#include "ui/command_runner.h"
#include "ui/tool_window.h"

class QLineEdit;

namespace Ui {
class PatchWindow;
}

namespace kurvex {

class Dialogs;
struct PatchOutcome;

class PatchWindow : public ToolWindow {
  Q_OBJECT

 public:
  PatchWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~PatchWindow() override;

  // The buttons (cmdROMIn, cmdROMOut, cmdFile, cmdPatch); each returns true when it did what
  // it was asked.
  bool SelectInputRom();
  bool SelectOutputRom();
  bool ChooseCourseFile();
  bool Patch();

  QSize sizeHint() const override;

 signals:
  // What a patch wrote, for the status line.
  void status(const QString& text);

 private:
  struct SlotFile {
    bool load = false;
    QString path;
  };

  int SelectedSlot() const;
  void ShowSlot();
  void ShowPath(QLineEdit* box, const QString& path);
  void ForgetInputRom();
  // Shows the image as the input and proposes the output; a bad image is reported only when
  // asked to.
  bool TakeInputRom(const QString& path, bool report);
  void ShowReport(const PatchOutcome& outcome, const std::vector<int>& without_file);
  // Says in the window and on the status line what was written: no box, as a patch that
  // went well is silent.
  void ShowWritten(const QString& output, const std::vector<int>& written, bool checksum);

  std::unique_ptr<Ui::PatchWindow> ui_;
  Dialogs& dialogs_;
  CommandRunner runner_;
  std::array<SlotFile, kSlotCount> slots_;
};

}  // namespace kurvex
