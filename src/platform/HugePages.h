#pragma once

#include <cstddef>

namespace twinsweep {

/// Asks the kernel to back a large array with huge pages: a million-file master list
/// then takes a few hundred page faults to fill instead of a hundred thousand.
/// Only the 2 MiB pages wholly inside the range are affected; harmless when the
/// kernel declines.
void preferHugePages(const void* data, std::size_t bytes);

} // namespace twinsweep
