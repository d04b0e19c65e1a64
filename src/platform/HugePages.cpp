#include "HugePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace twinsweep {

void preferHugePages(const void* data, std::size_t bytes)
{
    constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (address + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t end = (address + bytes) & ~(HugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace twinsweep
