#include "editing/edit_result.h"

namespace kurvex {

namespace {
const char kMismatch[] =
    "Only Normal, No Track or same-type\r\ntrack segments can be connected.";
}

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
    default: return "Unknown error code";
  }
}

std::string EditMessage(int code) {
  switch (code) {
    case kEditUnknownError: return "An unknown error has occurred.";
    case kEditTrackMismatch: return kMismatch;
    case kEditDeleteMismatch:
      return std::string(kMismatch) + "\r\nDeleting this control point will cause\r\na mismatch.";
    default: return "";
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
