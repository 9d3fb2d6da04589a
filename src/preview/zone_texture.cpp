#include "preview/zone_texture.h"

namespace kurvex {

int ZoneModelTexture(int zone_kind) {
  switch (zone_kind) {
    case 1:  // pit area
      return 31;
    case 2:  // dart zone
      return 33;
    case 3:  // slip zone
      return 34;
    default:
      return 0;
  }
}

}  // namespace kurvex
