#pragma once
// The document: the course being edited with its prepared geometry, the selected point and the
// editing settings. Every change goes through Apply, which records an undo step, then settles
// the course as every edit does (coincident neighbours parted, extremes widened, the course
// validated and prepared again).

#include <functional>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/datasheet.h"
#include "course/message.h"
#include "editing/course_history.h"
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

  explicit CourseDocument(double segment_distance = kDefaultSegmentDistance);

  const Course& course() const { return state_.course; }
  const PreparedCourse& prepared() const { return prepared_; }
  int current_point() const { return state_.current_point; }
  const Extremes& extremes() const { return extremes_; }
  double drag_speed() const { return drag_speed_; }
  double add_offset() const { return add_offset_; }
  double segment_distance() const { return segment_distance_; }

  // A course that was loaded or made new: the history starts afresh and is clean.
  void Replace(const Course& course);
  void SelectPoint(int i);
  void SetSegmentDistance(double distance);
  void SetDragSpeed(double shown) { drag_speed_ = DragSpeedFromShown(shown); }
  void SetAddOffset(double shown) { add_offset_ = AddOffsetFromShown(shown); }

  int16_t Apply(const Change& change);
  // Apply for a change that tells only whether it did anything.
  int16_t ApplyIf(const std::function<bool(Course& course)>& change);

  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  bool Undo();
  bool Redo();
  bool IsModified() const { return history_.IsModified(); }
  void MarkClean() { history_.MarkClean(); }

  // Point edits of the current point.
  int16_t SetCoordinate(Axis axis, double shown);
  int16_t SetWidth(bool left, double shown);
  int16_t SetBanking(double shown);
  int16_t ChangeTrackType(int track_type);
  int16_t ChangeTexture(int list_index);
  int16_t SetFeature(PointArray<uint8_t> Course::*feature, int list_index);
  int16_t ChangeZone(ZoneKind zone, int v);
  int16_t SetStructure(int kind_list_index, bool left, bool right);
  int16_t AddPoint();
  int16_t DeletePoint();
  int16_t MakeFirst();

  // A drag is one step: the course changes with every move and is settled once, at the end.
  void BeginDrag(DragPad pad, double x, double y);
  bool DragMove(DragPad pad, double x, double y);
  void EndDrag(DragPad pad);

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
  // A key pressed in a game text field, and a click on the special-character palette.
  int16_t TextFieldKey(GameTextField& field, int key, bool shift);
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
  void Settle();

  CourseState state_;
  PreparedCourse prepared_;
  CourseHistory history_;
  Extremes extremes_;
  double segment_distance_;
  double drag_speed_ = 10;   // shown 1.0
  double add_offset_ = 0.5;  // shown 50.0
  DragTracker drag_;
  CourseState drag_start_;
};

}  // namespace kurvex
