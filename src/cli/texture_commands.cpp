// The textures command: the texture store from a ROM or a texture dump, written as a texture dump
// or as one PNG file per texture.
#include <filesystem>
#include <system_error>

#include "cli/cli.h"
#include "cli/options.h"
#include "course/message.h"
#include "course/path_text.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_export.h"
#include "rom/texture_loader.h"
#include "rom/texture_source.h"

namespace kurvex::cli {

namespace {

bool IsTextureDumpName(const std::string& path) {
  return path.size() >= 4 && TexDumpSaveName(path) == path;
}

int ExportPngs(const TextureStore& store, const std::string& folder, const InputFiles& inputs) {
  const Message message =
      MakeMessage("Error: File access error", {"The texture pictures could not be written."});
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::u8path(folder), made);
  if (made) return Fail(message, PathText(folder) + ": " + made.message());
  std::string reason;
  if (!ExportTexturePngs(store, folder, &reason, inputs)) return Fail(message, reason);
  return kExitOk;
}

}  // namespace

int RunTextures(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("textures", args, {{"--png", true}}, &parsed);
      status != kExitOk) {
    return status;
  }
  const bool png = parsed.Has("--png");
  const Args& paths = parsed.positional;
  if (paths.size() != (png ? 1u : 2u) || parsed.options.size() > 1) {
    return UsageError("textures", "expects a source and OUT.tex, or a source, --png and a folder");
  }
  if (!png && !IsTextureDumpName(paths[1])) return UsageError("textures", "OUT must end in .tex");
  TextureStore store;
  const FileOutcome loaded = LoadTextureSource(paths[0], store);
  if (!loaded.ok) return Fail(loaded);
  const InputFiles inputs{paths[0]};
  if (png) return ExportPngs(store, parsed.options[0].second, inputs);
  std::string reason;
  const TexDumpResult saved = DoSaveTex(paths[1], store, &reason, inputs);
  if (saved != TexDumpResult::kOk) return Fail(TexDumpMessage(saved), reason);
  return kExitOk;
}

}  // namespace kurvex::cli
