#pragma once
// The Course Properties window: the course's game texts, drawn in the game's font and typed
// with its rules, the source line, venue, sky, music, horizons and the statistics. Every edit
// is a document step; the window shows whatever the document holds after each change.

#include <array>
#include <memory>

#include "editing/document_change.h"
#include "editing/game_text_field.h"
#include "ui/game_font.h"
#include "ui/tool_window.h"

class QLineEdit;

namespace Ui {
class CoursePropertiesWindow;
}

namespace kurvex {

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

  // Fills every control from the course (Updatez), then the statistics.
  void Updatez();
  void ShowField(int which);
  void ShowLists();
  void ShowSource();
  void ShowHorizons();
  void ShowHorizonEntry();
  void ShowHorizonPreview();
  void Stats();

  void ConnectFields();
  void ConnectLists();
  void ConnectHorizons();
  void FieldKey(int which, const TextKey& key);
  void FieldClicked(int which, int game_x);
  void FieldFocused(int which);
  void PaletteClicked(int x, int y);
  void AngleEdited(const QString& text);
  // Shows an edit's refusal; the boxes show the stored values again.
  void Refused(int16_t result);

  GameTextField& field(int which) { return *fields_[which]; }
  GameTextBox* box(int which) const;

  Dialogs& dialogs_;
  std::unique_ptr<Ui::CoursePropertiesWindow> ui_;
  GameFont font_;
  std::array<std::unique_ptr<GameTextField>, kFields> fields_;
  TextFieldKind active_ = TextFieldKind::kName;
  int horizon_entry_ = 0;
  bool updating_ = false;           // filling controls: their signals are no edits
  QLineEdit* typing_in_ = nullptr;  // the box whose typing the document is hearing
};

}  // namespace kurvex
