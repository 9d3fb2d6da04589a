#pragma once
// The texture list of the Element Properties window for each track type, and the mapping
// between a list index and the texture stored in a TrackCode. Normal has no texture 1.

#include <cstdint>
#include <string>
#include <vector>

namespace kurvex {

// The names in list order; No Track lists only "(No Track)".
std::vector<std::string> TextureList(int track_type);
// The texture a list index stores, or -1 when the index is outside the type's list.
int TextureOfListIndex(int track_type, int list_index);
// The list index that shows the texture of a TrackCode, or -1 when its list has none.
int TextureListIndex(int32_t track_code);

}  // namespace kurvex
