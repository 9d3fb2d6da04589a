// The reader's system part on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "course/file_read.h"

namespace kurvex {

namespace {

FileReadResult SystemRefusal(const std::string& path, std::string* reason) {
  const int error = errno;
  return RefuseRead(
      error == ENOENT || error == ENOTDIR ? FileReadResult::kMissing : FileReadResult::kAccess,
      path, std::strerror(error), reason);
}

FileReadResult NotRegular(const std::string& path, mode_t mode, std::string* reason) {
  return RefuseRead(FileReadResult::kNotRegular, path, NotRegularText(mode), reason);
}

}  // namespace

std::string NotRegularText(unsigned mode) {
  const char* kind = S_ISDIR(mode)    ? "a folder"
                     : S_ISFIFO(mode) ? "a pipe"
                     : S_ISSOCK(mode) ? "a socket"
                                      : "a device";
  return std::string("not a regular file (") + kind + ")";
}

RegularFile::~RegularFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

FileReadResult RegularFile::Open(const std::string& path, std::string* reason) {
  path_ = path;
  // Looked at before opening, so that no device is ever opened; checked again on the open file,
  // which cannot be swapped underneath.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return SystemRefusal(path, reason);
  if (!S_ISREG(st.st_mode)) return NotRegular(path, st.st_mode, reason);
  // Without O_NONBLOCK, opening a pipe put there since would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return SystemRefusal(path, reason);
  handle_ = fd;
  if (::fstat(fd, &st) != 0) return SystemRefusal(path, reason);
  if (!S_ISREG(st.st_mode)) return NotRegular(path, st.st_mode, reason);
  size_ = static_cast<uint64_t>(st.st_size);
  return FileReadResult::kOk;
}

FileReadResult RegularFile::ReadSome(uint8_t* data, size_t size, size_t* got, std::string* reason) {
  for (;;) {
    const ssize_t read = ::read(static_cast<int>(handle_), data, size);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return SystemRefusal(path_, reason);
    *got = static_cast<size_t>(read);
    return FileReadResult::kOk;
  }
}

}  // namespace kurvex
