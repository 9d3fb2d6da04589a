#pragma once
// Safe whole-file writes: the bytes go to a temporary file beside the target, are flushed to
// disk and then renamed over it, so a failure or a kill never leaves a half-written or lost
// file. The temporary file has no name until just before the rename where the file system
// allows it, else it is a hidden ".NAME.XXXXXX" (see file_replace.h).
//
// A symbolic link is followed: the file it points to is replaced and the link stays. A target
// that exists but is not a regular file (a folder, device or pipe) is refused. A replaced file
// keeps its permissions, and its owner and group where the process may set them.
//
// Every write names the files its operation reads, and a target that is one of them is
// refused, whatever names or links lead to it: a command never destroys its own input.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kurvex {

// The files an operation reads.
class InputFiles {
 public:
  InputFiles() = default;
  InputFiles(std::initializer_list<std::string> paths);

  // Empty paths are left out, so that optional inputs can be added as they come.
  void Add(const std::string& path);
  void Add(const InputFiles& more);

  // True when path, after following links, is one of the inputs: the same file (device and
  // inode) where both exist, the same canonical path otherwise.
  bool Holds(const std::string& path) const;
  // The first target that is one of the inputs, or nullptr; lets an operation that writes many
  // files refuse before it writes any.
  const std::string* FirstHeld(const std::vector<std::string>& targets) const;

 private:
  std::vector<std::string> paths_;
};

// "PATH: is one of this command's inputs"
std::string InputRefusal(const std::string& path);

// On failure *error is "PATH: why" (the system's reason, or InputRefusal) and no temporary file
// is left.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error = nullptr, const InputFiles& inputs = {});
inline bool WriteFileAtomically(const std::string& path, const std::string& text,
                                std::string* error = nullptr, const InputFiles& inputs = {}) {
  return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                             error, inputs);
}

// False with *error set to InputRefusal when one of the targets is an input.
bool NoInputAmong(const std::vector<std::string>& targets, const InputFiles& inputs,
                  std::string* error);

}  // namespace kurvex
