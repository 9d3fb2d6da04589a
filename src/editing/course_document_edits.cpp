// The Element Properties edits of the document: the current point, the drag pads and the
// whole-course operations, each one named step.
#include <cmath>

#include "course/datasheet.h"
#include "course/track_type.h"
#include "editing/course_document.h"
#include "editing/course_transforms.h"
#include "editing/edit_result.h"
#include "editing/friendly.h"
#include "editing/texture_list.h"

namespace kurvex {

namespace {

bool Finite(double value) { return std::isfinite(value); }
// Typed values are stored at ten times the shown value: that must stay finite too.
bool FiniteShown(double shown) { return std::isfinite(shown * 10); }

CourseDocument::Step BoxStep(const char* name, CourseDocument::Entry entry, const char* box) {
  return {name, entry == CourseDocument::Entry::kTyping ? box : ""};
}

const char* AxisBox(Axis axis) { return axis == kAxisX ? "x" : axis == kAxisY ? "y" : "z"; }

const char* PadStepName(DragPad pad) {
  switch (pad) {
    case kPadLeftWidth:
    case kPadRightWidth:
      return "Change Width";
    case kPadBanking:
      return "Change Banking";
    default:
      return "Move Point";
  }
}

const char* FeatureStepName(PointArray<uint8_t> Course::*feature) {
  if (feature == &Course::DashPlate) return "Change Dash Plate";
  if (feature == &Course::JumpPlate) return "Change Jump Plate";
  if (feature == &Course::TrapField) return "Change Trap Field";
  if (feature == &Course::Gate) return "Change Gate";
  if (feature == &Course::Decoration) return "Change Decoration";
  return "Change Feature";
}

const char* ZoneStepName(ZoneKind zone) {
  switch (zone) {
    case kZonePit:
      return "Change Pit Area";
    case kZoneDart:
      return "Change Dart Zone";
    default:
      return "Change Slip Zone";
  }
}

}  // namespace

int16_t CourseDocument::SetCoordinate(Axis axis, double shown, Entry entry) {
  if (!FiniteShown(shown)) return kEditBadNumber;
  return Apply(
      [&](Course& c, int& i) {
        kurvex::SetCoordinate(c, i, axis, shown, extremes_);
        return kEditOk;
      },
      BoxStep("Move Point", entry, AxisBox(axis)));
}

int16_t CourseDocument::SetWidth(bool left, double shown, Entry entry) {
  if (!FiniteShown(shown)) return kEditBadNumber;
  return Apply(
      [&](Course& c, int& i) {
        kurvex::SetWidth(c, i, left, shown);
        return kEditOk;
      },
      BoxStep("Change Width", entry, left ? "left" : "right"));
}

int16_t CourseDocument::SetBanking(double shown, Entry entry) {
  if (!Finite(shown)) return kEditBadNumber;
  return Apply(
      [&](Course& c, int& i) {
        c.Banking[i] = NormaliseBanking(shown);
        return kEditOk;
      },
      BoxStep("Change Banking", entry, "banking"));
}

int16_t CourseDocument::ChangeTrackType(int track_type) {
  return Apply([&](Course& c, int& i) { return kurvex::ChangeTrackType(c, i, track_type); },
               {"Change Track Type"});
}

int16_t CourseDocument::ChangeTexture(int list_index) {
  const int type = TrackTypeOfCode(course().Points[current_point()].TrackCode);
  if (TextureOfListIndex(type, list_index) < 0) return kEditBadIndex;
  return Apply(
      [&](Course& c, int& i) {
        kurvex::ChangeTexture(c, i, list_index);
        return kEditOk;
      },
      {"Change Texture"});
}

int16_t CourseDocument::SetFeature(PointArray<uint8_t> Course::*feature, int list_index) {
  return Apply(
      [&](Course& c, int& i) {
        SetFeatureFromList(c.*feature, i, list_index);
        return kEditOk;
      },
      {FeatureStepName(feature)});
}

int16_t CourseDocument::ChangeZone(ZoneKind zone, int v) {
  return Apply(
      [&](Course& c, int& i) {
        kurvex::ChangeZone(c, i, zone, v);
        return kEditOk;
      },
      {ZoneStepName(zone)});
}

int16_t CourseDocument::SetStructure(int kind_list_index, bool left, bool right) {
  return Apply(
      [&](Course& c, int& i) {
        c.Structure[i] = StructureFromControls(kind_list_index, left, right);
        return kEditOk;
      },
      {"Change Structure"});
}

int16_t CourseDocument::AddPoint() {
  return Apply(
      [&](Course& c, int& i) {
        return kurvex::AddPoint(c, prepared_, i, add_offset_, extremes_, &i);
      },
      {"Add Point"});
}

int16_t CourseDocument::DeletePoint() {
  return Apply([&](Course& c, int& i) { return kurvex::DeletePoint(c, i, &i); }, {"Delete Point"});
}

int16_t CourseDocument::MakeFirst() {
  return Apply(
      [&](Course& c, int& i) {
        kurvex::MakeFirst(c, i);
        i = 1;
        return kEditOk;
      },
      {"Make #1"});
}

void CourseDocument::BeginDrag(DragPad pad, double x, double y) {
  BeginGesture(PadStepName(pad));
  drag_.Down(pad, x, y);
}

bool CourseDocument::DragMove(DragPad pad, double x, double y) {
  double dx, dy;
  if (!drag_.Move(pad, x, y, &dx, &dy)) return false;
  UpdateGesture([&](Course& c, int& i) {
    ApplyDrag(c, i, pad, dx, dy, drag_speed_, extremes_);
    return kEditOk;
  });
  return true;
}

void CourseDocument::EndDrag(DragPad pad) {
  if (drag_.Up(pad)) EndGesture();
}

int16_t CourseDocument::SetExtreme(Axis axis, bool maximum, double shown) {
  if (!FiniteShown(shown)) return kEditBadNumber;
  kurvex::SetExtreme(extremes_, axis, maximum, shown);
  return Apply(
      [&](Course& c, int&) {
        RePosition(c, extremes_);
        return kEditOk;
      },
      {"Change Extremes"});
}

int16_t CourseDocument::UseDefaultExtremes() {
  extremes_ = Extremes::Defaults();
  return Apply(
      [&](Course& c, int&) {
        RePosition(c, extremes_);
        return kEditOk;
      },
      {"Use Default Extremes"});
}

int16_t CourseDocument::CenterTrack() {
  return Apply(
      [&](Course& c, int&) {
        kurvex::CenterTrack(c, extremes_);
        return kEditOk;
      },
      {"Center Track"});
}

int16_t CourseDocument::Translate(double x, double y, double z) {
  if (!FiniteShown(x) || !FiniteShown(y) || !FiniteShown(z)) return kEditBadNumber;
  return Apply(
      [&](Course& c, int&) {
        TranslateCourse(c, extremes_, x, y, z);
        return kEditOk;
      },
      {"Translate"});
}

int16_t CourseDocument::Rotate(double azimuth, double elevation, double skew) {
  if (!Finite(azimuth) || !Finite(elevation) || !Finite(skew)) return kEditBadNumber;
  return Apply(
      [&](Course& c, int&) {
        RotateCourse(c, extremes_, azimuth, elevation, skew);
        return kEditOk;
      },
      {"Rotate"});
}

int16_t CourseDocument::Scale(double factor, bool scale_width) {
  if (!Finite(factor)) return kEditBadNumber;
  return Apply([&](Course& c, int&) { return ScaleCourse(c, extremes_, factor, scale_width); },
               {"Scale"});
}

int16_t CourseDocument::LineUp(int from, int to, bool equidistant) {
  return Apply([&](Course& c, int&) { return kurvex::LineUp(c, from, to, equidistant); },
               {"Line-Up"});
}

int16_t CourseDocument::RomFriendly() {
  return Apply(
      [&](Course& c, int&) {
        kurvex::RomFriendly(c);
        return kEditOk;
      },
      {"ROM Friendly"});
}

std::vector<Message> CourseDocument::EkFriendly() {
  std::vector<Message> messages;
  Apply(
      [&](Course& c, int&) {
        messages = kurvex::EkFriendly(c, segment_distance_, prepared_);
        return kEditOk;
      },
      {"EK Friendly"});
  return messages;
}

int16_t CourseDocument::UpdateFromSheet(const std::string& text, SheetReport* report) {
  int16_t sheet_result = kSheetOk;
  Apply(
      [&](Course& c, int&) {
        sheet_result = ReadDatasheet(text, c, report);
        return kEditOk;
      },
      {"Update Data Sheet"});
  return sheet_result;
}

}  // namespace kurvex
