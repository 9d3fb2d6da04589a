#include "course/file_read.h"

#include <algorithm>
#include <utility>

#include "course/path_text.h"

namespace kurvex {

namespace {

FileReadResult TooLarge(const std::string& path, size_t max_size, std::string* reason) {
  return RefuseRead(FileReadResult::kTooLarge, path,
                    "too large (more than " + SizeText(max_size) + ")", reason);
}

}  // namespace

FileReadResult RefuseRead(FileReadResult result, const std::string& path, const std::string& why,
                          std::string* reason) {
  if (reason) *reason = PathText(path) + ": " + why;
  return result;
}

Message FileNotFoundMessage() {
  return MakeMessage("",
                     {"The file selected could not be found.", "Please select a different file."});
}

Message FileReadMessage(FileReadResult result) {
  switch (result) {
    case FileReadResult::kOk:
      return {};
    case FileReadResult::kMissing:
      return {"Error: File not found", FileNotFoundMessage().lines};
    case FileReadResult::kNotRegular:
      return MakeMessage("Error: Not a regular file",
                         {"The file selected is a folder, a device or a pipe,",
                          "not a file that can be read. Please select a", "different file."});
    case FileReadResult::kTooLarge:
      return MakeMessage("Error: File too large",
                         {"The file selected is larger than any file of its",
                          "kind can be. Please select a different file."});
    case FileReadResult::kAccess:
      break;
  }
  return MakeMessage("Error: File access error",
                     {"A file I/O error occurred while trying to read",
                      "the file. Make sure the file is available", "and readable."});
}

std::string SizeText(uint64_t bytes) {
  constexpr uint64_t kMiB = 1024 * 1024;
  constexpr uint64_t kKiB = 1024;
  if (bytes >= kMiB && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  if (bytes >= kKiB && bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

FileReadResult RegularFile::ReadAll(size_t max_size, std::vector<uint8_t>& bytes,
                                    std::string* reason) {
  if (handle_ == -1) return RefuseRead(FileReadResult::kAccess, path_, "not open", reason);
  std::vector<uint8_t> read(size_ <= max_size ? static_cast<size_t>(size_) : 0);
  size_t used = 0;
  for (;;) {
    if (used == read.size()) {
      if (read.size() > max_size) return TooLarge(path_, max_size, reason);
      // One byte past the limit is enough to tell a file that grew too large.
      read.resize(std::min(max_size + 1, std::max<size_t>(read.size() * 2, 4096)));
    }
    size_t got = 0;
    const FileReadResult result = ReadSome(read.data() + used, read.size() - used, &got, reason);
    if (result != FileReadResult::kOk) return result;
    if (got == 0) break;
    used += got;
  }
  if (used > max_size) return TooLarge(path_, max_size, reason);
  read.resize(used);
  bytes = std::move(read);
  return FileReadResult::kOk;
}

FileReadResult ReadRegularFile(const std::string& path, size_t max_size,
                               std::vector<uint8_t>& bytes, std::string* reason) {
  RegularFile file;
  const FileReadResult opened = file.Open(path, reason);
  if (opened != FileReadResult::kOk) return opened;
  if (file.size() > max_size) return TooLarge(path, max_size, reason);
  return file.ReadAll(max_size, bytes, reason);
}

}  // namespace kurvex
