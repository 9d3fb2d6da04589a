#pragma once
// The texture store from a file that is either a ROM image or a texture dump.

#include <string>

#include "course/course_files.h"
#include "rom/texture_store.h"

namespace kurvex {

// A dump is told by its ".tex" extension or its exact length; anything else is taken for a ROM,
// whose opener then names what is wrong with it.
bool IsTextureDumpPath(const std::string& path);

// Fills the store from the file; on failure the store is unchanged and the outcome holds the
// user message (title line, empty line, body lines) and, where a file is to blame, the reason.
FileOutcome LoadTextureSource(const std::string& path, TextureStore& store);

}  // namespace kurvex
