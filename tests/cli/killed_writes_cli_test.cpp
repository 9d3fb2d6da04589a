// kurvex-cli killed (SIGKILL) at random moments while it writes: convert, patch, export-obj and
// textures --png. A kill may leave the old output or the complete new one, never a half-written
// file, and hardly ever a temporary file: while the bytes are written the temporary file has no
// name, so only a kill in the instant between naming it and the rename can leave one.
//
// The ctest run kills each command twice. For the full measurement, set the number of kills per
// command, and optionally another kurvex-cli to compare with:
//   KURVEX_KILLS_PER_COMMAND=19 KURVEX_CLI_UNDER_TEST=/path/to/kurvex-cli \
//     build/tests/cli/killed_writes_cli_tests
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "course/course_files.h"
#include "process_runner.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "test_courses.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Job {
  std::string name;
  std::string folder;  // where the command writes, emptied before each run
  std::vector<std::string> args;
};

int KillsPerCommand() {
  const char* text = std::getenv("KURVEX_KILLS_PER_COMMAND");
  const int kills = text == nullptr ? 0 : std::atoi(text);
  return kills > 0 ? kills : 2;
}

std::string CliUnderTest() {
  const char* other = std::getenv("KURVEX_CLI_UNDER_TEST");
  return other != nullptr && *other != '\0' ? other : KURVEX_CLI;
}

pid_t Start(const std::string& program, const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  const int null = ::open("/dev/null", O_RDWR);
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) ::dup2(null, fd);
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

using Files = std::map<std::string, std::vector<uint8_t>>;

// The files of the folder by name; hidden names are temporary files a killed write left behind.
Files FilesIn(const std::string& folder, int* hidden) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name[0] == '.') {
      ++*hidden;
    } else {
      files[name] = test::FileBytes(entry.path().string());
    }
  }
  return files;
}

void Empty(const std::string& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
}

class KilledWritesCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::BuildTextureRom('E', test::MakeTextureRomSource(5)).Write(Path("t.z64")));
    ASSERT_TRUE(test::TestRom::Filled('E').Write(Path("r.z64")));
    ASSERT_TRUE(SaveKurvFile(Path("c.kurv"), test::FullFeatureCourse()).ok);
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }

  std::vector<Job> Jobs() const {
    return {
        {"convert", Path("convert"), {"convert", Path("c.kurv"), Path("convert/c.txt")}},
        {"patch",
         Path("patch"),
         {"patch", Path("r.z64"), Path("patch/o.z64"), "--slot", "1=" + Path("c.kurv")}},
        {"export-obj",
         Path("obj"),
         {"export-obj", Path("c.kurv"), Path("obj/m.obj"), "--textures", Path("t.z64")}},
        {"textures --png", Path("png"), {"textures", Path("t.z64"), "--png", Path("png")}},
    };
  }

  test::ScratchDir dir_;
};

TEST_F(KilledWritesCliTest, AKilledWriteLeavesNoTemporaryFile) {
  const std::string cli = CliUnderTest();
  const int kills = KillsPerCommand();
  std::minstd_rand random(20261207);
  int total_leftovers = 0;
  for (const Job& job : Jobs()) {
    // How long an undisturbed run takes; the kills fall anywhere within it.
    Empty(job.folder);
    const Clock::time_point begun = Clock::now();
    const test::ProcessResult whole = test::RunProgram(cli, job.args);
    ASSERT_EQ(whole.exit_status, 0) << job.name << ": " << whole.err;
    const auto duration =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun).count();
    int leftovers = 0;
    const Files complete = FilesIn(job.folder, &leftovers);
    std::uniform_int_distribution<long> moment(0, duration);
    for (int kill = 0; kill < kills; ++kill) {
      Empty(job.folder);
      const pid_t pid = Start(cli, job.args);
      std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
      ::kill(pid, SIGKILL);
      int status = 0;
      ::waitpid(pid, &status, 0);
      // Every file there is whole: the one a complete run writes.
      for (const auto& [name, bytes] : FilesIn(job.folder, &leftovers)) {
        EXPECT_TRUE(complete.count(name) && complete.at(name) == bytes) << job.name << ": " << name;
      }
    }
    std::printf("%-15s %d kills, %d temporary files left\n", job.name.c_str(), kills, leftovers);
    total_leftovers += leftovers;
  }
  std::printf("all            %d kills, %d temporary files left\n", 4 * kills, total_leftovers);
  EXPECT_LE(total_leftovers, 1);
}

}  // namespace
}  // namespace kurvex
