// Any bytes as the settings file: reading must take exactly the fields the file holds (all of
// them from 501 bytes on), and what was read must write back as the same file, apart from the
// switches, which any non-zero value turns on and which are written as -1.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "preview/settings_file.h"

namespace {

void Require(bool condition) {
  if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kurvex::Settings settings;
  const bool complete = kurvex::DecodeSettings(data, size, settings);
  Require(complete == (size >= kurvex::kSettingsFileSize));
  const std::vector<uint8_t> written = kurvex::EncodeSettings(settings);
  Require(written.size() == kurvex::kSettingsFileSize);
  // Reading what was written gives the same file again: every field round-trips.
  kurvex::Settings again;
  Require(kurvex::DecodeSettings(written.data(), written.size(), again));
  Require(kurvex::EncodeSettings(again) == written);
  if (!complete) return 0;
  // Numbers and colours come back bit for bit; switches come back as 0 or -1.
  for (size_t i = 0; i < kurvex::kSettingsFileSize; ++i) {
    Require(written[i] == data[i] || written[i] == 0xFF || written[i] == 0x00);
  }
  return 0;
}
