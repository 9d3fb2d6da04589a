// The safe writer's system part on Windows: wide-character paths, a temporary file beside the
// target, FlushFileBuffers, then ReplaceFileW over an existing file (which keeps its security
// and attributes) or MoveFileExW for a new one.
#include <sys/stat.h>
#include <windows.h>

#include <filesystem>

#include "course/file_read.h"
#include "course/file_write_system.h"
#include "course/path_text.h"
#include "course/windows_text.h"

namespace kurvex::file_write_system {

namespace {

constexpr size_t kMaxTempNameStem = 200;  // leaves room for "." and ".XXXXXX" within MAX_PATH
constexpr int kTempNameTries = 100;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool Fail(std::string* error, const std::string& path, DWORD code) {
  if (error) *error = PathText(path) + ": " + SystemErrorText(code);
  return false;
}

// A handle on what the path names, links followed, without access to its contents: enough to
// ask its type, identity and final name. INVALID_HANDLE_VALUE when there is nothing there.
HANDLE OpenToInspect(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// "a folder" and "a device" as the reader names them; 0 for a file on disk, whose attributes
// go to *attributes.
unsigned NotRegularMode(HANDLE handle, DWORD* attributes) {
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    return ::GetFileType(handle) == FILE_TYPE_PIPE ? _S_IFIFO : _S_IFCHR;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(handle, &info)) return 0;
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return _S_IFDIR;
  *attributes = info.dwFileAttributes;
  return 0;
}

// The attributes a replacement takes over from the file it replaces: Windows's share of a
// file's mode. Read-only is not among them: such a file cannot be replaced.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Six letters and digits that differ between calls and processes.
std::wstring TempSuffix(unsigned attempt) {
  static const wchar_t kChars[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  uint64_t mix = static_cast<uint64_t>(counter.QuadPart) * 6364136223846793005ULL +
                 ::GetCurrentProcessId() * 1442695040888963407ULL + attempt * 0x9E3779B97F4A7C15ULL;
  std::wstring suffix;
  for (int i = 0; i < 6; ++i) {
    suffix += kChars[mix % 62];
    mix /= 62;
  }
  return suffix;
}

// Creates the temporary file ".NAME.XXXXXX" beside the target, for writing only by us.
HANDLE CreateTemporary(const std::filesystem::path& target, std::wstring* temp) {
  const std::wstring stem = target.filename().wstring().substr(0, kMaxTempNameStem);
  for (unsigned attempt = 0; attempt < kTempNameTries; ++attempt) {
    *temp = (target.parent_path() / (L"." + stem + L"." + TempSuffix(attempt))).wstring();
    const HANDLE handle = ::CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE handle, const uint8_t* data, size_t size) {
  while (size > 0) {
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!::WriteFile(handle, data, chunk, &written, nullptr)) return false;
    data += written;
    size -= written;
  }
  return true;
}

// Puts the temporary file in the target's place. ReplaceFileW keeps the old file's security,
// attributes and streams; where it cannot (some file systems), or where it has already moved
// the old file away, a plain replacing move finishes the job.
bool MoveIntoPlace(const std::wstring& temp, const std::wstring& target, bool exists) {
  if (exists && ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return true;
  }
  if (exists && ::GetLastError() == ERROR_UNABLE_TO_REMOVE_REPLACED) return false;
  return ::MoveFileExW(temp.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

bool FollowLinks(const std::string& path, std::string* target, std::string* error) {
  const HANDLE handle = OpenToInspect(WideFromUtf8(path));
  if (handle == INVALID_HANDLE_VALUE) {
    // A loop of links is refused; otherwise the path names the file to make (or one the
    // writer will be refused).
    const DWORD code = ::GetLastError();
    if (code == ERROR_CANT_RESOLVE_FILENAME) return Fail(error, path, code);
    *target = path;
    return true;
  }
  std::wstring final_name(MAX_PATH, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(handle, final_name.data(),
                                             static_cast<DWORD>(final_name.size()), 0);
  if (length >= final_name.size()) {
    final_name.resize(length + 1);
    length = ::GetFinalPathNameByHandleW(handle, final_name.data(),
                                         static_cast<DWORD>(final_name.size()), 0);
  }
  ::CloseHandle(handle);
  // A device has no final name on disk; it is refused later by its type.
  if (length == 0 || length >= final_name.size()) {
    *target = path;
    return true;
  }
  final_name.resize(length);
  *target = Utf8FromWide(final_name);
  return true;
}

bool FileIdentity(const std::string& path, uint64_t* device, uint64_t* file) {
  const HANDLE handle = OpenToInspect(WideFromUtf8(path));
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = ::GetFileInformationByHandle(handle, &info) != 0;
  ::CloseHandle(handle);
  if (!known) return false;
  *device = info.dwVolumeSerialNumber;
  *file = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool ReplaceTarget(const std::string& path, const std::string& target, const uint8_t* data,
                   size_t size, std::string* error) {
  const std::wstring wide_target = WideFromUtf8(target);
  bool exists = false;
  DWORD attributes = 0;
  const HANDLE old_file = OpenToInspect(wide_target);
  if (old_file != INVALID_HANDLE_VALUE) {
    const unsigned mode = NotRegularMode(old_file, &attributes);
    ::CloseHandle(old_file);
    if (mode != 0) {
      if (error) *error = PathText(path) + ": " + NotRegularText(mode);
      return false;
    }
    exists = true;
  }

  std::wstring temp;
  const HANDLE handle = CreateTemporary(std::filesystem::path(wide_target), &temp);
  if (handle == INVALID_HANDLE_VALUE) return Fail(error, path, ::GetLastError());
  bool ok = WriteAll(handle, data, size) && ::FlushFileBuffers(handle);
  DWORD code = ok ? ERROR_SUCCESS : ::GetLastError();
  if (!::CloseHandle(handle) && ok) {
    ok = false;
    code = ::GetLastError();
  }
  if (ok && (attributes & kKeptAttributes)) {
    ::SetFileAttributesW(temp.c_str(), attributes & kKeptAttributes);
  }
  if (ok && !MoveIntoPlace(temp, wide_target, exists)) {
    ok = false;
    code = ::GetLastError();
  }
  if (ok) return true;
  ::DeleteFileW(temp.c_str());
  return Fail(error, path, code);
}

}  // namespace kurvex::file_write_system
