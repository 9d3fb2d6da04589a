#include "ui/frame_memory.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kurvex {

void KeepFrameMemory() {
#if defined(__GLIBC__)
  // Freed heap up to 256 MiB stays mapped, ready for the next frame.
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace kurvex
