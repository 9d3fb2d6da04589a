// The ROM layer's costs: identifying an image (one 16 MiB read), decoding all 24 slots, the
// header checksum, and a full patch of 24 slots with checksum into a 16 MiB output.
#include <benchmark/benchmark.h>

#include "course/course_files.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom/rom_patch.h"
#include "rom_builder.h"
#include "test_courses.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::TestRom;

// One V64 image (the slower byte order) on disk and in memory, shared by every benchmark.
struct Fixture {
  Fixture() {
    built.Write(dir.Path("in.v64"), true);
    rom.OpenRom(dir.Path("in.v64"));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      Course course = test::SeededRingCourse(64, slot);
      course.Name = "BENCH " + std::to_string(slot);
      request.course_files[slot - 1] = dir.Path(std::to_string(slot) + ".kurv");
      SaveKurvFile(request.course_files[slot - 1], course);
    }
    request.input_path = dir.Path("in.v64");
    request.output_path = dir.Path("out.v64");
    request.checksum = true;
  }
  test::ScratchDir dir;
  TestRom built = TestRom::Filled('E');
  RomImage rom;
  PatchRequest request;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_IdentifyRom(benchmark::State& state) {
  const std::string path = Shared().request.input_path;
  for (auto _ : state) {
    RomImage rom;
    benchmark::DoNotOptimize(rom.OpenRom(path));
  }
}
BENCHMARK(BM_IdentifyRom)->Unit(benchmark::kMillisecond);

void BM_DecodeAllSlots(benchmark::State& state) {
  const RomImage& rom = Shared().rom;
  for (auto _ : state) {
    RomTables tables;
    ReadRomTables(rom, tables);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      Course course;
      benchmark::DoNotOptimize(DecodeCourse(slot, rom, tables, course));
    }
  }
}
BENCHMARK(BM_DecodeAllSlots)->Unit(benchmark::kMicrosecond);

void BM_HeaderChecksum(benchmark::State& state) {
  const RomImage& rom = Shared().rom;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeHeaderChecksum(rom));
}
BENCHMARK(BM_HeaderChecksum)->Unit(benchmark::kMillisecond);

void BM_PatchAllSlotsWithChecksum(benchmark::State& state) {
  const PatchRequest& request = Shared().request;
  for (auto _ : state) {
    const PatchOutcome outcome = PatchRom(request);
    if (outcome.code != kPatchOk) state.SkipWithError(outcome.message.Text().c_str());
  }
}
BENCHMARK(BM_PatchAllSlotsWithChecksum)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kurvex
