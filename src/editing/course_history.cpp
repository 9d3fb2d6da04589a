#include "editing/course_history.h"

#include <utility>

namespace kurvex {

void CourseHistory::Record(CourseState before, std::string name) {
  if (undo_.size() == kMaxSteps) undo_.erase(undo_.begin());
  undo_.push_back({std::move(before), revision_, std::move(name)});
  redo_.clear();
  revision_ = next_revision_++;
}

bool CourseHistory::Undo(CourseState& current) {
  if (undo_.empty()) return false;
  redo_.push_back({std::move(current), revision_, undo_.back().name});
  current = std::move(undo_.back().state);
  revision_ = undo_.back().revision;
  undo_.pop_back();
  return true;
}

bool CourseHistory::Redo(CourseState& current) {
  if (redo_.empty()) return false;
  undo_.push_back({std::move(current), revision_, redo_.back().name});
  current = std::move(redo_.back().state);
  revision_ = redo_.back().revision;
  redo_.pop_back();
  return true;
}

void CourseHistory::Clear() {
  undo_.clear();
  redo_.clear();
  clean_revision_ = revision_ = next_revision_++;
}

}  // namespace kurvex
