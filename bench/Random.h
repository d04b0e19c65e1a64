#pragma once

#include <QtGlobal>

#include <cstddef>

namespace twinsweep::bench {

/// splitmix64: deterministic and the same on every platform and library.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, size_t N> const T& pick(const T (&items)[N]) { return items[size_t(below(int(N)))]; }

private:
    quint64 m_state;
};

} // namespace twinsweep::bench
