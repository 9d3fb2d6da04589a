#pragma once
// Whole-file reads and safe whole-file writes: a write goes to a temporary file beside the
// target, is flushed to disk and then renamed over it, so a failure never harms the old file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kurvex {

// On failure *error says why (the system's text).
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   std::string* error = nullptr);
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error = nullptr);
inline bool WriteFileAtomically(const std::string& path, const std::string& text,
                                std::string* error = nullptr) {
  return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                             error);
}

// The save-name rule of the file dialogs: a name that does not end in the extension (compared
// without case) gets it appended; a name shorter than the extension becomes the fallback.
std::string CompleteFileName(const std::string& name, const std::string& extension,
                             const std::string& fallback);

}  // namespace kurvex
