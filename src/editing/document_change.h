#pragma once
// What a change of the document touched, so that each view refreshes only what it shows: the
// preview rebuilds the lists of the changed points, the property windows refill their
// controls, the Edit menu renames its Undo and Redo items.

#include <bitset>

#include "course/course.h"
#include "editing/course_history.h"

namespace kurvex {

struct DocumentChange {
  bool replaced = false;     // a different course (new, opened, loaded): everything is new
  bool course = false;       // some field of the course changed
  bool point_count = false;  // points were added or removed
  bool venue = false;        // the venue changed: road and floor textures follow it
  bool course_wide = false;  // a field that belongs to no point (texts, venue, sky, music, ...)
  std::bitset<kMaxPoints + 2> points;  // points whose own fields changed
  bool settled = true;                 // false while a drag or typing has the course in between
  bool selection = false;              // the current point changed
  bool extremes = false;
  bool options = false;   // drag speed, add offset or segment distance
  bool history = false;   // what Undo and Redo would do
  bool modified = false;  // the modified state changed

  bool Any() const {
    return replaced || course || selection || extremes || options || history || modified;
  }
};

// The course and selection part of a change from one state to another.
DocumentChange DiffStates(const CourseState& before, const CourseState& after);

}  // namespace kurvex
