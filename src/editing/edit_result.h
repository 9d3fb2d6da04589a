#pragma once
// Result codes of the editing operations, with the messages the windows show for refusals.

#include <cstdint>
#include <string>

#include "course/message.h"

namespace kurvex {

enum EditResult : int16_t {
  kEditUnknownError = -1,
  kEditOk = 0,
  kEditUnchanged = 1,         // nothing to do (the course is as it was)
  kEditTrackMismatch = 2,     // a track type that may not meet its neighbours
  kEditDeleteMismatch = 3,    // deleting would join mismatched neighbours
  kEditTooManyPoints = 4,     // a course holds at most 64 points
  kEditTooFewPoints = 5,      // a course needs at least 4 points
  kEditBadFactor = 6,         // a scale factor of 0 or below
  kEditNotPrepared = 7,       // the operation needs the course's prepared geometry
  kEditBadNumber = 8,         // a number that is not finite, or overflows once scaled
  kEditBadIndex = 9,          // a list index outside its list
};

// The message box text for a refusal (empty for the codes the windows show nothing for),
// and its caption.
Message EditMessage(int code);
std::string EditMessageCaption(int code);

// What the windows make of an edit's result, the same in every window.
struct EditReply {
  // The edit went through or changed nothing; otherwise the controls show the stored values
  // again.
  bool done = true;
  // The message box to show; nothing when empty. An empty caption is the window's own.
  std::string caption;
  Message message;
};
EditReply ReplyTo(int code);

}  // namespace kurvex
