#include "course/file_write.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "course/file_read.h"

namespace kurvex {

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

// The file a path finally names, through any chain of symbolic links; a dangling link names the
// file it would point to.
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

// What tells two names of one file apart from names of two files.
struct FileKey {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  std::filesystem::path canonical;
};

FileKey KeyOf(const std::string& path) {
  std::string target;
  std::string ignored;
  if (!FollowLinks(path, &target, &ignored)) target = path;
  FileKey key;
  struct stat st;
  key.exists = ::stat(target.c_str(), &st) == 0;
  if (key.exists) {
    key.device = st.st_dev;
    key.inode = st.st_ino;
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(target, error);
  key.canonical = std::filesystem::weakly_canonical(absolute, error);
  if (error) key.canonical = absolute.lexically_normal();
  return key;
}

bool SameFile(const FileKey& a, const FileKey& b) {
  if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
  return a.canonical == b.canonical;
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

InputFiles::InputFiles(std::initializer_list<std::string> paths) {
  for (const std::string& path : paths) Add(path);
}

void InputFiles::Add(const std::string& path) {
  if (!path.empty()) paths_.push_back(path);
}

void InputFiles::Add(const InputFiles& more) {
  for (const std::string& path : more.paths_) Add(path);
}

bool InputFiles::Holds(const std::string& path) const {
  if (paths_.empty()) return false;
  const FileKey key = KeyOf(path);
  for (const std::string& input : paths_) {
    if (SameFile(key, KeyOf(input))) return true;
  }
  return false;
}

const std::string* InputFiles::FirstHeld(const std::vector<std::string>& targets) const {
  for (const std::string& target : targets) {
    if (Holds(target)) return &target;
  }
  return nullptr;
}

std::string InputRefusal(const std::string& path) {
  return path + ": is one of this command's inputs";
}

bool NoInputAmong(const std::vector<std::string>& targets, const InputFiles& inputs,
                  std::string* error) {
  const std::string* held = inputs.FirstHeld(targets);
  if (held == nullptr) return true;
  if (error) *error = InputRefusal(*held);
  return false;
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error, const InputFiles& inputs) {
  std::string target;
  if (!FollowLinks(path, &target, error)) return false;
  if (inputs.Holds(target)) {
    if (error) *error = InputRefusal(path);
    return false;
  }
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

}  // namespace kurvex
