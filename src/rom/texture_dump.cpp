#include "rom/texture_dump.h"

#include <cstring>
#include <vector>

#include "course/file_io.h"
#include "course/file_read.h"
#include "course/message.h"
#include "course/path_text.h"

namespace kurvex {

namespace {

constexpr char kMarker[kTexDumpMarkerSize + 1] = "KURV";

bool HasMarker(const uint8_t* at) { return std::memcmp(at, kMarker, kTexDumpMarkerSize) == 0; }

}  // namespace

const char* TexDumpResultText(TexDumpResult result) {
  switch (result) {
    case TexDumpResult::kUnknown:
      return "Unknown error";
    case TexDumpResult::kOk:
      return "Successful";
    case TexDumpResult::kFileAccess:
      return "File access error";
    case TexDumpResult::kNotTexDump:
      return "Not a texture dump";
    case TexDumpResult::kNotFound:
      return "File not found";
  }
  return "(Invalid error number)";
}

Message TexDumpMessage(TexDumpResult result) {
  switch (result) {
    case TexDumpResult::kOk:
      return {};
    case TexDumpResult::kNotTexDump:
      return MakeMessage("", {"The selected file is not an F-Zero X",
                              "texture dump. Plese select a different", "file."});
    case TexDumpResult::kNotFound:
      return FileNotFoundMessage();
    case TexDumpResult::kFileAccess:
      return MakeMessage(
          "Error: File access error",
          {"A file I/O error occurred while reading or writing", "the texture dump."});
    case TexDumpResult::kUnknown:
      break;
  }
  return MakeMessage("", {"An unknown error has occurred."});
}

std::string TexDumpSaveName(const std::string& name) {
  return CompleteFileName(name, ".tex", "New File.tex");
}

TexDumpResult ParseTexDump(const uint8_t* data, size_t size, TextureStore& store) {
  if (size != kTexDumpSize || !HasMarker(data) ||
      !HasMarker(data + kTexDumpSize - kTexDumpMarkerSize)) {
    return TexDumpResult::kNotTexDump;
  }
  std::memcpy(store.Bytes(), data + kTexDumpMarkerSize, kTextureStoreSize);
  return TexDumpResult::kOk;
}

TexDumpResult DoSaveTex(const std::string& path, const TextureStore& store, std::string* reason,
                        const InputFiles& inputs) {
  std::vector<uint8_t> bytes(kTexDumpSize);
  std::memcpy(bytes.data(), kMarker, kTexDumpMarkerSize);
  std::memcpy(bytes.data() + kTexDumpMarkerSize, store.Bytes(), kTextureStoreSize);
  std::memcpy(bytes.data() + kTexDumpSize - kTexDumpMarkerSize, kMarker, kTexDumpMarkerSize);
  if (!WriteFileAtomically(path, bytes.data(), bytes.size(), reason, inputs)) {
    return TexDumpResult::kFileAccess;
  }
  return TexDumpResult::kOk;
}

TexDumpResult DoLoadTex(const std::string& path, TextureStore& store, std::string* reason) {
  auto refuse = [&](const std::string& why) {
    if (reason) *reason = PathText(path) + ": " + why;
    return TexDumpResult::kNotTexDump;
  };
  RegularFile file;
  const FileReadResult opened = file.Open(path, reason);
  if (opened == FileReadResult::kMissing) return TexDumpResult::kNotFound;
  if (opened != FileReadResult::kOk) return TexDumpResult::kFileAccess;
  if (file.size() != kTexDumpSize) {
    return refuse(SizeText(file.size()) + ", not the " + std::to_string(kTexDumpSize) +
                  " bytes of a texture dump");
  }
  std::vector<uint8_t> bytes;
  const FileReadResult read = file.ReadAll(kTexDumpSize, bytes, reason);
  // A file that grew since its length was taken is not the dump that was measured.
  if (read == FileReadResult::kTooLarge) return TexDumpResult::kNotTexDump;
  if (read != FileReadResult::kOk) return TexDumpResult::kFileAccess;
  const TexDumpResult parsed = ParseTexDump(bytes.data(), bytes.size(), store);
  if (parsed != TexDumpResult::kOk) return refuse("no \"KURV\" marker at both ends");
  return parsed;
}

}  // namespace kurvex
