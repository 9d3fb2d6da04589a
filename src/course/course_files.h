#pragma once
// Loading and saving a course as a KURV file or a track text file, with the user message of
// every failure. Shared by the editor's file commands and kurvex-cli.

#include <cstddef>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/file_write.h"
#include "course/message.h"

namespace kurvex {

// Far above any real file (a KURV file of 64 points and full texts is about 7 KB, a track text
// about 40 KB), so that a wrong file is refused before it is read.
constexpr size_t kMaxKurvFileSize = 1024 * 1024;
constexpr size_t kMaxTrackTextFileSize = 16 * 1024 * 1024;

struct FileOutcome {
  bool ok = true;
  Message message;  // the editor's message; empty on success
  // On failure, which file and why, ready to show beside the message: the system's reason
  // ("a.kurv: No such file or directory", "pipe.kurv: not a regular file (a pipe)") or what
  // is wrong with its content ("a.kurv: Not a KURV file"). Empty when no file is to blame.
  std::string reason;
  // What a load did not take as written, one line each ("line 3: CTL_Point_Count = 65 is
  // outside 4..64; read as 4"); the course is still loaded. The editor shows them after Open.
  std::vector<std::string> notices;
};

// On failure the course is unchanged, except after a KURV decoding failure (-1) or a sheet
// overflow, which may have changed part of it.
FileOutcome LoadKurvFile(const std::string& path, Course& course);
// A text with no line of the track text at all is refused ("not a track text file"), and so is
// one with NUL bytes (see CheckTrackTextBytes). A lone CR ends a line, as CR LF and LF do.
FileOutcome LoadTrackTextFile(const std::string& path, Course& course);
// A text holding NUL bytes is no track text but a binary file taken for one: refused with
// "not a track text file: it holds NUL bytes". Ok for any other bytes.
FileOutcome CheckTrackTextBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Writes atomically: a failed save leaves an existing file as it was. A path that is one of the
// inputs is refused.
FileOutcome SaveKurvFile(const std::string& path, const Course& course,
                         const InputFiles& inputs = {});
FileOutcome SaveTrackTextFile(const std::string& path, const Course& course,
                              const InputFiles& inputs = {});

}  // namespace kurvex
