#include "editing/property_lists.h"

#include <array>
#include <cstdint>

#include "course/display_names.h"

namespace kurvex {
namespace {

constexpr int kVenueCount = 11;
constexpr int kSkyCount = 8;
// Music numbers in list order.
constexpr std::array<uint8_t, 17> kRomMusic = {255, 0,  1,  2,  3,  4,  5,  6, 7,
                                               8,   13, 14, 15, 16, 21, 22, 24};
constexpr std::array<uint8_t, 14> kEkMusic = {0, 1, 2, 3, 4, 5, 6, 7, 8, 32, 33, 34, 35, 36};

template <size_t N>
std::vector<std::string> MusicNames(const std::array<uint8_t, N>& numbers) {
  std::vector<std::string> names;
  for (uint8_t m : numbers) names.push_back(MusicName(m));
  return names;
}

template <size_t N>
int IndexOf(const std::array<uint8_t, N>& numbers, int music) {
  for (size_t i = 0; i < N; ++i) {
    if (numbers[i] == music) return static_cast<int>(i);
  }
  return 0;
}

template <size_t N>
int NumberAt(const std::array<uint8_t, N>& numbers, int index) {
  return index >= 0 && index < static_cast<int>(N) ? numbers[index] : -1;
}

int ClampIndex(int value, int count) {
  if (value < 0) return 0;
  return value >= count ? count - 1 : value;
}

}  // namespace

const std::vector<std::string>& VenueList() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> names;
    for (int v = 0; v < kVenueCount; ++v) names.push_back(VenueName(v));
    return names;
  }();
  return list;
}

const std::vector<std::string>& SkyList() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> names;
    for (int s = 0; s < kSkyCount; ++s) names.push_back(SkyName(s));
    return names;
  }();
  return list;
}

const std::vector<std::string>& RomMusicList() {
  static const std::vector<std::string> list = MusicNames(kRomMusic);
  return list;
}

const std::vector<std::string>& EkMusicList() {
  static const std::vector<std::string> list = MusicNames(kEkMusic);
  return list;
}

int VenueIndex(int venue) { return ClampIndex(venue, kVenueCount); }
int SkyIndex(int sky) { return ClampIndex(sky, kSkyCount); }
int RomMusicIndex(int music) { return IndexOf(kRomMusic, music); }
int EkMusicIndex(int music) { return IndexOf(kEkMusic, music); }
int RomMusicOfIndex(int index) { return NumberAt(kRomMusic, index); }
int EkMusicOfIndex(int index) { return NumberAt(kEkMusic, index); }

bool ChooseVenue(Course& course, int index) {
  if (index < 0 || index >= kVenueCount) return false;
  course.Venue = static_cast<uint8_t>(index);
  return true;
}

bool ChooseSky(Course& course, int index) {
  if (index < 0 || index >= kSkyCount) return false;
  course.Sky = static_cast<uint8_t>(index);
  return true;
}

bool ChooseRomMusic(Course& course, int index) {
  const int music = RomMusicOfIndex(index);
  if (music < 0) return false;
  course.RomMusic = static_cast<uint8_t>(music);
  return true;
}

bool ChooseEkMusic(Course& course, int index) {
  const int music = EkMusicOfIndex(index);
  if (music < 0) return false;
  course.EkMusic = static_cast<uint8_t>(music);
  return true;
}

}  // namespace kurvex
