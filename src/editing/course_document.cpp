#include "editing/course_document.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "course/course_compare.h"
#include "editing/edit_result.h"

namespace kurvex {

CourseDocument::CourseDocument(double segment_distance) : segment_distance_(segment_distance) {
  state_.course.PointCount = kMinPoints;
}

int CourseDocument::AddListener(Listener listener) {
  listeners_.emplace_back(next_listener_id_, std::move(listener));
  return next_listener_id_++;
}

void CourseDocument::RemoveListener(int id) {
  listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                  [id](const auto& entry) { return entry.first == id; }),
                   listeners_.end());
}

CourseDocument::Snapshot CourseDocument::Take() const {
  return {state_, extremes_, IsModified(), UndoName(), RedoName()};
}

void CourseDocument::Notify(const Snapshot& before, DocumentChange change) {
  const DocumentChange diff = DiffStates(before.state, state_);
  change.course = change.course || diff.course;
  change.point_count = change.point_count || diff.point_count;
  change.venue = change.venue || diff.venue;
  change.course_wide = change.course_wide || diff.course_wide;
  change.points |= diff.points;
  change.selection = change.selection || diff.selection;
  change.settled = !gesture_.active;
  change.extremes = change.extremes || before.extremes != extremes_;
  change.modified = before.modified != IsModified();
  change.history = before.undo_name != UndoName() || before.redo_name != RedoName();
  if (!change.Any()) return;
  // A listener may add or remove listeners while it is told.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second(change);
}

void CourseDocument::Prepare() {
  PrepareCourse(state_.course, segment_distance_, prepared_);
  const int last = std::max<int>(1, state_.course.PointCount);
  state_.current_point = std::clamp(state_.current_point, 1, last);
}

void CourseDocument::Settle() {
  SeparateCoincidentNeighbours(state_.course);
  ReExtreme(state_.course, extremes_);
  Prepare();
}

void CourseDocument::Replace(const Course& course) {
  const Snapshot before = Take();
  gesture_ = {};
  drag_ = {};
  state_ = {course, 1};
  Settle();
  history_.Clear();
  DocumentChange change;
  change.replaced = true;
  Notify(before, change);
}

void CourseDocument::SelectPoint(int i) {
  if (i < 1 || i > state_.course.PointCount || i == state_.current_point) return;
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  state_.current_point = i;
  Notify(before);
}

void CourseDocument::SetSegmentDistance(double distance) {
  const Snapshot before = Take();
  segment_distance_ = distance;
  Prepare();
  DocumentChange change;
  change.options = true;
  Notify(before, change);
}

int16_t CourseDocument::SetDragSpeed(double shown) {
  const double speed = DragSpeedFromShown(shown);
  if (!std::isfinite(speed)) return kEditBadNumber;
  const Snapshot before = Take();
  drag_speed_ = speed;
  DocumentChange change;
  change.options = true;
  Notify(before, change);
  return kEditOk;
}

int16_t CourseDocument::SetAddOffset(double shown) {
  if (!std::isfinite(shown)) return kEditBadNumber;
  const Snapshot before = Take();
  add_offset_ = AddOffsetFromShown(shown);
  DocumentChange change;
  change.options = true;
  Notify(before, change);
  return kEditOk;
}

void CourseDocument::RestoreExtremes(const Extremes& extremes) {
  const Snapshot before = Take();
  extremes_ = extremes;
  RePosition(state_.course, extremes_);
  Prepare();
  Notify(before);
}

int16_t CourseDocument::Apply(const Change& change, const Step& step) {
  if (!step.typing_box.empty()) return ApplyTyping(change, step);
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  CourseState start = state_;
  const int16_t result = change(state_.course, state_.current_point);
  if (result != kEditOk) {
    state_ = std::move(start);
    return result;
  }
  Settle();
  const bool changed = state_.course != start.course;
  if (changed) history_.Record(std::move(start), step.name);
  Notify(before);
  return changed ? kEditOk : kEditUnchanged;
}

int16_t CourseDocument::ApplyIf(const std::function<bool(Course& course)>& change,
                                const Step& step) {
  return Apply([&](Course& c, int&) { return change(c) ? kEditOk : kEditUnchanged; }, step);
}

int16_t CourseDocument::ApplyTyping(const Change& change, const Step& step) {
  if (!gesture_.active || gesture_.typing_box != step.typing_box) {
    if (gesture_.active) EndGesture();
    BeginGestureState(step.name, step.typing_box);
  }
  return UpdateGesture(change);
}

void CourseDocument::FinishTyping() {
  if (gesture_.active && !gesture_.typing_box.empty()) EndGesture();
}

bool CourseDocument::GestureChangedCourse() const {
  return gesture_.active && gesture_.start.course != state_.course;
}

void CourseDocument::BeginGestureState(const std::string& name, const std::string& typing_box) {
  gesture_ = {true, name, typing_box, state_};
}

void CourseDocument::BeginGesture(const std::string& name) {
  if (gesture_.active) EndGesture();
  BeginGestureState(name, "");
}

int16_t CourseDocument::UpdateGesture(const Change& change) {
  if (!gesture_.active) return kEditUnknownError;
  const Snapshot before = Take();
  CourseState kept = state_;
  const int16_t result = change(state_.course, state_.current_point);
  if (result != kEditOk) {
    state_ = std::move(kept);
    return result;
  }
  Prepare();
  const bool changed = state_.course != kept.course;
  Notify(before);
  return changed ? kEditOk : kEditUnchanged;
}

void CourseDocument::EndGesture() {
  if (!gesture_.active) return;
  Snapshot before = Take();
  CourseState start = std::move(gesture_.start);
  const std::string name = gesture_.name;
  gesture_ = {};
  drag_ = {};
  // Compared with the state before the gesture, so that views which followed it only partly
  // (the lists of the moved point) now rebuild everything it changed.
  before.state = start;
  Settle();
  if (state_.course != start.course) history_.Record(std::move(start), name);
  Notify(before);
}

void CourseDocument::CancelGesture() {
  if (!gesture_.active) return;
  const Snapshot before = Take();
  state_ = std::move(gesture_.start);
  gesture_ = {};
  drag_ = {};
  Prepare();
  Notify(before);
}

std::string CourseDocument::UndoName() const {
  return GestureChangedCourse() ? gesture_.name : history_.UndoName();
}

std::string CourseDocument::RedoName() const {
  return GestureChangedCourse() ? "" : history_.RedoName();
}

bool CourseDocument::Undo() {
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  if (!history_.Undo(state_)) return false;
  Prepare();
  Notify(before);
  return true;
}

bool CourseDocument::Redo() {
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  if (!history_.Redo(state_)) return false;
  Prepare();
  Notify(before);
  return true;
}

void CourseDocument::MarkModified() {
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  history_.MarkUnsaved();
  Notify(before);
}

void CourseDocument::MarkClean() {
  if (gesture_.active) EndGesture();
  const Snapshot before = Take();
  history_.MarkClean();
  Notify(before);
}

}  // namespace kurvex
