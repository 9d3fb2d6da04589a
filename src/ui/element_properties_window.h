#pragma once
// The Element Properties window: the current CTL point ("CTL Point"), the segment that starts
// at it ("Segment") and the whole-course operations ("Misc."). Every control turns into a
// command of the document; the window fills itself from the document's changes only.

#include <functional>
#include <memory>

#include "editing/document_change.h"
#include "editing/drag_pads.h"
#include "ui/command_runner.h"
#include "ui/tool_window.h"

namespace Ui {
class ElementPropertiesWindow;
}

class QComboBox;
class QLineEdit;

namespace kurvex {

class BoundControls;
class Dialogs;
class DragPadWidget;

class ElementPropertiesWindow : public ToolWindow {
  Q_OBJECT

 public:
  ElementPropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~ElementPropertiesWindow() override;

 private:
  // Setting up: one function per tab, then the keys.
  void ConnectPointTab();
  void ConnectDragPad(DragPadWidget* pad, DragPad which);
  void ConnectSegmentTab();
  void ConnectMiscTab();
  void ConnectFeatureList(QComboBox* list, const std::function<int16_t(int)>& choose);
  void BindNumberBoxes();
  void BindPointBox(QLineEdit* box, const std::function<int16_t(double)>& write,
                    const std::function<QString()>& shown);

  // Filling the controls from the document.
  void OnDocumentChanged(const DocumentChange& change);
  void ListPoints();
  // Shows the current point and segment in every control.
  void Refresh(bool keep_structure_draft);
  void FillPointTab(bool keep_structure_draft);
  void FillSegmentTab();
  void ListTextures(int track_type);
  void ListDashes(int track_type);
  void EnableAddDelete();

  // Commands.
  void SelectPoint(int point);
  void StepPoint(int step);
  void ChangeTrackType(int index);
  void StructureChanged();
  void AddPoint();
  void DeletePoint();
  void Translate();
  void Rotate();
  void Scale();
  void EkFriendly();

  std::unique_ptr<Ui::ElementPropertiesWindow> ui_;
  Dialogs& dialogs_;
  CommandRunner runner_;
  // Goes before the form: nothing a box does as the window closes may reach the window.
  std::unique_ptr<BoundControls> boxes_;
  int listed_texture_type_ = -1;
  int listed_dash_type_ = -1;
};

}  // namespace kurvex
