#include "rom/texture_source.h"

#include <filesystem>
#include <system_error>

#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"

namespace kurvex {

bool IsTextureDumpPath(const std::string& path) {
  if (path.size() >= 4 && TexDumpSaveName(path) == path) return true;
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return !error && size == kTexDumpSize;
}

bool LoadTextureSource(const std::string& path, TextureStore& store, Message* message) {
  std::string detail;
  if (IsTextureDumpPath(path)) {
    const TexDumpResult result = DoLoadTex(path, store, &detail);
    if (result != TexDumpResult::kOk) *message = TexDumpMessage(result, detail);
    return result == TexDumpResult::kOk;
  }
  RomImage rom;
  const int16_t code = rom.OpenRom(path);
  if (code != kRomOk) {
    *message = FileCheck(code, rom.region_byte());
    return false;
  }
  const TextureLoadResult result = LoadRomTextures(rom, store, &detail);
  if (result != TextureLoadResult::kOk) *message = TextureLoadMessage(result, detail);
  return result == TextureLoadResult::kOk;
}

}  // namespace kurvex
