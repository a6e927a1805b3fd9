// One pass over the k-mers of a packed read with a rolling 64-bit value.
#pragma once

#include <cstdint>

#include "kmer/Sequence3Bit.h"

// Calls visit(value, pos) for every start pos in [0, starts) whose k bases hold
// no code >= 4, in increasing order; value is the k-mer's 64-bit value (base i
// in bits 2i, 2i+1), the same as Mer(read, pos, bad) gives. The caller keeps
// starts <= mBaseSize - k + 1; k outside 1..32 visits nothing.
template <class Visit>
inline void ForEachValidMer(const Sequence3Bit& read, int k, long long starts, Visit visit) {
    if (k < 1 || k > 32 || starts <= 0 || starts > (long long)read.mBaseSize - k + 1) return;
    const long long end = starts + k - 1;  // bases to read
    const int top = 2 * (k - 1);
    uint64_t v = 0;
    long long lastBad = -1;
    long long i = 0;
    for (size_t w = 0; i < end; ++w) {
        uint32_t word = read.mWords[w];
        for (int slot = 0; slot < 10 && i < end; ++slot, ++i, word >>= 3) {
            const uint32_t code = word & 7u;
            v = (v >> 2) | (uint64_t(code & 3u) << top);
            if (code & 4u) lastBad = i;
            const long long pos = i - k + 1;
            if (pos >= 0 && lastBad < pos) visit(v, int(pos));
        }
    }
}
