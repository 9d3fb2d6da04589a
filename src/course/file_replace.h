#pragma once
// Putting a whole new file in the place of a target in one step: the bytes are written and
// flushed in a temporary file in the target's folder, which is then renamed over the target.
//
// Where the file system allows it, the temporary file has no name at all (O_TMPFILE) until just
// before the rename, so that a process killed while writing leaves nothing behind: the system
// frees an unnamed file with its last descriptor. Elsewhere it is a hidden ".NAME.XXXXXX" beside
// the target, removed on any failure. The POSIX part of the safe file writer.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace kurvex {

enum class TemporaryName {
  kOnlyForTheRename,  // unnamed while written, where the file system allows it
  kAlways,            // the hidden ".NAME.XXXXXX" from the start
};

// Called with the open temporary file before any byte is written: gives it its owner and
// permissions.
using PrepareTemporary = std::function<void(int fd)>;

// Replaces (or creates) target, a path with no link left in it. Returns 0, or the errno of the
// failure, after which no temporary file is left and an existing target is as it was.
int ReplaceFileContents(const std::string& target, const uint8_t* data, size_t size,
                        const PrepareTemporary& prepare,
                        TemporaryName naming = TemporaryName::kOnlyForTheRename);

}  // namespace kurvex
