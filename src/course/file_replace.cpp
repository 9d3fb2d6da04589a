#include "course/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace kurvex {

namespace {

constexpr size_t kMaxTempNameStem = 200;  // leaves room for "." and ".XXXXXX" within NAME_MAX
constexpr int kNameAttempts = 100;
constexpr int kCannotStayUnnamed = -1;  // not an errno: the named way is tried instead

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".NAME." and six random letters, beside the target.
std::string HiddenNameStem(const std::string& target) {
  return FolderOf(target) + "/." + NameOf(target).substr(0, kMaxTempNameStem) + ".";
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

// Writes and flushes to disk; 0 or the errno.
int Fill(int fd, const uint8_t* data, size_t size) {
  if (!WriteAll(fd, data, size) || ::fsync(fd) != 0) return errno;
  return 0;
}

// So that the rename itself survives a power cut; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Gives an unnamed file a name: through /proc, as any user may, else by AT_EMPTY_PATH, which
// needs a privilege. False with errno set.
bool LinkUnnamed(int fd, const std::string& name) {
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  if (errno == EEXIST) return false;
#ifdef AT_EMPTY_PATH
  return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
#else
  return false;
#endif
}

// Names the written file: straight as the target when there is none (no temporary name ever
// exists), else under a free hidden name for the rename. *temp is that name, or empty.
int NameUnnamed(int fd, const std::string& target, std::string* temp) {
  temp->clear();
  if (LinkUnnamed(fd, target)) return 0;
  if (errno != EEXIST) return kCannotStayUnnamed;
  std::random_device seed;
  std::minstd_rand random(seed());
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<size_t> letter(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = HiddenNameStem(target);
    for (int i = 0; i < 6; ++i) name += kLetters[letter(random)];
    if (LinkUnnamed(fd, name)) {
      *temp = name;
      return 0;
    }
    if (errno != EEXIST) return kCannotStayUnnamed;
  }
  return EEXIST;
}

int ReplaceThroughUnnamed(const std::string& target, const uint8_t* data, size_t size,
                          const PrepareTemporary& prepare) {
#ifdef O_TMPFILE
  const int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  // The named way gives the reason when it fails too (a missing folder, no permission).
  if (fd < 0) return kCannotStayUnnamed;
  prepare(fd);
  std::string temp;
  int result = Fill(fd, data, size);
  if (result == 0) result = NameUnnamed(fd, target, &temp);
  if (::close(fd) != 0 && result == 0) {
    result = errno;
    ::unlink((temp.empty() ? target : temp).c_str());  // a target made here, not one replaced
    return result;
  }
  if (result != 0 || temp.empty()) return result;
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    result = errno;
    ::unlink(temp.c_str());
  }
  return result;
#else
  (void)target, (void)data, (void)size, (void)prepare;
  return kCannotStayUnnamed;
#endif
}

int ReplaceThroughNamed(const std::string& target, const uint8_t* data, size_t size,
                        const PrepareTemporary& prepare) {
  std::string temp = HiddenNameStem(target) + "XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  prepare(fd);
  int result = Fill(fd, data, size);
  if (::close(fd) != 0 && result == 0) result = errno;
  if (result == 0 && std::rename(temp.c_str(), target.c_str()) != 0) result = errno;
  if (result != 0) ::unlink(temp.c_str());
  return result;
}

}  // namespace

int ReplaceFileContents(const std::string& target, const uint8_t* data, size_t size,
                        const PrepareTemporary& prepare, TemporaryName naming) {
  int result = naming == TemporaryName::kOnlyForTheRename
                   ? ReplaceThroughUnnamed(target, data, size, prepare)
                   : kCannotStayUnnamed;
  if (result == kCannotStayUnnamed) result = ReplaceThroughNamed(target, data, size, prepare);
  if (result == 0) SyncFolder(FolderOf(target));
  return result;
}

}  // namespace kurvex
