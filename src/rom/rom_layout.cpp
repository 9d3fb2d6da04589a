#include "rom/rom_layout.h"

#include <cctype>

#include "course/course.h"

namespace kurvex {

namespace {

constexpr RegionLayout kJapanese = {
    0x2AD660,
    {0x67430, 0x6E3F0, 400, 0x800D43F0},
    {0xDF8D8, 0xDF960, 428, 0x80118DE0},
    {0xD3D58, 0xD3A00, 800, 0x80140390},
    0x695C8,
};

constexpr RegionLayout kNorthAmerican = {
    0x2AD1E0,
    {0x673D0, 0x6E310, 400, 0x800D4310},
    {0xDFC28, 0xDFCB0, 428, 0x80119550},
    {0xD4128, 0xD3DD0, 800, 0x80140B00},
    0x694D8,
};

constexpr RegionLayout kPal = {
    0x2BFE30,
    {0x5A1F0, 0x60C90, 400, 0x800C6C90},
    {0xF1618, 0xF16A0, 368, 0x80125D30},
    {0xE5BA8, 0xE5850, 800, 0x8014C3C0},
    0x5C2FC,
};

const char* const kCups[] = {"Jack", "Queen", "King", "Joker"};

std::string Lower(const std::string& text) {
  std::string lower;
  for (char ch : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

}  // namespace

const RegionLayout* RegionLayoutFor(char region) {
  switch (region) {
    case 'J':
      return &kJapanese;
    case 'E':
      return &kNorthAmerican;
    case 'P':
      return &kPal;
    default:
      return nullptr;
  }
}

uint32_t CourseRecordOffset(int slot, char region) {
  const RegionLayout* layout = RegionLayoutFor(region);
  if (!layout || slot < 1 || slot > kSlotCount) return 0;
  return layout->course_records + static_cast<uint32_t>(slot - 1) * kRawRecordSize;
}

std::string RegionName(char region) {
  switch (region) {
    case 'J':
      return "Japanese";
    case 'E':
      return "North American";
    case 'P':
      return "PAL";
    default:
      return "";
  }
}

std::string CupName(int number) {
  if (number < 0 || number >= kSlotCount) return "";
  return kCups[number / 6];
}

std::string SlotName(int slot) {
  if (slot < 1 || slot > kSlotCount) return "";
  return CupName(slot - 1) + " " + std::to_string((slot - 1) % 6 + 1);
}

int SlotFromText(const std::string& text) {
  if (!text.empty() && text.size() <= 2 && std::isdigit(static_cast<unsigned char>(text[0])) &&
      std::isdigit(static_cast<unsigned char>(text.back()))) {
    const int slot = std::stoi(text);
    return slot >= 1 && slot <= kSlotCount ? slot : 0;
  }
  const std::string wanted = Lower(text);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::string cup = Lower(CupName(slot - 1));
    const std::string number = std::to_string((slot - 1) % 6 + 1);
    if (wanted == cup + number || wanted == cup + " " + number) return slot;
  }
  return 0;
}

}  // namespace kurvex
