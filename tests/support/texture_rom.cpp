#include "texture_rom.h"

#include <random>
#include <stdexcept>
#include <string>

#include "mio0_compressor.h"

namespace kurvex::test {

namespace {

// The blocks' offsets in regions J, E and P, written out here on their own like the TestRom
// layouts: the track sets of venues 0..10, then floors, features, models and horizons.
const uint32_t kOffsets[3][15] = {
    {2315696, 2334464, 2355408, 2376208, 2402032, 2428016, 2446720, 2464384, 2488288, 2519200,
     2546688, 5049200, 2575472, 1494304, 5092304},
    {2314544, 2333312, 2354256, 2375056, 2400880, 2426864, 2445568, 2463232, 2487136, 2518048,
     2545536, 5045840, 2574320, 1493152, 5088944},
    {2391424, 2410192, 2431136, 2451936, 2477760, 2503744, 2522448, 2540112, 2564016, 2594928,
     2622416, 5122688, 2651200, 1570032, 5165792},
};

// Runs of 8 equal 16-bit pixels with random values (length is even).
std::vector<uint8_t> Runs(std::mt19937& random, size_t length) {
  std::vector<uint8_t> bytes(length);
  for (size_t i = 0; i < length; i += 16) {
    const uint8_t hi = static_cast<uint8_t>(random()), lo = static_cast<uint8_t>(random());
    for (size_t k = i; k < i + 16 && k < length; k += 2) {
      bytes[k] = hi;
      bytes[k + 1] = lo;
    }
  }
  return bytes;
}

}  // namespace

TextureRomSource MakeTextureRomSource(uint32_t seed, size_t track_set_length) {
  std::mt19937 random(seed);
  TextureRomSource source;
  for (auto& set : source.track_sets) set = Runs(random, track_set_length);
  source.floors = Runs(random, 40960);
  source.features = Runs(random, 10240);
  source.models = Runs(random, 140544);
  // Random index bytes and palettes; two images in three also hold the light colour 0xFFFF.
  source.horizons.resize(55 * 2560);
  for (uint8_t& byte : source.horizons) byte = static_cast<uint8_t>(random());
  for (size_t k = 0; k < 55; ++k) {
    const size_t light = k * 2560 + 2048 + 2 * (random() % 16);
    if (k % 3 != 0) source.horizons[light] = source.horizons[light + 1] = 0xFF;
  }
  return source;
}

TestRom BuildTextureRom(char region, const TextureRomSource& source) {
  TestRom rom(region);
  const size_t known = std::string("JEP").find(region);
  if (region == 0 || known == std::string::npos) return rom;
  const uint32_t* offsets = kOffsets[known];
  for (int venue = 0; venue < 11; ++venue) {
    const std::vector<uint8_t> packed = CompressMio0(source.track_sets[venue]);
    // A packed set must end before the next block starts (features after the last set).
    if (offsets[venue] + packed.size() > offsets[venue < 10 ? venue + 1 : 12]) {
      throw std::length_error("track set packs too large for its place");
    }
    rom.Put(offsets[venue], packed);
  }
  rom.Put(offsets[11], source.floors);
  rom.Put(offsets[12], source.features);
  rom.Put(offsets[13], CompressMio0(source.models));
  rom.Put(offsets[14], source.horizons);
  return rom;
}

}  // namespace kurvex::test
