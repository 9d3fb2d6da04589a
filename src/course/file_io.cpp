#include "course/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kurvex {

namespace {

void SetError(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// A replaced file keeps its permissions; a new one gets those open() would have given it
// (mkstemp makes the temporary file private).
mode_t ModeFor(const std::string& path) {
  struct stat old_stat;
  if (::stat(path.c_str(), &old_stat) == 0) return old_stat.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string Lower(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    SetError(error, path);
    return false;
  }
  bytes.clear();
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool ok = !std::ferror(file);
  if (!ok) SetError(error, path);
  std::fclose(file);
  return ok;
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    SetError(error, path);
    return false;
  }
  ::fchmod(fd, ModeFor(path));
  const bool written = WriteAll(fd, data, size) && ::fsync(fd) == 0;
  if (!written) SetError(error, path);
  if (::close(fd) != 0 && written) {
    SetError(error, path);
    ::unlink(temp.c_str());
    return false;
  }
  if (!written) {
    ::unlink(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error, path);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

std::string CompleteFileName(const std::string& name, const std::string& extension,
                             const std::string& fallback) {
  if (name.size() < extension.size()) return fallback;
  if (Lower(name.substr(name.size() - extension.size())) != Lower(extension)) {
    return name + extension;
  }
  return name;
}

}  // namespace kurvex
