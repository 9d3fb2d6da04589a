#pragma once
// The edits of one CTL point, as the Element Properties window makes them. Values "shown" are
// as typed in a box (stored units / 10).

#include <cstdint>

#include "course/course.h"
#include "editing/extremes.h"
#include "geometry/prepared_course.h"

namespace kurvex {

enum ZoneKind : int { kZonePit = 0, kZoneDart = 1, kZoneSlip = 2 };

// Text boxes.
void SetCoordinate(Course& course, int i, Axis axis, double shown, const Extremes& extremes);
void SetWidth(Course& course, int i, bool left, double shown);
int32_t NormaliseBanking(double degrees);  // into 0..359, ties to even
double DragSpeedFromShown(double shown);   // course units per pointer unit
double AddOffsetFromShown(double shown);   // fraction 0.1..0.9

// Lists. A list index of 0 is "(None)" and stores 255.
int16_t ChangeTrackType(Course& course, int i, int track_type);
void ChangeTexture(Course& course, int i, int list_index);
void SetFeatureFromList(PointArray<uint8_t>& feature, int i, int list_index);
// v is the zone side 0..3, or -1 for none; the other two zones of the point give way.
void ChangeZone(Course& course, int i, ZoneKind zone, int v);
uint8_t StructureFromControls(int kind_list_index, bool left, bool right);

// Copies every per-point field of one point to another.
void MovePoint(Course& course, int from, int to);

// Inserts a point after point c on the centre curve at add_offset of the segment; returns the
// new point's number (c + 1) in *new_point.
int16_t AddPoint(Course& course, const PreparedCourse& prepared, int c, double add_offset,
                 const Extremes& extremes, int* new_point = nullptr);
// Deletes point c; *selected receives the point to select afterwards.
int16_t DeletePoint(Course& course, int c, int* selected = nullptr);
// Rotates the ring so that point c becomes point 1.
void MakeFirst(Course& course, int c);

// Raises each point that sits exactly on its predecessor (the first step after every edit).
void SeparateCoincidentNeighbours(Course& course);

}  // namespace kurvex
