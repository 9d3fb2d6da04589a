// The textures command: the texture store from a ROM or a texture dump, written as a texture dump
// or as one PNG file per texture.
#include <filesystem>
#include <system_error>

#include "cli/cli.h"
#include "course/message.h"
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

bool ExportPngs(const TextureStore& store, const std::string& folder, Message* message) {
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  std::string detail;
  if (made) {
    detail = folder + ": " + made.message();
  } else if (ExportTexturePngs(store, folder, &detail)) {
    return true;
  }
  *message = MakeMessage("Error: File access error",
                         {"The texture pictures could not be written:", detail});
  return false;
}

}  // namespace

int RunTextures(const Args& args) {
  const bool png = args.size() == 3 && args[1] == "--png";
  if (!png && args.size() != 2) {
    return UsageError("textures", "expects a source and OUT.tex, or a source, --png and a folder");
  }
  if (!png && !IsTextureDumpName(args[1])) return UsageError("textures", "OUT must end in .tex");
  TextureStore store;
  Message message;
  if (!LoadTextureSource(args[0], store, &message)) return Fail(message);
  if (png) return ExportPngs(store, args[2], &message) ? kExitOk : Fail(message);
  std::string detail;
  const TexDumpResult saved = DoSaveTex(args[1], store, &detail);
  if (saved != TexDumpResult::kOk) return Fail(TexDumpMessage(saved, detail));
  return kExitOk;
}

}  // namespace kurvex::cli
