#pragma once
// The editor's recovery copy of a course with unsaved changes: the KURV bytes of the course,
// the path of the file it belongs to (empty when it was never saved) and when it last
// changed, in one file so that a single rename puts all three in place together.
//
// Layout, big-endian: "KVXRECOV", a format number (1), the time (milliseconds since 1970 as a
// signed 64-bit number), the path's length and UTF-8 bytes, the KURV image's length and bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"

namespace kurvex {

struct RecoveryCopy {
  std::vector<uint8_t> kurv;  // the course as a KURV file image
  std::string file_path;      // UTF-8; empty for a course that has no file yet
  int64_t changed_at_ms = 0;  // milliseconds since 1970-01-01 UTC
};

// Far above any real copy (a KURV image is at most about 7 KB); a larger file is not one.
constexpr size_t kMaxRecoveryFileSize = 64 * 1024;
constexpr size_t kMaxRecoveryPathLength = 16 * 1024;

std::vector<uint8_t> EncodeRecoveryCopy(const RecoveryCopy& copy);

// Decodes a recovery file and the course in it. On failure *why says what is wrong ("not a
// recovery copy", "its course: Not a KURV file") and copy and course are unspecified.
bool DecodeRecoveryCopy(const uint8_t* data, size_t size, RecoveryCopy& copy, Course& course,
                        std::string* why);

}  // namespace kurvex
