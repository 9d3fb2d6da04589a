#pragma once
// Undo and redo by snapshots: a course record is small, so each step keeps the whole course
// (and the point that was selected) as it was before.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "course/course.h"

namespace kurvex {

struct CourseState {
  Course course;
  int current_point = 1;
};

class CourseHistory {
 public:
  static constexpr size_t kMaxSteps = 1000;

  // Records `before` as the state one step back from the state now being entered.
  void Record(CourseState before);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Swap `current` with the state one step back / forward. False when there is none.
  bool Undo(CourseState& current);
  bool Redo(CourseState& current);
  // Forget every step; the state now is the saved one.
  void Clear();

  bool IsModified() const { return revision_ != clean_revision_; }
  void MarkClean() { clean_revision_ = revision_; }

 private:
  struct Step {
    CourseState state;
    uint64_t revision;
  };

  std::vector<Step> undo_, redo_;
  uint64_t revision_ = 0, next_revision_ = 1, clean_revision_ = 0;
};

}  // namespace kurvex
