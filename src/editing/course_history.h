#pragma once
// Undo and redo by snapshots: a course record is small, so each step keeps the whole course
// (and the point that was selected) as it was before.

#include <cstddef>
#include <cstdint>
#include <string>
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

  // Records `before` as the state one step back from the state now being entered by the step
  // of this name ("Add Point").
  void Record(CourseState before, std::string name);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The name of the step Undo / Redo would take back or do again; empty when there is none.
  std::string UndoName() const { return undo_.empty() ? "" : undo_.back().name; }
  std::string RedoName() const { return redo_.empty() ? "" : redo_.back().name; }
  // Swap `current` with the state one step back / forward. False when there is none.
  bool Undo(CourseState& current);
  bool Redo(CourseState& current);
  // Forget every step; the state now is the saved one.
  void Clear();

  bool IsModified() const { return revision_ != clean_revision_; }
  void MarkClean() { clean_revision_ = revision_; }
  // No state of the history is the saved one (a course recovered after a crash).
  void MarkUnsaved() { clean_revision_ = kNoRevision; }

 private:
  struct Step {
    CourseState state;
    uint64_t revision;
    std::string name;
  };

  static constexpr uint64_t kNoRevision = ~uint64_t{0};

  std::vector<Step> undo_, redo_;
  uint64_t revision_ = 0, next_revision_ = 1, clean_revision_ = 0;
};

}  // namespace kurvex
