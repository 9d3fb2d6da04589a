#pragma once
// Reading a file of outside bytes without trusting it: only a regular file is opened (a pipe
// would never end, a device might not), and a file larger than its kind can ever be is refused
// before it is read. Every refusal comes with a reason ready to show, "PATH: why".

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/message.h"

namespace kurvex {

enum class FileReadResult : int16_t {
  kOk = 0,
  kMissing = 1,     // no file of that name
  kNotRegular = 2,  // a folder, a device, a pipe or a socket
  kTooLarge = 3,    // larger than the limit given
  kAccess = 4,      // the system refused to open or read it
};

// A regular file opened for reading. Nothing is read by Open.
class RegularFile {
 public:
  RegularFile() = default;
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  FileReadResult Open(const std::string& path, std::string* reason);
  // The length the file had when it was opened.
  uint64_t size() const { return size_; }
  // Reads to the end; a file that has grown beyond max_size meanwhile is refused.
  FileReadResult ReadAll(size_t max_size, std::vector<uint8_t>& bytes, std::string* reason);

 private:
  // The system's part: one read of up to size bytes; *got is 0 at the end of the file.
  FileReadResult ReadSome(uint8_t* data, size_t size, size_t* got, std::string* reason);

  intptr_t handle_ = -1;  // a file descriptor, or a Windows HANDLE
  uint64_t size_ = 0;
  std::string path_;
};

// Open, then ReadAll, refusing a file above max_size before reading it.
FileReadResult ReadRegularFile(const std::string& path, size_t max_size,
                               std::vector<uint8_t>& bytes, std::string* reason = nullptr);

// The user message of a refused read; empty for kOk. The reason beside it says more.
Message FileReadMessage(FileReadResult result);
// "The file selected could not be found." / "Please select a different file.", without a title,
// as the file dialogs' boxes say it.
Message FileNotFoundMessage();

// "not a regular file (a pipe)" for a stat mode that is not a regular file's.
std::string NotRegularText(unsigned mode);

// For the system's part of the reader: a refusal with its reason "PATH: why".
FileReadResult RefuseRead(FileReadResult result, const std::string& path, const std::string& why,
                          std::string* reason);

// "1 MiB", "16 MiB", "512 bytes": a limit as a person reads it.
std::string SizeText(uint64_t bytes);

}  // namespace kurvex
