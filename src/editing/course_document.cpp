#include "editing/course_document.h"

#include <utility>

#include "course/course_compare.h"
#include "course/datasheet.h"
#include "editing/course_transforms.h"
#include "editing/edit_result.h"
#include "editing/friendly.h"

namespace kurvex {

CourseDocument::CourseDocument(double segment_distance) : segment_distance_(segment_distance) {
  state_.course.PointCount = kMinPoints;
}

void CourseDocument::Replace(const Course& course) {
  state_ = {course, 1};
  Settle();
  history_.Clear();
}

void CourseDocument::SelectPoint(int i) {
  if (i >= 1 && i <= state_.course.PointCount) state_.current_point = i;
}

void CourseDocument::SetSegmentDistance(double distance) {
  segment_distance_ = distance;
  PrepareCourse(state_.course, segment_distance_, prepared_);
}

void CourseDocument::Settle() {
  Course& course = state_.course;
  SeparateCoincidentNeighbours(course);
  ReExtreme(course, extremes_);
  PrepareCourse(course, segment_distance_, prepared_);
  if (state_.current_point > course.PointCount) state_.current_point = course.PointCount;
  if (state_.current_point < 1) state_.current_point = 1;
}

int16_t CourseDocument::Apply(const Change& change) {
  CourseState before = state_;
  const int16_t result = change(state_.course, state_.current_point);
  if (result != kEditOk) {
    state_ = std::move(before);
    return result;
  }
  Settle();
  if (state_.course == before.course) return kEditUnchanged;
  history_.Record(std::move(before));
  return kEditOk;
}

bool CourseDocument::Undo() {
  if (!history_.Undo(state_)) return false;
  PrepareCourse(state_.course, segment_distance_, prepared_);
  return true;
}

bool CourseDocument::Redo() {
  if (!history_.Redo(state_)) return false;
  PrepareCourse(state_.course, segment_distance_, prepared_);
  return true;
}

int16_t CourseDocument::SetCoordinate(Axis axis, double shown) {
  return Apply([&](Course& c, int& i) {
    kurvex::SetCoordinate(c, i, axis, shown, extremes_);
    return kEditOk;
  });
}

int16_t CourseDocument::SetWidth(bool left, double shown) {
  return Apply([&](Course& c, int& i) {
    kurvex::SetWidth(c, i, left, shown);
    return kEditOk;
  });
}

int16_t CourseDocument::SetBanking(double shown) {
  return Apply([&](Course& c, int& i) {
    c.Banking[i] = NormaliseBanking(shown);
    return kEditOk;
  });
}

int16_t CourseDocument::ChangeTrackType(int track_type) {
  return Apply([&](Course& c, int& i) { return kurvex::ChangeTrackType(c, i, track_type); });
}

int16_t CourseDocument::ChangeTexture(int list_index) {
  return Apply([&](Course& c, int& i) {
    kurvex::ChangeTexture(c, i, list_index);
    return kEditOk;
  });
}

int16_t CourseDocument::SetFeature(PointArray<uint8_t> Course::*feature, int list_index) {
  return Apply([&](Course& c, int& i) {
    SetFeatureFromList(c.*feature, i, list_index);
    return kEditOk;
  });
}

int16_t CourseDocument::ChangeZone(ZoneKind zone, int v) {
  return Apply([&](Course& c, int& i) {
    kurvex::ChangeZone(c, i, zone, v);
    return kEditOk;
  });
}

int16_t CourseDocument::SetStructure(int kind_list_index, bool left, bool right) {
  return Apply([&](Course& c, int& i) {
    c.Structure[i] = StructureFromControls(kind_list_index, left, right);
    return kEditOk;
  });
}

int16_t CourseDocument::AddPoint() {
  return Apply([&](Course& c, int& i) {
    return kurvex::AddPoint(c, prepared_, i, add_offset_, extremes_, &i);
  });
}

int16_t CourseDocument::DeletePoint() {
  return Apply([&](Course& c, int& i) { return kurvex::DeletePoint(c, i, &i); });
}

int16_t CourseDocument::MakeFirst() {
  return Apply([&](Course& c, int& i) {
    kurvex::MakeFirst(c, i);
    i = 1;
    return kEditOk;
  });
}

void CourseDocument::BeginDrag(DragPad pad, double x, double y) {
  drag_.Down(pad, x, y);
  drag_start_ = state_;
}

bool CourseDocument::DragMove(DragPad pad, double x, double y) {
  double dx, dy;
  if (!drag_.Move(pad, x, y, &dx, &dy)) return false;
  ApplyDrag(state_.course, state_.current_point, pad, dx, dy, drag_speed_, extremes_);
  return true;
}

void CourseDocument::EndDrag(DragPad pad) {
  if (!drag_.Up(pad)) return;
  Settle();
  if (state_.course != drag_start_.course) history_.Record(std::move(drag_start_));
}

int16_t CourseDocument::SetExtreme(Axis axis, bool maximum, double shown) {
  kurvex::SetExtreme(extremes_, axis, maximum, shown);
  return Apply([&](Course& c, int&) {
    RePosition(c, extremes_);
    return kEditOk;
  });
}

int16_t CourseDocument::UseDefaultExtremes() {
  extremes_ = Extremes::Defaults();
  return Apply([&](Course& c, int&) {
    RePosition(c, extremes_);
    return kEditOk;
  });
}

int16_t CourseDocument::CenterTrack() {
  return Apply([&](Course& c, int&) {
    kurvex::CenterTrack(c, extremes_);
    return kEditOk;
  });
}

int16_t CourseDocument::Translate(double x, double y, double z) {
  return Apply([&](Course& c, int&) {
    TranslateCourse(c, extremes_, x, y, z);
    return kEditOk;
  });
}

int16_t CourseDocument::Rotate(double azimuth, double elevation, double skew) {
  return Apply([&](Course& c, int&) {
    RotateCourse(c, extremes_, azimuth, elevation, skew);
    return kEditOk;
  });
}

int16_t CourseDocument::Scale(double factor, bool scale_width) {
  return Apply([&](Course& c, int&) { return ScaleCourse(c, extremes_, factor, scale_width); });
}

int16_t CourseDocument::LineUp(int from, int to, bool equidistant) {
  return Apply([&](Course& c, int&) { return kurvex::LineUp(c, from, to, equidistant); });
}

int16_t CourseDocument::RomFriendly() {
  return Apply([&](Course& c, int&) {
    kurvex::RomFriendly(c);
    return kEditOk;
  });
}

std::vector<Message> CourseDocument::EkFriendly() {
  std::vector<Message> messages;
  Apply([&](Course& c, int&) {
    messages = kurvex::EkFriendly(c, segment_distance_, prepared_);
    return kEditOk;
  });
  return messages;
}

int16_t CourseDocument::UpdateFromSheet(const std::string& text, SheetReport* report) {
  int16_t sheet_result = kSheetOk;
  Apply([&](Course& c, int&) {
    sheet_result = ReadDatasheet(text, c, report);
    return kEditOk;
  });
  return sheet_result;
}

}  // namespace kurvex
