#pragma once
// Conversions between the editor's game text (one code per character) and the bytes the game's
// name and description tables hold. Descriptions depend on the region letter of the image:
// 'J' (Japanese) or any other ('E', 'P').

#include <string>

namespace kurvex {

std::string DecodeRomName(const std::string& raw);
std::string EncodeRomName(const std::string& name);
std::string DecodeRomText(const std::string& raw, char region);
std::string EncodeRomText(const std::string& text, char region);

// What a name or a description looks like after a trip through the ROM.
inline std::string NormaliseName(const std::string& name) {
  return DecodeRomName(EncodeRomName(name));
}
inline std::string NormaliseText(const std::string& text, char region) {
  return DecodeRomText(EncodeRomText(text, region), region);
}

}  // namespace kurvex
