#pragma once
// The texture dump file (".tex"): "KURV", the store's arrays raw in store order, "KURV" again;
// exactly kTexDumpSize bytes. It lets a user without a ROM at hand see textured previews.

#include <cstddef>
#include <cstdint>
#include <string>

#include "course/file_write.h"
#include "course/message.h"
#include "rom/texture_store.h"

namespace kurvex {

inline constexpr size_t kTexDumpMarkerSize = 4;
inline constexpr size_t kTexDumpSize = kTextureStoreSize + 2 * kTexDumpMarkerSize;  // 2,948,968

enum class TexDumpResult : int16_t {
  kUnknown = -1,
  kOk = 0,
  kFileAccess = 1,  // the file could not be opened, read or written
  kNotTexDump = 2,  // wrong length or a missing marker
  kNotFound = 3,
};

const char* TexDumpResultText(TexDumpResult result);
// The user message for a failed load or save (empty for kOk). The reason that DoSaveTex and
// DoLoadTex give beside it names the file and the cause.
Message TexDumpMessage(TexDumpResult result);

// The save dialog's name rule: a name not ending in ".tex" (any case) gets it appended, and a
// name shorter than that becomes "New File.tex".
std::string TexDumpSaveName(const std::string& name);

// Checks the length and both markers of a dump held in memory and only then replaces the store.
TexDumpResult ParseTexDump(const uint8_t* data, size_t size, TextureStore& store);

// Writes the dump through a temporary file beside the target, renamed into place when complete,
// so a failed save never leaves a half-written or lost dump. *reason, when given, receives
// "PATH: why" on failure. A path that is one of the inputs is refused.
TexDumpResult DoSaveTex(const std::string& path, const TextureStore& store,
                        std::string* reason = nullptr, const InputFiles& inputs = {});
// Reads a dump; the store changes only when the whole file was read and accepted. Only a
// regular file is opened, and one of the wrong length is not read.
TexDumpResult DoLoadTex(const std::string& path, TextureStore& store,
                        std::string* reason = nullptr);

}  // namespace kurvex
