#pragma once
// Safe whole-file writes: the bytes go to a hidden temporary file beside the target
// (".NAME.XXXXXX"), are flushed to disk and then renamed over it, so a failure or a kill never
// leaves a half-written or lost file.
//
// A symbolic link is followed: the file it points to is replaced and the link stays. A target
// that exists but is not a regular file (a folder, device or pipe) is refused. A replaced file
// keeps its permissions, and its owner and group where the process may set them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kurvex {

// On failure *error is "PATH: why" (the system's reason) and no temporary file is left.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error = nullptr);
inline bool WriteFileAtomically(const std::string& path, const std::string& text,
                                std::string* error = nullptr) {
  return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                             error);
}

}  // namespace kurvex
