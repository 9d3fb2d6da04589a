#include "rom/texture_loader.h"

#include "course/message.h"
#include "rom/mio0.h"
#include "rom/texture_convert.h"

namespace kurvex {

namespace {

constexpr TextureBlockOffsets kOffsetsJ = {{2315696, 2334464, 2355408, 2376208, 2402032, 2428016,
                                            2446720, 2464384, 2488288, 2519200, 2546688},
                                           5049200,
                                           2575472,
                                           1494304,
                                           5092304};
constexpr TextureBlockOffsets kOffsetsE = {{2314544, 2333312, 2354256, 2375056, 2400880, 2426864,
                                            2445568, 2463232, 2487136, 2518048, 2545536},
                                           5045840,
                                           2574320,
                                           1493152,
                                           5088944};
constexpr TextureBlockOffsets kOffsetsP = {{2391424, 2410192, 2431136, 2451936, 2477760, 2503744,
                                            2522448, 2540112, 2564016, 2594928, 2622416},
                                           5122688,
                                           2651200,
                                           1570032,
                                           5165792};

// The decoded 16-bit data that converts into exactly one array of RGB.
constexpr size_t kTrackSetRawLimit = kTrackTextureDataSize / 3 * 2;
constexpr size_t kModelRawLimit = kModelTextureDataSize / 3 * 2;

class Loader {
 public:
  Loader(const RomBlockReader& read, std::string* detail) : read_(read), detail_(detail) {}

  TextureLoadResult Run(const TextureBlockOffsets& offsets, TextureStore& fresh) {
    for (int venue = 0; venue < kVenueCount; ++venue) {
      const TextureLoadResult result =
          Compressed(offsets.track_sets[venue], kTrackSetReadLength, kTrackSetRawLimit,
                     "track set of venue " + std::to_string(venue), fresh.TrackTextureData(venue));
      if (result != TextureLoadResult::kOk) return result;
    }
    TextureLoadResult result =
        Plain(offsets.floors, kFloorsReadLength, "floor textures", fresh.FloorTextureData());
    if (result != TextureLoadResult::kOk) return result;
    result = Plain(offsets.features, kFeaturesReadLength, "feature textures",
                   fresh.FeatureTextureData());
    if (result != TextureLoadResult::kOk) return result;
    result = Compressed(offsets.models, kModelsReadLength, kModelRawLimit, "model textures",
                        fresh.ModelTextureData());
    if (result != TextureLoadResult::kOk) return result;
    BuildMirroredModelTextures(fresh);
    if (!Read(offsets.horizons, kHorizonsReadLength, "horizon images")) {
      return TextureLoadResult::kReadError;
    }
    DecodeHorizons(block_.data(), block_.size(), fresh);
    return TextureLoadResult::kOk;
  }

 private:
  bool Read(uint32_t offset, size_t length, const std::string& what) {
    block_.clear();
    if (read_(offset, length, block_) && block_.size() == length) return true;
    Fail(what + ": cannot be read");
    return false;
  }

  TextureLoadResult Plain(uint32_t offset, size_t length, const std::string& what,
                          uint8_t* target) {
    if (!Read(offset, length, what)) return TextureLoadResult::kReadError;
    ConvertRgba16(block_.data(), block_.size(), target);
    return TextureLoadResult::kOk;
  }

  TextureLoadResult Compressed(uint32_t offset, size_t length, size_t raw_limit,
                               const std::string& what, uint8_t* target) {
    if (!Read(offset, length, what)) return TextureLoadResult::kReadError;
    raw_.resize(raw_limit);
    size_t raw_length = 0;
    const Mio0Result result =
        DecodeMio0(block_.data(), block_.size(), raw_.data(), raw_.size(), &raw_length);
    if (result == Mio0Result::kTooLong) {
      Fail(what + ": decompressed length " +
           std::to_string(Mio0DecodedLength(block_.data(), block_.size())) +
           " exceeds the texture array (" + std::to_string(raw_limit) + ")");
      return TextureLoadResult::kBlockTooLarge;
    }
    if (result != Mio0Result::kOk) {
      Fail(what + ": " + Mio0ResultText(result));
      return TextureLoadResult::kCorruptBlock;
    }
    ConvertRgba16(raw_.data(), raw_length, target);
    return TextureLoadResult::kOk;
  }

  void Fail(const std::string& text) {
    if (detail_) *detail_ = text;
  }

  const RomBlockReader& read_;
  std::string* detail_;
  std::vector<uint8_t> block_;
  std::vector<uint8_t> raw_;
};

}  // namespace

const char* TextureLoadResultText(TextureLoadResult result) {
  switch (result) {
    case TextureLoadResult::kUnknown:
      return "Unknown error";
    case TextureLoadResult::kOk:
      return "Successful";
    case TextureLoadResult::kReadError:
      return "ROM read error";
    case TextureLoadResult::kBadRegion:
      return "Bad ROM region code";
    case TextureLoadResult::kCorruptBlock:
      return "Corrupt texture block";
    case TextureLoadResult::kBlockTooLarge:
      return "Texture block too large";
  }
  return "(Invalid error number)";
}

Message TextureLoadMessage(TextureLoadResult result, const std::string& detail) {
  if (result == TextureLoadResult::kOk) return {};
  return MakeMessage(
      std::string("Error: ") + TextureLoadResultText(result),
      {"The textures could not be loaded from the ROM file;", "nothing was changed.", detail});
}

const TextureBlockOffsets* TextureOffsetsForRegion(char region) {
  switch (region) {
    case 'J':
      return &kOffsetsJ;
    case 'E':
      return &kOffsetsE;
    case 'P':
      return &kOffsetsP;
    default:
      return nullptr;
  }
}

TextureLoadResult LoadTexturesFromBlocks(char region, const RomBlockReader& read,
                                         TextureStore& store, std::string* detail) {
  const TextureBlockOffsets* offsets = TextureOffsetsForRegion(region);
  if (!offsets) {
    if (detail) *detail = "no texture offsets for region '" + std::string(1, region) + "'";
    return TextureLoadResult::kBadRegion;
  }
  TextureStore fresh;
  const TextureLoadResult result = Loader(read, detail).Run(*offsets, fresh);
  if (result == TextureLoadResult::kOk) store.Swap(fresh);
  return result;
}

TextureLoadResult LoadRomTextures(const RomImage& rom, TextureStore& store, std::string* detail,
                                  const TextureProgress& progress) {
  if (!rom.loaded()) {
    if (detail) *detail = "no ROM image is open";
    return TextureLoadResult::kReadError;
  }
  int blocks_done = 0;
  const RomBlockReader read = [&](uint32_t offset, size_t length, std::vector<uint8_t>& block) {
    block.resize(length);
    const bool ok = rom.ReadBlock(offset, block.data(), length);
    if (progress) progress(++blocks_done, kTextureBlockCount);
    return ok;
  };
  return LoadTexturesFromBlocks(rom.region(), read, store, detail);
}

}  // namespace kurvex
