#pragma once
// The Data Sheet window: the course as text in a fixed-pitch box, regenerated whenever the
// course changes. Update reads the box back into the course (one undoable step), Export saves
// the sheet as a track text file, Import reads one and applies it at once. The text is
// Windows-1252, shown and read back byte for byte.

#include <string>

#include "ui/command_runner.h"
#include "ui/tool_window.h"

class QPlainTextEdit;
class QPushButton;

namespace kurvex {

class Dialogs;
struct DocumentChange;

class DataSheetWindow : public ToolWindow {
  Q_OBJECT

 public:
  DataSheetWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

  // Puts the sheet of the course into the box; Update is disabled again.
  void Populate();
  // The buttons; each returns true when it did what it was asked.
  bool Update();
  bool Export();
  bool Import();

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnDocumentChanged(const DocumentChange& change);
  bool ApplySheet(const std::string& sheet);
  QString BoxText() const;
  void ShowText(const QString& text);

  Dialogs& dialogs_;
  CommandRunner runner_;
  QPlainTextEdit* sheet_;
  QPushButton* update_;
  QPushButton* export_;
  QPushButton* import_;
  bool applying_ = false;  // Update is reading the box into the course
  bool stale_ = true;      // the course changed while the window was hidden
};

}  // namespace kurvex
