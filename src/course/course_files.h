#pragma once
// Loading and saving a course as a KURV file or a track text file, with the user message of
// every failure. Shared by the editor's file commands and kurvex-cli.

#include <string>

#include "course/course.h"
#include "course/message.h"

namespace kurvex {

struct FileOutcome {
  bool ok = true;
  Message message;  // empty on success
};

// On failure the course is unchanged, except after a KURV decoding failure (-1) or a sheet
// overflow, which may have changed part of it.
FileOutcome LoadKurvFile(const std::string& path, Course& course);
FileOutcome LoadTrackTextFile(const std::string& path, Course& course);
// Writes atomically: a failed save leaves an existing file as it was.
FileOutcome SaveKurvFile(const std::string& path, const Course& course);
FileOutcome SaveTrackTextFile(const std::string& path, const Course& course);

}  // namespace kurvex
