#include "rom/texture_source.h"

#include <filesystem>
#include <system_error>

#include "course/path_text.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"

namespace kurvex {

bool IsTextureDumpPath(const std::string& path) {
  if (path.size() >= 4 && TexDumpSaveName(path) == path) return true;
  std::error_code error;
  const auto size = std::filesystem::file_size(std::filesystem::u8path(path), error);
  return !error && size == kTexDumpSize;
}

FileOutcome LoadTextureSource(const std::string& path, TextureStore& store) {
  FileOutcome outcome;
  if (IsTextureDumpPath(path)) {
    const TexDumpResult result = DoLoadTex(path, store, &outcome.reason);
    outcome.ok = result == TexDumpResult::kOk;
    if (!outcome.ok) outcome.message = TexDumpMessage(result);
    return outcome;
  }
  RomImage rom;
  const int16_t code = rom.OpenRom(path, &outcome.reason);
  if (code != kRomOk) return {false, FileCheck(code, rom.region_byte()), outcome.reason, {}};
  std::string detail;
  const TextureLoadResult result = LoadRomTextures(rom, store, &detail);
  if (result != TextureLoadResult::kOk) {
    return {false,
            TextureLoadMessage(result, detail),
            PathText(path) + ": " + TextureLoadResultText(result),
            {}};
  }
  return {};
}

}  // namespace kurvex
