#pragma once
// The document: the course being edited with its prepared geometry, the selected point and the
// editing settings. Every change is a named step that Undo takes back. A step settles the
// course as every edit does (coincident neighbours parted, extremes widened, the course
// validated and prepared again), then tells the listeners what changed.
//
// Drags and typing are gestures: each move or keystroke changes the course at once (prepared,
// so the preview follows) but the course settles, and the step is recorded, only when the
// gesture ends — at mouse-up, or when the box being typed in is left.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "course/course.h"
#include "course/datasheet.h"
#include "course/message.h"
#include "editing/course_history.h"
#include "editing/document_change.h"
#include "editing/drag_pads.h"
#include "editing/extremes.h"
#include "editing/game_text_field.h"
#include "editing/point_edits.h"
#include "geometry/prepared_course.h"

namespace kurvex {

class CourseDocument {
 public:
  // A change of the course and, when it wants, of the selected point. It returns kEditOk to be
  // kept; any other result leaves the document as it was.
  using Change = std::function<int16_t(Course& course, int& current_point)>;
  using Listener = std::function<void(const DocumentChange& change)>;

  // What a step is called in the Edit menu, and, for typing, the box it belongs to: keystrokes
  // into the same box follow one another in one step.
  struct Step {
    Step(std::string step_name, std::string box = "")
        : name(std::move(step_name)), typing_box(std::move(box)) {}
    std::string name;
    std::string typing_box;  // empty: a step of its own, settled at once
  };

  explicit CourseDocument(double segment_distance = kDefaultSegmentDistance);

  const Course& course() const { return state_.course; }
  const PreparedCourse& prepared() const { return prepared_; }
  int current_point() const { return state_.current_point; }
  const Extremes& extremes() const { return extremes_; }
  double drag_speed() const { return drag_speed_; }
  double add_offset() const { return add_offset_; }
  double segment_distance() const { return segment_distance_; }

  // Listeners hear of every change after it is made. The id removes one again.
  int AddListener(Listener listener);
  void RemoveListener(int id);

  // A course that was loaded or made new: the history starts afresh and is clean.
  void Replace(const Course& course);
  void SelectPoint(int i);
  void SetSegmentDistance(double distance);
  // The Element Properties options; a number that is not finite is refused (kEditBadNumber).
  int16_t SetDragSpeed(double shown);
  int16_t SetAddOffset(double shown);
  // Extremes as kept between runs: taken as they are, then the course is kept inside them.
  void RestoreExtremes(const Extremes& extremes);

  int16_t Apply(const Change& change, const Step& step);
  // Apply for a change that tells only whether it did anything.
  int16_t ApplyIf(const std::function<bool(Course& course)>& change, const Step& step);

  bool CanUndo() const { return history_.CanUndo() || GestureChangedCourse(); }
  bool CanRedo() const { return !GestureChangedCourse() && history_.CanRedo(); }
  std::string UndoName() const;
  std::string RedoName() const;
  bool Undo();
  bool Redo();
  bool IsModified() const { return history_.IsModified() || GestureChangedCourse(); }
  void MarkClean();
  // The course differs from its file until it is saved, whatever is undone (a recovered copy).
  void MarkModified();

  // Point edits of the current point. Typing writes the value at once and settles when the
  // box is left (FinishTyping); a commit settles at once.
  enum class Entry { kCommit, kTyping };
  int16_t SetCoordinate(Axis axis, double shown, Entry entry = Entry::kCommit);
  int16_t SetWidth(bool left, double shown, Entry entry = Entry::kCommit);
  int16_t SetBanking(double shown, Entry entry = Entry::kCommit);
  int16_t ChangeTrackType(int track_type);
  int16_t ChangeTexture(int list_index);
  int16_t SetFeature(PointArray<uint8_t> Course::*feature, int list_index);
  int16_t ChangeZone(ZoneKind zone, int v);
  int16_t SetStructure(int kind_list_index, bool left, bool right);
  int16_t AddPoint();
  int16_t DeletePoint();
  int16_t MakeFirst();
  // Ends the typing in a box: the course settles and the keystrokes become one step.
  void FinishTyping();

  // A drag pad: the course changes with every move and settles once, at the end.
  void BeginDrag(DragPad pad, double x, double y);
  bool DragMove(DragPad pad, double x, double y);
  void EndDrag(DragPad pad);
  bool Dragging() const { return drag_.Dragging(); }

  // Any other gesture (a point dragged in the preview): one step named `name`; Cancel puts the
  // course back as it was when the gesture began.
  void BeginGesture(const std::string& name);
  int16_t UpdateGesture(const Change& change);
  void EndGesture();
  void CancelGesture();
  bool InGesture() const { return gesture_.active; }

  // Whole-course operations.
  int16_t SetExtreme(Axis axis, bool maximum, double shown);
  int16_t UseDefaultExtremes();
  int16_t CenterTrack();
  int16_t Translate(double x, double y, double z);
  int16_t Rotate(double azimuth, double elevation, double skew);
  int16_t Scale(double factor, bool scale_width);
  int16_t LineUp(int from, int to, bool equidistant);
  int16_t RomFriendly();
  // Returns the messages of what could not be repaired.
  std::vector<Message> EkFriendly();
  // Course Properties edits; a list index outside its list changes nothing.
  int16_t ChooseVenue(int index);
  int16_t ChooseSky(int index);
  int16_t ChooseRomMusic(int index);
  int16_t ChooseEkMusic(int index);
  int16_t SetSource(const std::string& text);
  // A key pressed in a game text field, and a click on the special-character palette; the
  // keys typed into one field follow one another in one step.
  int16_t TextFieldKey(GameTextField& field, const TextKey& key);
  int16_t PaletteClick(GameTextField& field, int x, int y);
  // *entry receives the new entry, *selected the entry to select after a delete.
  int16_t AddHorizon(int* entry = nullptr);
  int16_t DeleteHorizon(int entry, int* selected = nullptr);
  int16_t SetHorizonAngle(int entry, double degrees);
  int16_t ChooseHorizonImage(int entry, int index);

  // The data sheet's Update: returns the sheet result; an overflowing sheet keeps what it
  // read before the failing line, as one undoable step like any other. *report, when given,
  // receives the notices of what was not taken as written, for the window to show.
  int16_t UpdateFromSheet(const std::string& text, SheetReport* report = nullptr);

 private:
  struct Gesture {
    bool active = false;
    std::string name;
    std::string typing_box;
    CourseState start;
  };

  // Everything the listeners compare a change against.
  struct Snapshot {
    CourseState state;
    Extremes extremes;
    bool modified;
    std::string undo_name, redo_name;
  };

  void Settle();
  void Prepare();
  bool GestureChangedCourse() const;
  void BeginGestureState(const std::string& name, const std::string& typing_box);
  Snapshot Take() const;
  void Notify(const Snapshot& before, DocumentChange change = {});
  int16_t ApplyTyping(const Change& change, const Step& step);

  CourseState state_;
  PreparedCourse prepared_;
  CourseHistory history_;
  Extremes extremes_;
  double segment_distance_;
  double drag_speed_ = 10;   // shown 1.0
  double add_offset_ = 0.5;  // shown 50.0
  DragTracker drag_;
  Gesture gesture_;
  std::vector<std::pair<int, Listener>> listeners_;
  int next_listener_id_ = 1;
};

}  // namespace kurvex
