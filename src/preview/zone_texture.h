#pragma once
// Which model texture a feature zone shows; shared by the GL drawing and the model export.

namespace kurvex {

// The model texture each zone kind shows: the three entries of the model set that no prop and
// no plate uses.
int ZoneModelTexture(int zone_kind);

}  // namespace kurvex
