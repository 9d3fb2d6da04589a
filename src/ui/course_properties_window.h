#pragma once
// The Course Properties window: the course's game texts, drawn in the game's font and typed
// with its rules, the source line, venue, sky, music, horizons and the statistics. Every edit
// is a document step; the window shows whatever the document holds after each change.

#include <array>
#include <memory>

#include "editing/document_change.h"
#include "editing/game_text_field.h"
#include "ui/command_runner.h"
#include "ui/game_font.h"
#include "ui/tool_window.h"

namespace Ui {
class CoursePropertiesWindow;
}

namespace kurvex {

class BoundControls;
class Dialogs;
class GameTextBox;

class CoursePropertiesWindow : public ToolWindow {
  Q_OBJECT

 public:
  CoursePropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~CoursePropertiesWindow() override;

  // The horizon entry the horizon controls show (1-based; 0 when the list is empty).
  int horizon_entry() const { return horizon_entry_; }
  TextFieldKind active_field() const { return active_; }

  QSize sizeHint() const override;

 private:
  static constexpr int kFields = 3;

  // Shows the course in every control, then the statistics.
  void Refresh();
  void ShowField(int which);
  void ShowHorizons();
  void ShowHorizonPreview();
  void ShowStats();

  void BindFields();
  void BindLists();
  void BindHorizons();
  void FieldKey(int which, const TextKey& key);
  void FieldClicked(int which, int game_x);
  void FieldFocused(int which);
  void PaletteClicked(int x, int y);
  void SelectHorizon(int entry);

  GameTextField& field(int which) { return *fields_[which]; }
  GameTextBox* box(int which) const;

  std::unique_ptr<Ui::CoursePropertiesWindow> ui_;
  CommandRunner runner_;
  // Goes before the form: nothing a box does as the window closes may reach the window.
  std::unique_ptr<BoundControls> controls_;
  GameFont font_;
  std::array<std::unique_ptr<GameTextField>, kFields> fields_;
  TextFieldKind active_ = TextFieldKind::kName;
  int horizon_entry_ = 0;
};

}  // namespace kurvex
