// The safe writer's system part on POSIX systems: mkostemp beside the target, the old file's
// owner and mode, fsync, rename.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "course/file_read.h"
#include "course/file_write_system.h"

namespace kurvex::file_write_system {

namespace {

constexpr int kMaxLinkHops = 40;          // as the system's own limit on link chains
constexpr size_t kMaxTempNameStem = 200;  // leaves room for "." and ".XXXXXX" within NAME_MAX

bool Fail(std::string* error, const std::string& path, const std::string& why) {
  if (error) *error = path + ": " + why;
  return false;
}

bool FailWithErrno(std::string* error, const std::string& path) {
  return Fail(error, path, std::strerror(errno));
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new file gets the permissions open() would have given it; mkstemp makes it private.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The old file's owner and group where the system lets this process give them (root may set
// both, an owner only a group it belongs to); failing that the new file stays the writer's.
void KeepOwnerAndMode(int fd, const struct stat* old_stat) {
  if (old_stat == nullptr) {
    ::fchmod(fd, NewFileMode());
    return;
  }
  if (old_stat->st_uid != ::geteuid() || old_stat->st_gid != ::getegid()) {
    if (::fchown(fd, old_stat->st_uid, old_stat->st_gid) != 0) {
      (void)::fchown(fd, static_cast<uid_t>(-1), old_stat->st_gid);
    }
  }
  // After the owner: changing the owner clears the set-user and set-group bits.
  ::fchmod(fd, old_stat->st_mode & 07777);
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

// So that the rename itself survives a power cut; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes, flushes and closes the temporary file; removes it on failure.
bool FillTemporary(int fd, const std::string& temp, const uint8_t* data, size_t size,
                   const std::string& path, std::string* error) {
  bool ok = WriteAll(fd, data, size) && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok) return true;
  ::unlink(temp.c_str());
  errno = saved;
  return FailWithErrno(error, path);
}

}  // namespace

bool FollowLinks(const std::string& path, std::string* target, std::string* error) {
  std::string at = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st;
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      *target = at;
      return true;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(at.c_str(), link, sizeof link - 1);
    if (length < 0) return FailWithErrno(error, path);
    const std::string points_to(link, static_cast<size_t>(length));
    at = points_to[0] == '/' ? points_to : FolderOf(at) + "/" + points_to;
  }
  errno = ELOOP;
  return FailWithErrno(error, path);
}

bool FileIdentity(const std::string& path, uint64_t* device, uint64_t* file) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  *device = static_cast<uint64_t>(st.st_dev);
  *file = static_cast<uint64_t>(st.st_ino);
  return true;
}

bool ReplaceFileContents(const std::string& path, const std::string& target, const uint8_t* data,
                         size_t size, std::string* error) {
  struct stat old_stat;
  const bool exists = ::stat(target.c_str(), &old_stat) == 0;
  if (exists && !S_ISREG(old_stat.st_mode)) {
    return Fail(error, path, NotRegularText(old_stat.st_mode));
  }

  const std::string folder = FolderOf(target);
  std::string temp = folder + "/." + NameOf(target).substr(0, kMaxTempNameStem) + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return FailWithErrno(error, path);
  KeepOwnerAndMode(fd, exists ? &old_stat : nullptr);
  if (!FillTemporary(fd, temp, data, size, path, error)) return false;
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    const int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return FailWithErrno(error, path);
  }
  SyncFolder(folder);
  return true;
}

}  // namespace kurvex::file_write_system
