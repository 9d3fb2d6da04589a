// The render command of a build without OpenGL drawing (the Windows build has no EGL): it says
// so, and points to the model export, which needs no drawing.
#include <cstdio>

#include "cli/cli.h"

namespace kurvex::cli {

bool RenderAvailable() { return false; }

int RunRender(const Args&) {
  std::fputs(
      "kurvex-cli render: not available in this build (drawing without a window needs EGL)\n"
      "kurvex-cli export-obj writes what the preview draws of a course as a model.\n",
      stderr);
  return kExitFailed;
}

}  // namespace kurvex::cli
