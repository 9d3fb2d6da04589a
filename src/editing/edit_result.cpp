#include "editing/edit_result.h"

namespace kurvex {


std::string EditResultText(int code) {
  switch (code) {
    case kEditUnknownError: return "Unknown error";
    case kEditOk: return "Successful";
    case kEditUnchanged: return "Nothing changed";
    case kEditTrackMismatch: return "Track types do not match";
    case kEditDeleteMismatch: return "Deleting would mismatch track types";
    case kEditTooManyPoints: return "Too many CTL points";
    case kEditTooFewPoints: return "Too few CTL points";
    case kEditBadFactor: return "Scale factor must be above 0";
    case kEditNotPrepared: return "Course not prepared";
    case kEditBadNumber: return "Not a finite number";
    case kEditBadIndex: return "No such list entry";
    default: return "Unknown error code";
  }
}

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

}  // namespace kurvex
