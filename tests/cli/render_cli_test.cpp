// kurvex-cli render, run as a program: a PNG of the frame, with the size, camera, settings and
// textures asked for; refusals of bad arguments and unreadable inputs.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/file_io.h"
#include "preview/settings_file.h"
#include "process_runner.h"
#include "rom/texture_dump.h"
#include "scratch_dir.h"
#include "synthetic_textures.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::RunProgram;

uint32_t BigEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// The pixels of an RGB PNG written as stored (uncompressed) deflate blocks.
struct Png {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  std::array<int, 3> At(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
  }
  int Count(int r, int g, int b) const {
    int count = 0;
    for (size_t p = 0; p + 2 < rgb.size(); p += 3) {
      count += rgb[p] == r && rgb[p + 1] == g && rgb[p + 2] == b;
    }
    return count;
  }
};

bool ReadStoredPng(const std::vector<uint8_t>& file, Png* png) {
  if (file.size() < 33 || file[1] != 'P' || file[2] != 'N' || file[3] != 'G') return false;
  png->width = static_cast<int>(BigEndian32(&file[16]));
  png->height = static_cast<int>(BigEndian32(&file[20]));
  if (file[24] != 8 || file[25] != 2) return false;  // 8-bit RGB
  std::vector<uint8_t> z;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = BigEndian32(&file[at]);
    if (std::string(file.begin() + at + 4, file.begin() + at + 8) == "IDAT") {
      z.insert(z.end(), file.begin() + at + 8, file.begin() + at + 8 + length);
    }
    at += 12 + length;
  }
  std::vector<uint8_t> raw;
  size_t at = 2;
  for (bool last = false; !last && at + 5 <= z.size();) {
    last = z[at] & 1;
    const size_t size = z[at + 1] | z[at + 2] << 8;
    raw.insert(raw.end(), z.begin() + at + 5, z.begin() + at + 5 + size);
    at += 5 + size;
  }
  const size_t row = static_cast<size_t>(png->width) * 3;
  if (raw.size() != (row + 1) * png->height) return false;
  for (int y = 0; y < png->height; ++y) {
    if (raw[y * (row + 1)] != 0) return false;
    png->rgb.insert(png->rgb.end(), raw.begin() + y * (row + 1) + 1,
                    raw.begin() + (y + 1) * (row + 1));
  }
  return true;
}

class RenderCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RunProgram(KURVEX_CLI, {"new", Path("new.kurv")}).exit_status, 0);
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  static test::ProcessResult Render(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"render"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(KURVEX_CLI, all);
  }
  Png Read(const std::string& path) {
    const std::vector<uint8_t> bytes = test::FileBytes(path);
    EXPECT_FALSE(bytes.empty()) << path;
    Png png;
    EXPECT_TRUE(ReadStoredPng(bytes, &png));
    return png;
  }
  // A settings file that draws nothing but the track, with the sky's clear colour.
  std::string BareSettingsFile() {
    Settings settings;
    for (LineSetting& line : settings.graphics.lines) line.enabled = false;
    settings.graphics.venue_floor = false;
    settings.graphics.sky_gradient = false;
    settings.graphics.horizon_images = false;
    const std::vector<uint8_t> bytes = EncodeSettings(settings);
    EXPECT_TRUE(WriteFileAtomically(Path("opts.cfg"), bytes.data(), bytes.size()));
    return Path("opts.cfg");
  }

  test::ScratchDir dir_;
};

TEST_F(RenderCliTest, WritesTheFrameAtTheDefaultSize) {
  const test::ProcessResult result = Render({Path("new.kurv"), Path("frame.png")});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  const Png png = Read(Path("frame.png"));
  EXPECT_EQ(png.width, 1280);
  EXPECT_EQ(png.height, 720);
  // From the default camera, high above the middle: the floor grid and the half-clear floor.
  EXPECT_NE(png.At(640, 360), (std::array<int, 3>{230, 115, 239}));
}

