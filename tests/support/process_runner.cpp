#include "process_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace kurvex::test {

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A temporary file that disappears with the object.
struct TempFile {
  TempFile() {
    path = "/tmp/kurvex-run-XXXXXX";
    fd = ::mkstemp(path.data());
  }
  ~TempFile() {
    ::close(fd);
    ::unlink(path.c_str());
  }
  std::string path;
  int fd;
};

[[noreturn]] void RunChild(const std::string& program, const std::vector<std::string>& args,
                           int out_fd, int err_fd) {
  ::dup2(out_fd, STDOUT_FILENO);
  ::dup2(err_fd, STDERR_FILENO);
  const int null_in = ::open("/dev/null", O_RDONLY);
  ::dup2(null_in, STDIN_FILENO);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

// Waits for the child; kills it when the time is up.
int WaitWithTimeout(pid_t pid, int timeout_seconds, bool* timed_out) {
  const timespec pause = {0, 10 * 1000 * 1000};
  for (long waited_ms = 0;; waited_ms += 10) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) return status;
    if (waited_ms >= timeout_seconds * 1000L) {
      *timed_out = true;
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return status;
    }
    ::nanosleep(&pause, nullptr);
  }
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const RunOptions& options) {
  TempFile out, err;
  ProcessResult result;
  int out_fd = out.fd;
  if (!options.stdout_path.empty()) {
    out_fd = ::open(options.stdout_path.c_str(), O_WRONLY | O_CLOEXEC);
    if (out_fd < 0) return result;
  }
  const pid_t pid = ::fork();
  if (pid == 0) RunChild(program, args, out_fd, err.fd);
  if (out_fd != out.fd) ::close(out_fd);
  const int status = WaitWithTimeout(pid, options.timeout_seconds, &result.timed_out);
  if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  result.out = Slurp(out.path);
  result.err = Slurp(err.path);
  return result;
}

}  // namespace kurvex::test
