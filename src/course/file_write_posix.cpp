// The safe writer's system part on POSIX systems: links followed by hand, the old file's owner
// and mode, and file_replace's temporary file renamed over the target.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "course/file_read.h"
#include "course/file_replace.h"
#include "course/file_write_system.h"
#include "course/path_text.h"

namespace kurvex::file_write_system {

namespace {

constexpr int kMaxLinkHops = 40;  // as the system's own limit on link chains

bool Fail(std::string* error, const std::string& path, const std::string& why) {
  if (error) *error = PathText(path) + ": " + why;
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

bool ReplaceTarget(const std::string& path, const std::string& target, const uint8_t* data,
                   size_t size, std::string* error) {
  struct stat old_stat;
  const bool exists = ::stat(target.c_str(), &old_stat) == 0;
  if (exists && !S_ISREG(old_stat.st_mode)) {
    return Fail(error, path, NotRegularText(old_stat.st_mode));
  }
  const int result = ReplaceFileContents(
      target, data, size, [&](int fd) { KeepOwnerAndMode(fd, exists ? &old_stat : nullptr); });
  if (result == 0) return true;
  errno = result;
  return FailWithErrno(error, path);
}

}  // namespace kurvex::file_write_system