TEST_F(RenderCliTest, SizeCameraSettingsAndTexturesAreApplied) {
  const std::string settings = BareSettingsFile();
  // Looking at the horizon from beside the course: the sky above, no floor, no grid.
  test::ProcessResult result = Render({Path("new.kurv"), Path("sky.png"), "--size", "64x48",
                                       "--settings", settings, "--camera", "0,1,40,0,30,0"});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  Png png = Read(Path("sky.png"));
  ASSERT_EQ(png.width, 64);
  ASSERT_EQ(png.height, 48);
  EXPECT_EQ(png.At(2, 2), (std::array<int, 3>{230, 115, 239}));

  // Straight down on the new course's second point: white road, textured when textures come.
  std::string detail;
  ASSERT_EQ(DoSaveTex(Path("plain.tex"), test::MakeSyntheticTextureStore(), &detail),
            TexDumpResult::kOk);
  result = Render({Path("new.kurv"), Path("road.png"), "--size", "64x48", "--settings", settings,
                   "--camera", "5,3,0,0,270,0"});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  const int white = Read(Path("road.png")).Count(255, 255, 255);
  EXPECT_GT(white, 0);
  result = Render({Path("new.kurv"), Path("road.png"), "--size", "64x48", "--settings", settings,
                   "--camera", "5,3,0,0,270,0", "--textures", Path("plain.tex")});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  const int still_white = Read(Path("road.png")).Count(255, 255, 255);
  EXPECT_LT(still_white, white / 4);
}

TEST_F(RenderCliTest, BadArgumentsAreUsageErrorsAndWriteNothing) {
  const std::string course = Path("new.kurv");
  const std::string out = Path("out.png");
  const std::vector<std::vector<std::string>> bad = {
      {course},
      {course, Path("out.bmp")},
      {course, out, "--size", "0x10"},
      {course, out, "--size", "12"},
      {course, out, "--size", "20x10.5"},
      {course, out, "--camera", "1,2,3"},
      {course, out, "--camera", "1,2,3,4,5,x"},
      {course, out, "--time", "soon"},
      {course, out, "--time"},
      {course, out, "--size", "8193x16"},
      {course, out, "--size", "16384x16384"},
      {course, out, "--time", "nan"},
  };
  for (const auto& args : bad) {
    const test::ProcessResult result = Render(args);
    EXPECT_EQ(result.exit_status, 2) << args.back();
    EXPECT_NE(result.err.find("\nUsage: kurvex-cli render"), std::string::npos);
  }
  const test::ProcessResult unknown = Render({course, out, "--zoom", "2"});
  EXPECT_EQ(unknown.exit_status, 2);
  EXPECT_EQ(unknown.err,
            "kurvex-cli render: unknown option --zoom\nSee kurvex-cli render --help.\n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderCliTest, UnreadableInputsFailWithTheirMessage) {
  const std::string out = Path("out.png");
  test::ProcessResult result = Render({Path("missing.kurv"), out});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err.rfind(Path("missing.kurv") + ": No such file or directory\nError: ", 0), 0u)
      << result.err;
  const std::vector<uint8_t> short_file(100, 0);
  ASSERT_TRUE(WriteFileAtomically(Path("bad.tex"), short_file.data(), short_file.size()));
  result = Render({Path("new.kurv"), out, "--textures", Path("bad.tex")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.err.find("texture dump"), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(out));
}

// As in the editor, a settings file that cannot be read is a notice: the frame is drawn with
// the defaults.
TEST_F(RenderCliTest, AnUnreadableSettingsFileIsANoticeAndTheDefaultsApply) {
  test::ProcessResult result = Render({Path("new.kurv"), Path("default.png"), "--size", "32x24"});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  for (const std::string& settings : {Path("missing.cfg"), dir_.path()}) {
    result =
        Render({Path("new.kurv"), Path("noticed.png"), "--size", "32x24", "--settings", settings});
    EXPECT_EQ(result.exit_status, 0) << result.err;
    const std::string why =
        settings == dir_.path() ? "not a regular file (a folder)" : "No such file or directory";
    EXPECT_EQ(result.err, settings + ": " + why + "\nUnable to load settings\n");
    EXPECT_EQ(test::FileBytes(Path("noticed.png")), test::FileBytes(Path("default.png")));
  }
}

TEST_F(RenderCliTest, WithoutAnyGlItFailsWithAClearMessage) {
  // No EGL vendor library for the program to load: as on a machine without Mesa's EGL.
  ASSERT_EQ(::setenv("__EGL_VENDOR_LIBRARY_FILENAMES", Path("none.json").c_str(), 1), 0);
  const test::ProcessResult result = Render({Path("new.kurv"), Path("out.png")});
  ::unsetenv("__EGL_VENDOR_LIBRARY_FILENAMES");
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err.rfind("Error: No OpenGL\n", 0), 0u) << result.err;
  EXPECT_FALSE(fs::exists(Path("out.png")));
}

}  // namespace
}  // namespace kurvex
