// kurvex-cli export-obj, run as a program: the model with its library, the pictures with
// textures, the settings obeyed; refusals of bad arguments and unreadable inputs.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/file_io.h"
#include "obj_model.h"
#include "preview/settings_file.h"
#include "process_runner.h"
#include "rom/texture_dump.h"
#include "scratch_dir.h"
#include "synthetic_textures.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::ObjModel;
using test::ProcessResult;
using test::ReadObjModel;
using test::RunProgram;
using test::ScratchDir;

class ModelCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RunProgram(KURVEX_CLI, {"new", Path("new.kurv")}).exit_status, 0);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static ProcessResult Export(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"export-obj"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(KURVEX_CLI, all);
  }
  int SurfaceFaces(const ObjModel& model) {
    int count = 0;
    for (const auto& face : model.faces) count += face.group.find("_surface") != std::string::npos;
    return count;
  }

  const ScratchDir scratch_;
  const fs::path dir_ = scratch_.path();
};

TEST_F(ModelCliTest, WritesTheModelItsLibraryAndWithTexturesThePictures) {
  ProcessResult result = Export({Path("new.kurv"), Path("plain.obj")});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  const ObjModel plain = ReadObjModel(Path("plain.obj"));
  EXPECT_TRUE(plain.problems.empty()) << plain.problems.front();
  EXPECT_GT(SurfaceFaces(plain), 100);
  for (const auto& [material, file] : plain.texture_files) EXPECT_EQ(file, "") << material;
  EXPECT_FALSE(fs::exists(Path("track-venue00-01.png")));

  std::string detail;
  ASSERT_EQ(DoSaveTex(Path("plain.tex"), test::MakeSyntheticTextureStore(), &detail),
            TexDumpResult::kOk);
  Settings settings;
  settings.graphics.track_surface = false;
  const std::vector<uint8_t> bytes = EncodeSettings(settings);
  ASSERT_TRUE(WriteFileAtomically(Path("opts.cfg"), bytes.data(), bytes.size()));
  result = Export({Path("new.kurv"), Path("textured.OBJ"), "--textures", Path("plain.tex"),
                   "--settings", Path("opts.cfg")});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  const ObjModel textured = ReadObjModel(Path("textured.OBJ"));
  EXPECT_TRUE(textured.problems.empty()) << textured.problems.front();
  EXPECT_TRUE(fs::exists(Path("textured.mtl")));
  EXPECT_EQ(SurfaceFaces(textured), 0);
  EXPECT_EQ(textured.faces.size(), plain.faces.size() - SurfaceFaces(plain));
  int pictures = 0;
  for (const auto& [material, file] : textured.texture_files) pictures += !file.empty();
  EXPECT_GT(pictures, 0);
}

TEST_F(ModelCliTest, BadArgumentsAreUsageErrorsAndWriteNothing) {
  const std::string course = Path("new.kurv");
  const std::string out = Path("out.obj");
  const std::vector<std::vector<std::string>> bad = {
      {},
      {course},
      {course, Path("out.stl")},
      {course, out, "extra"},
      {course, out, "--textures"},
      {course, out, "--scale", "2"},
  };
  for (const auto& args : bad) {
    const ProcessResult result = Export(args);
    EXPECT_EQ(result.exit_status, 2) << (args.empty() ? "" : args.back());
    EXPECT_NE(result.err.find("kurvex-cli export-obj"), std::string::npos) << result.err;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// A course file may have any name; the model never replaces an input.
TEST_F(ModelCliTest, TheModelAndItsLibraryNeverReplaceAnInput) {
  const std::string course = Path("new.kurv");
  fs::copy_file(course, Path("course.obj"));
  fs::copy_file(course, Path("course.mtl"));
  const ProcessResult same = Export({Path("course.obj"), Path("course.obj")});
  EXPECT_EQ(same.exit_status, 1);
  EXPECT_EQ(same.err.rfind(Path("course.obj") + ": is one of this command's inputs\n", 0), 0u)
      << same.err;
  const ProcessResult library =
      Export({course, Path("course.obj"), "--settings", Path("course.mtl")});
  EXPECT_EQ(library.exit_status, 1);
  // After the notice that the course is no settings file.
  EXPECT_NE(library.err.find("\n" + Path("course.mtl") + ": is one of this command's inputs\n"),
            std::string::npos)
      << library.err;
  EXPECT_EQ(fs::file_size(Path("course.obj")), fs::file_size(course));
  EXPECT_EQ(fs::file_size(Path("course.mtl")), fs::file_size(course));
}

TEST_F(ModelCliTest, UnreadableInputsAndUnwritableOutputsFailWithTheirMessage) {
  const std::string out = Path("out.obj");
  ProcessResult result = Export({Path("missing.kurv"), out});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err.rfind(Path("missing.kurv") + ": ", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("\nError: File not found\n"), std::string::npos) << result.err;
  const std::vector<uint8_t> short_file(100, 0);
  ASSERT_TRUE(WriteFileAtomically(Path("bad.tex"), short_file.data(), short_file.size()));
  result = Export({Path("new.kurv"), out, "--textures", Path("bad.tex")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.err.find("texture dump"), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(out));

  // A settings file that cannot be read is a notice: the defaults draw the model.
  result = Export({Path("new.kurv"), out, "--settings", Path("missing.cfg")});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_NE(result.err.find("missing.cfg"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("Unable to load settings"), std::string::npos) << result.err;
  EXPECT_TRUE(fs::exists(out));

  result = Export({Path("new.kurv"), Path("missing/out.obj")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err.rfind(Path("missing/out.mtl") + ": No such file or directory\n", 0), 0u)
      << result.err;
  EXPECT_NE(result.err.find("\nError: File access error\n"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace kurvex
