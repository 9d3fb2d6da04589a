// Any bytes as a MIO0 block: decoding stays inside its input and output, ends, and a success
// yields exactly the promised length. Both entry points are driven.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "rom/mio0.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so that any read past it is caught.
  std::unique_ptr<uint8_t[]> source(new uint8_t[size]);
  std::copy(data, data + size, source.get());

  std::vector<uint8_t> output;
  const kurvex::Mio0Result result = kurvex::DecodeMio0(source.get(), size, output, 1 << 16);
  if (result == kurvex::Mio0Result::kOk &&
      output.size() != kurvex::Mio0DecodedLength(source.get(), size)) {
    abort();
  }
  if (result != kurvex::Mio0Result::kOk && !output.empty()) abort();

  // Into a buffer that is often too small, sized from the input itself.
  const size_t capacity = size > 0 ? size_t{data[0]} * 16 : 0;
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[capacity + 1]);
  size_t length = 0;
  const kurvex::Mio0Result into =
      kurvex::DecodeMio0(source.get(), size, buffer.get(), capacity, &length);
  if (into == kurvex::Mio0Result::kOk && length > capacity) abort();
  return 0;
}
