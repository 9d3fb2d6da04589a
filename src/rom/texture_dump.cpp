#include "rom/texture_dump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "course/file_io.h"
#include "course/message.h"

namespace kurvex {

namespace {

constexpr char kMarker[kTexDumpMarkerSize + 1] = "KURV";

bool HasMarker(const uint8_t* at) { return std::memcmp(at, kMarker, kTexDumpMarkerSize) == 0; }

void SetDetail(std::string* detail, const std::string& path) {
  if (detail) *detail = path + ": " + std::strerror(errno);
}

class InputFile {
 public:
  explicit InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
  ~InputFile() {
    if (file_) std::fclose(file_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  FILE* get() const { return file_; }

  // -1 when the length cannot be told.
  long long Length() const {
    if (std::fseek(file_, 0, SEEK_END) != 0) return -1;
    const long long length = std::ftell(file_);
    if (std::fseek(file_, 0, SEEK_SET) != 0) return -1;
    return length;
  }

 private:
  FILE* file_;
};

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

Message TexDumpMessage(TexDumpResult result, const std::string& detail) {
  switch (result) {
    case TexDumpResult::kOk:
      return {};
    case TexDumpResult::kNotTexDump:
      return MakeMessage("", {"The selected file is not an F-Zero X",
                              "texture dump. Plese select a different", "file."});
    case TexDumpResult::kNotFound:
      return MakeMessage("", {"The file selected could not be found.",
                              "Please select a different file."});
    case TexDumpResult::kFileAccess:
      return MakeMessage(
          "Error: File access error",
          {"A file I/O error occurred while reading or writing", "the texture dump:", detail});
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

TexDumpResult DoSaveTex(const std::string& path, const TextureStore& store, std::string* detail) {
  std::vector<uint8_t> bytes(kTexDumpSize);
  std::memcpy(bytes.data(), kMarker, kTexDumpMarkerSize);
  std::memcpy(bytes.data() + kTexDumpMarkerSize, store.Bytes(), kTextureStoreSize);
  std::memcpy(bytes.data() + kTexDumpSize - kTexDumpMarkerSize, kMarker, kTexDumpMarkerSize);
  if (!WriteFileAtomically(path, bytes.data(), bytes.size(), detail)) {
    return TexDumpResult::kFileAccess;
  }
  return TexDumpResult::kOk;
}

TexDumpResult DoLoadTex(const std::string& path, TextureStore& store, std::string* detail) {
  const InputFile file(path);
  if (!file.get()) {
    const bool missing = errno == ENOENT;
    SetDetail(detail, path);
    return missing ? TexDumpResult::kNotFound : TexDumpResult::kFileAccess;
  }
  const long long length = file.Length();
  if (length < 0) {
    SetDetail(detail, path);
    return TexDumpResult::kFileAccess;
  }
  if (static_cast<unsigned long long>(length) != kTexDumpSize) return TexDumpResult::kNotTexDump;
  std::vector<uint8_t> bytes(kTexDumpSize);
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    SetDetail(detail, path);
    return TexDumpResult::kFileAccess;
  }
  // A file that grew since its length was taken is not the dump that was measured.
  if (std::fgetc(file.get()) != EOF) return TexDumpResult::kNotTexDump;
  return ParseTexDump(bytes.data(), bytes.size(), store);
}

}  // namespace kurvex
