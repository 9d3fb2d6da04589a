// The reader's system part on Windows: wide-character paths, and the file's type asked of the
// open handle, so that a folder, a console or a pipe is told from a file on disk.
#include <sys/stat.h>
#include <windows.h>

#include "course/file_read.h"
#include "course/windows_text.h"

namespace kurvex {

namespace {

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

FileReadResult SystemRefusal(const std::string& path, std::string* reason) {
  const DWORD error = ::GetLastError();
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                       error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
  return RefuseRead(missing ? FileReadResult::kMissing : FileReadResult::kAccess, path,
                    SystemErrorText(error), reason);
}

// The kind of what the handle names, as a stat mode.
unsigned ModeOf(HANDLE handle) {
  switch (::GetFileType(handle)) {
    case FILE_TYPE_DISK: {
      BY_HANDLE_FILE_INFORMATION info;
      if (::GetFileInformationByHandle(handle, &info) &&
          (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return _S_IFDIR;
      }
      return _S_IFREG;
    }
    case FILE_TYPE_PIPE:
      return _S_IFIFO;
    default:
      return _S_IFCHR;
  }
}

}  // namespace

std::string NotRegularText(unsigned mode) {
  const unsigned kind = mode & _S_IFMT;
  const char* name = kind == _S_IFDIR ? "a folder" : kind == _S_IFIFO ? "a pipe" : "a device";
  return std::string("not a regular file (") + name + ")";
}

RegularFile::~RegularFile() {
  if (handle_ != -1) ::CloseHandle(Handle(handle_));
}

FileReadResult RegularFile::Open(const std::string& path, std::string* reason) {
  path_ = path;
  // Backup semantics lets a folder be opened, so that it is named as one; nothing is read
  // before the type is known.
  const HANDLE handle = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return SystemRefusal(path, reason);
  handle_ = reinterpret_cast<intptr_t>(handle);
  const unsigned mode = ModeOf(handle);
  if ((mode & _S_IFMT) != _S_IFREG) {
    return RefuseRead(FileReadResult::kNotRegular, path, NotRegularText(mode), reason);
  }
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(handle, &size)) return SystemRefusal(path, reason);
  size_ = static_cast<uint64_t>(size.QuadPart);
  return FileReadResult::kOk;
}

FileReadResult RegularFile::ReadSome(uint8_t* data, size_t size, size_t* got, std::string* reason) {
  // ReadFile takes a 32-bit count.
  const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
  DWORD read = 0;
  if (!::ReadFile(Handle(handle_), data, wanted, &read, nullptr)) {
    return SystemRefusal(path_, reason);
  }
  *got = read;
  return FileReadResult::kOk;
}

}  // namespace kurvex
