#pragma once
// The Element Properties window: the current CTL point ("CTL Point"), the segment that starts
// at it ("Segment") and the whole-course operations ("Misc."). Every control turns into a
// command of the document; the window fills itself from the document's changes only.

#include <functional>
#include <memory>

#include "editing/document_change.h"
#include "editing/drag_pads.h"
#include "ui/tool_window.h"

namespace Ui {
class ElementPropertiesWindow;
}

class QComboBox;
class QLineEdit;

namespace kurvex {

class Dialogs;
class DragPadWidget;
class NumberBoxes;

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
  void AddNumberBoxes();
  void AddPointBox(QLineEdit* box, const std::function<int16_t(double)>& write,
                   const std::function<QString()>& shown);

  // Filling the controls from the document.
  void OnDocumentChanged(const DocumentChange& change);
  void ReCount();
  void ResetCtls(bool keep_structure_draft);
  void FillPointTab(bool keep_structure_draft);
  void FillSegmentTab();
  void ListTextures(int track_type);
  void ListDashes(int track_type);
  void CheckPoints();

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
  // Runs a command; what it throws becomes the unknown error's message.
  void Guard(const std::function<void()>& command);
  std::function<int16_t(double)> Guarded(std::function<int16_t(double)> write);
  // Guard, then the preview's animation restarts (a command has finished).
  void Run(const std::function<void()>& command);
  // Shows the message of a refused edit, or the unknown error; true when the edit went through
  // or changed nothing.
  bool Report(int16_t result);
  void ShowUnknownError();

  std::unique_ptr<Ui::ElementPropertiesWindow> ui_;
  Dialogs& dialogs_;
  NumberBoxes* boxes_;
  bool updating_ = false;
  int listed_texture_type_ = -1;
  int listed_dash_type_ = -1;
};

}  // namespace kurvex
