#include "cli/ProcessMemory.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace mirota::cli {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Blocks up to the largest a run makes (a 16 MiB data file decoded) come from the heap, not
    // from mappings of their own that are unmapped when freed; freed memory at the heap's end stays.
    constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
    constexpr int kKeptAtTheEnd = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTheEnd);
#endif
}

}  // namespace mirota::cli
