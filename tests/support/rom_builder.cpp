#include "rom_builder.h"

#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "course/file_io.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex::test {

namespace {

constexpr size_t kImageSize = 0x1000000;

const TestLayout kJ = {0x2AD660,
                       {0x67430, 0x6E3F0, 400, 0x800D43F0},
                       {0xDF8D8, 0xDF960, 428, 0x80118DE0},
                       {0xD3D58, 0xD3A00, 800, 0x80140390},
                       0x695C8};
const TestLayout kE = {0x2AD1E0,
                       {0x673D0, 0x6E310, 400, 0x800D4310},
                       {0xDFC28, 0xDFCB0, 428, 0x80119550},
                       {0xD4128, 0xD3DD0, 800, 0x80140B00},
                       0x694D8};
const TestLayout kP = {0x2BFE30,
                       {0x5A1F0, 0x60C90, 400, 0x800C6C90},
                       {0xF1618, 0xF16A0, 368, 0x80125D30},
                       {0xE5BA8, 0xE5850, 800, 0x8014C3C0},
                       0x5C2FC};

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes[at] = static_cast<uint8_t>(value >> 8);
  bytes[at + 1] = static_cast<uint8_t>(value);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Put16(bytes, at, value >> 16);
  Put16(bytes, at + 2, value & 0xFFFF);
}

}  // namespace

const TestLayout& TestRom::layout() const { return region_ == 'J' ? kJ : region_ == 'P' ? kP : kE; }

TestRom::TestRom(char region) : region_(region), z64_(kImageSize, 0) {
  const uint8_t magic[] = {0x80, 0x37, 0x12, 0x40};
  std::memcpy(z64_.data(), magic, sizeof magic);
  std::memcpy(z64_.data() + 0x20, "F-ZERO X            ", 20);
  z64_[0x3E] = static_cast<uint8_t>(region);
  for (uint32_t guard : Guards()) z64_[guard] = 0xEE;
  SetNames({});
  SetDescriptions({});
  SetHorizons({});
}

TestRom TestRom::Filled(char region) {
  TestRom rom(region);
  TestTexts names, descriptions;
  TestHorizonLists horizons;
  for (int slot = 1; slot <= 24; ++slot) {
    rom.SetRecord(slot, RecordOf(SeededRingCourse(4 + slot % 20, slot)));
    names[slot - 1] = "ring " + std::to_string(slot);
    descriptions[slot - 1] = "Lap " + std::to_string(slot) + ".";
    for (int h = 1; h <= slot % 4; ++h) {
      horizons[slot - 1].push_back({static_cast<uint8_t>(slot + h), 30.0f * h});
    }
    rom.z64_[rom.layout().music + slot - 1] = static_cast<uint8_t>(slot % 9);
  }
  rom.SetNames(names);
  rom.SetDescriptions(descriptions);
  rom.SetHorizons(horizons);
  return rom;
}

std::vector<uint32_t> TestRom::Guards() const {
  std::vector<uint32_t> guards = {layout().music + 24};
  for (const TestTable* t : {&layout().names, &layout().descriptions, &layout().horizons}) {
    guards.insert(guards.end(), {t->pointers + 96, t->block + t->size});
  }
  return guards;
}

void TestRom::Put(size_t z64_offset, const std::vector<uint8_t>& bytes) {
  if (z64_offset + bytes.size() > z64_.size()) throw std::out_of_range("TestRom::Put");
  std::memcpy(z64_.data() + z64_offset, bytes.data(), bytes.size());
}

void TestRom::PutU32(size_t z64_offset, uint32_t value) { Put32(z64_, z64_offset, value); }

void TestRom::SetTexts(const TestTable& table, const TestTexts& raw) {
  std::memset(z64_.data() + table.block, 0, table.size);
  uint32_t p = 0;
  for (int s = 0; s < 24; ++s) {
    if (p + raw[s].size() + 1 > table.size) throw std::length_error("TestRom text block full");
    PutU32(table.pointers + 4 * s, table.address + p);
    std::memcpy(z64_.data() + table.block + p, raw[s].data(), raw[s].size());
    p += static_cast<uint32_t>(raw[s].size()) + 1;
  }
}

void TestRom::SetHorizons(const TestHorizonLists& lists) {
  const TestTable& table = layout().horizons;
  std::memset(z64_.data() + table.block, 0, table.size);
  uint32_t p = 0;
  for (int s = 0; s < 24; ++s) {
    if (p + 8 * (lists[s].size() + 1) > table.size) {
      throw std::length_error("TestRom horizon block full");
    }
    PutU32(table.pointers + 4 * s, table.address + p);
    for (const TestHorizon& h : lists[s]) {
      z64_[table.block + p + 1] = h.image;
      PutU32(table.block + p + 4, Bits(h.angle));
      p += 8;
    }
    p += 8;
  }
}

std::vector<uint8_t> TestRom::Image(bool v64) const {
  std::vector<uint8_t> image = z64_;
  for (size_t i = 0; v64 && i < image.size(); i += 2) std::swap(image[i], image[i + 1]);
  return image;
}

bool TestRom::Write(const std::string& path, bool v64) const {
  const std::vector<uint8_t> image = Image(v64);
  return WriteFileAtomically(path, image.data(), image.size());
}

std::vector<uint8_t> RecordOf(const Course& c) {
  std::vector<uint8_t> r(2016, 0);
  r[0] = c.HeaderByte;
  r[1] = c.PointCount;
  r[2] = c.Venue;
  r[3] = c.Sky;
  const PointArray<uint8_t>* features[] = {&c.PitArea,  &c.DashPlate, &c.DartZone,
                                           &c.SlipZone, &c.JumpPlate, &c.TrapField,
                                           &c.Gate,     &c.Structure, &c.Decoration};
  for (int i = 1; i <= c.PointCount && i <= kMaxPoints; ++i) {
    const CtlPoint& p = c.Points[i];
    const size_t at = 32 + 20 * (i - 1);
    Put32(r, at, Bits(p.X));
    Put32(r, at + 4, Bits(p.Y));
    Put32(r, at + 8, Bits(p.Z));
    Put16(r, at + 12, p.LeftWidth);
    Put16(r, at + 14, p.RightWidth);
    Put16(r, at + 16, p.TrackFlags);
    Put16(r, at + 18, p.TrackCode);
    Put16(r, 1312 + 2 * (i - 1), c.Banking[i]);
    for (int k = 0; k < 9; ++k) r[1440 + 64 * k + (i - 1)] = (*features[k])[i];
  }
  return r;
}

}  // namespace kurvex::test
