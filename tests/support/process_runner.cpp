#include "process_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
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

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
  TempFile out, err;
  ProcessResult result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out.fd, STDOUT_FILENO);
    ::dup2(err.fd, STDERR_FILENO);
    const int null_in = ::open("/dev/null", O_RDONLY);
    ::dup2(null_in, STDIN_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  result.out = Slurp(out.path);
  result.err = Slurp(err.path);
  return result;
}

}  // namespace kurvex::test
