// DecodeMio0 throughput (bytes of output) on a block of about 200 KB, and a whole texture load
// from a synthetic image, alone and followed by a dump save.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <random>
#include <string>

#include "mio0_compressor.h"
#include "rom/mio0.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"
#include "texture_rom.h"

namespace {

// Texture-like data: runs of equal pixels mixed with noisy stretches.
std::vector<uint8_t> TextureLikeData(size_t size) {
  std::mt19937 random(42);
  std::vector<uint8_t> data(size);
  size_t i = 0;
  while (i < size) {
    const size_t run = 2 + random() % 24;
    const bool noisy = random() % 3 == 0;
    const uint8_t hi = static_cast<uint8_t>(random()), lo = static_cast<uint8_t>(random());
    for (size_t k = 0; k < run && i + 1 < size; ++k, i += 2) {
      data[i] = noisy ? static_cast<uint8_t>(random()) : hi;
      data[i + 1] = noisy ? static_cast<uint8_t>(random()) : lo;
    }
    if (i + 1 >= size) break;
  }
  return data;
}

void BM_DecodeMio0(benchmark::State& state) {
  const std::vector<uint8_t> data = TextureLikeData(200 * 1024);
  const std::vector<uint8_t> block = kurvex::test::CompressMio0(data);
  std::vector<uint8_t> out(data.size());
  for (auto _ : state) {
    size_t length = 0;
    const auto result =
        kurvex::DecodeMio0(block.data(), block.size(), out.data(), out.size(), &length);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
  state.counters["packed_ratio"] = static_cast<double>(block.size()) / data.size();
}
BENCHMARK(BM_DecodeMio0);

kurvex::RomImage& TestRom() {
  static kurvex::RomImage rom = [] {
    kurvex::RomImage image;
    image.Identify(
        kurvex::test::BuildTextureRom('E', kurvex::test::MakeTextureRomSource(1)).Image());
    return image;
  }();
  return rom;
}

void BM_LoadRomTextures(benchmark::State& state) {
  kurvex::TextureStore store;
  for (auto _ : state) {
    if (kurvex::LoadRomTextures(TestRom(), store) != kurvex::TextureLoadResult::kOk) {
      state.SkipWithError("load failed");
      break;
    }
  }
}
BENCHMARK(BM_LoadRomTextures)->Unit(benchmark::kMillisecond);

void BM_LoadRomTexturesAndSaveDump(benchmark::State& state) {
  kurvex::TextureStore store;
  const std::string path = "/tmp/kurvex_texture_bench_" + std::to_string(::getpid()) + ".tex";
  for (auto _ : state) {
    if (kurvex::LoadRomTextures(TestRom(), store) != kurvex::TextureLoadResult::kOk ||
        kurvex::DoSaveTex(path, store) != kurvex::TexDumpResult::kOk) {
      state.SkipWithError("load or save failed");
      break;
    }
  }
  ::unlink(path.c_str());
}
BENCHMARK(BM_LoadRomTexturesAndSaveDump)->Unit(benchmark::kMillisecond);

}  // namespace
