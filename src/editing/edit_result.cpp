#include "editing/edit_result.h"

namespace kurvex {

Message EditMessage(int code) {
  switch (code) {
    case kEditUnknownError:
      return MakeMessage("", {"An unknown error has occurred."});
    case kEditTrackMismatch:
      return MakeMessage("", {"Only Normal, No Track or same-type",
                              "track segments can be connected."});
    case kEditDeleteMismatch:
      return MakeMessage("", {"Only Normal, No Track or same-type",
                              "track segments can be connected.",
                              "Deleting this control point will cause", "a mismatch."});
    default:
      return {};
  }
}

std::string EditMessageCaption(int code) {
  switch (code) {
    case kEditTrackMismatch: return "Change Track Type";
    case kEditDeleteMismatch: return "Delete Control Point";
    default: return "";
  }
}

EditReply ReplyTo(int code) {
  switch (code) {
    case kEditOk:
    case kEditUnchanged:
    case kEditTooManyPoints:  // the add and delete buttons are disabled at the limits
    case kEditTooFewPoints:
      return {};
    case kEditTrackMismatch:
    case kEditDeleteMismatch:
      return {false, EditMessageCaption(code), EditMessage(code)};
    case kEditBadNumber:  // the box or list shows the stored value again, which says enough
    case kEditBadIndex:
    case kEditBadFactor:
      return {false, "", {}};
    default:
      return {false, "", EditMessage(kEditUnknownError)};
  }
}

}  // namespace kurvex
