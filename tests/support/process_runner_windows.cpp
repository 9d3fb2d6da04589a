// RunProgram on Windows: CreateProcessW with standard output and error in temporary files and
// standard input from NUL, waited for with a time limit.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "course/windows_text.h"
#include "process_runner.h"

namespace kurvex::test {

namespace {

// A temporary file for one stream of the child, inheritable, removed with the object.
struct StreamFile {
  explicit StreamFile(const std::wstring& path_in, DWORD disposition = CREATE_ALWAYS)
      : path(path_in) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~StreamFile() {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    if (remove) ::DeleteFileW(path.c_str());
  }
  std::string Contents() {
    ::CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::wstring path;
  HANDLE handle;
  bool remove = true;
};

std::wstring TempPath(const wchar_t* stream) {
  static unsigned count = 0;
  return (std::filesystem::temp_directory_path() /
          (L"kurvex-run-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(++count) + L"." + stream))
      .wstring();
}

// One argument as the C runtime of the child will split it again.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const RunOptions& options) {
  ProcessResult result;
  StreamFile out(options.stdout_path.empty() ? TempPath(L"out") : WideFromUtf8(options.stdout_path),
                 options.stdout_path.empty() ? CREATE_ALWAYS : OPEN_EXISTING);
  out.remove = options.stdout_path.empty();
  StreamFile err(TempPath(L"err"));
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const HANDLE null_in = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       &inherit, OPEN_EXISTING, 0, nullptr);
  if (out.handle == INVALID_HANDLE_VALUE || err.handle == INVALID_HANDLE_VALUE) return result;

  std::wstring command_line = Quoted(WideFromUtf8(program));
  for (const std::string& arg : args) command_line += L" " + Quoted(WideFromUtf8(arg));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = null_in;
  startup.hStdOutput = out.handle;
  startup.hStdError = err.handle;
  PROCESS_INFORMATION process = {};
  const bool started =
      ::CreateProcessW(WideFromUtf8(program).c_str(), command_line.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  ::CloseHandle(null_in);
  if (!started) return result;
  if (::WaitForSingleObject(process.hProcess, options.timeout_seconds * 1000) == WAIT_TIMEOUT) {
    result.timed_out = true;
    ::TerminateProcess(process.hProcess, 1);
    ::WaitForSingleObject(process.hProcess, INFINITE);
  } else {
    DWORD code = 0;
    if (::GetExitCodeProcess(process.hProcess, &code)) result.exit_status = static_cast<int>(code);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  if (options.stdout_path.empty()) result.out = out.Contents();
  result.err = err.Contents();
  return result;
}

}  // namespace kurvex::test
