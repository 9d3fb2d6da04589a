// kurvex-cli built without drawing (the Windows build): render says it cannot, and the command
// list says so too.
#include <gtest/gtest.h>

#include "process_runner.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::ProcessResult;
using test::RunProgram;

TEST(RenderUnavailableCliTest, RenderSaysItCannotDrawAndWritesNothing) {
  test::ScratchDir dir;
  ASSERT_EQ(RunProgram(KURVEX_CLI, {"new", dir.Path("a.kurv")}).exit_status, 0);
  const ProcessResult render =
      RunProgram(KURVEX_CLI, {"render", dir.Path("a.kurv"), dir.Path("a.png")});
  EXPECT_EQ(render.exit_status, 1);
  EXPECT_EQ(render.out, "");
  EXPECT_EQ(render.err,
            "kurvex-cli render: not available in this build (drawing without a window needs "
            "EGL)\nkurvex-cli export-obj writes what the preview draws of a course as a model.\n");
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"a.kurv"});

  const ProcessResult help = RunProgram(KURVEX_CLI, {"--help"});
  EXPECT_NE(help.out.find("  render      Draw one preview frame (not available in this build)\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kurvex
