#include "course/recovery_file.h"

#include <cstring>

#include "course/byte_buffer.h"
#include "course/kurv_file.h"

namespace kurvex {

namespace {

constexpr char kMagic[] = "KVXRECOV";
constexpr size_t kMagicSize = sizeof(kMagic) - 1;
constexpr uint32_t kFormat = 1;
// Magic, format, time and the two lengths.
constexpr size_t kFixedSize = kMagicSize + 4 + 8 + 4 + 4;

void Append32(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t bytes[4];
  StoreBigEndian32(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

bool Fail(std::string* why, const char* text) {
  if (why) *why = text;
  return false;
}

}  // namespace

std::vector<uint8_t> EncodeRecoveryCopy(const RecoveryCopy& copy) {
  std::vector<uint8_t> out(kMagic, kMagic + kMagicSize);
  Append32(out, kFormat);
  const uint64_t time = static_cast<uint64_t>(copy.changed_at_ms);
  Append32(out, static_cast<uint32_t>(time >> 32));
  Append32(out, static_cast<uint32_t>(time));
  Append32(out, static_cast<uint32_t>(copy.file_path.size()));
  out.insert(out.end(), copy.file_path.begin(), copy.file_path.end());
  Append32(out, static_cast<uint32_t>(copy.kurv.size()));
  out.insert(out.end(), copy.kurv.begin(), copy.kurv.end());
  return out;
}

bool DecodeRecoveryCopy(const uint8_t* data, size_t size, RecoveryCopy& copy, Course& course,
                        std::string* why) {
  if (size < kMagicSize || std::memcmp(data, kMagic, kMagicSize) != 0) {
    return Fail(why, "not a recovery copy");
  }
  if (size < kFixedSize) return Fail(why, "the recovery copy is cut short");
  ByteReader reader(data, size);
  reader.Skip(kMagicSize);
  if (reader.U32() != kFormat) return Fail(why, "a recovery copy of an unknown format");
  const uint64_t high = reader.U32();
  copy.changed_at_ms = static_cast<int64_t>((high << 32) | reader.U32());
  const uint32_t path_length = reader.U32();
  if (path_length > kMaxRecoveryPathLength || path_length > size - reader.Position()) {
    return Fail(why, "the recovery copy is cut short");
  }
  copy.file_path = reader.String(path_length);
  if (size - reader.Position() < 4) return Fail(why, "the recovery copy is cut short");
  const uint32_t kurv_length = reader.U32();
  if (kurv_length != size - reader.Position()) {
    return Fail(why, kurv_length > size - reader.Position()
                         ? "the recovery copy is cut short"
                         : "the recovery copy has bytes after its end");
  }
  copy.kurv.assign(data + reader.Position(), data + size);
  const int16_t result = ReadCourseFile(course, copy.kurv.data(), copy.kurv.size());
  if (result == kKurvUnknownError)
    return Fail(why, "its course has a wrong point or horizon count");
  if (result != kKurvOk) {
    if (why) *why = "its course: " + CourseFileResultText(result);
    return false;
  }
  return true;
}

}  // namespace kurvex
