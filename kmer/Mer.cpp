#include "kmer/Mer.h"

#include <iostream>

#include "kmer/Sequence3Bit.h"
#include "sequence/Sequence.h"

int Mer::mMerSize = 32;

namespace {

const char* const kSizeError = "Error.  Attempt to init Mer with different sized sequence.";

// Complement of every base: XOR 2 in each 2-bit field (A<->T, C<->G).
constexpr uint64_t kComplement = 0xAAAAAAAAAAAAAAAAull;

// Packs n (<= 32) characters: base i in bits 2i, 2i+1.
inline uint64_t PackChars(const char* s, int n) {
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= uint64_t((uint8_t(s[i]) >> 1) & 3u) << (2 * i);
    return v;
}

// Bit i set when character i is N, n, X or x.
inline uint64_t NXMask(const char* s, int n) {
    uint64_t m = 0;
    for (int i = 0; i < n; ++i) {
        const uint8_t c = uint8_t(s[i]) | 0x20;
        m |= uint64_t(c == 'n' || c == 'x') << i;
    }
    return m;
}

// Keeps the bases before the first flagged one.
inline uint64_t CutAtFirst(uint64_t v, uint64_t flags) {
    const int first = __builtin_ctzll(flags);  // flags != 0, first < 32
    return v & ((uint64_t(1) << (2 * first)) - 1);
}

}  // namespace

int Mer::Bases() {
    const int k = mMerSize;
    return k < 0 ? 0 : (k > 32 ? 32 : k);
}

uint64_t Mer::Mask() {
    const int k = Bases();
    return k >= 32 ? ~uint64_t(0) : ((uint64_t(1) << (2 * k)) - 1);
}

uint64_t Mer::ReverseComplementValue(uint64_t v) {
    const int k = Bases();
    if (k == 0) return 0;
    // Reverse the 2-bit fields of the whole word, then move the k bases down.
    v = ((v >> 2) & 0x3333333333333333ull) | ((v & 0x3333333333333333ull) << 2);
    v = ((v >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((v & 0x0F0F0F0F0F0F0F0Full) << 4);
    v = __builtin_bswap64(v);
    v >>= 2 * (32 - k);
    return v ^ (kComplement & Mask());
}

Mer Mer::FromValue(uint64_t v) { return Mer(v & Mask(), 0); }

Mer::Mer(std::string s) : mHigh(0), mLow(0) {
    Sequence seq;
    seq.InitFromString(s);
    const long len = long(seq.mBases.size());
    if (len != mMerSize) {
        std::cout << kSizeError << std::endl;
        std::cout << "Seq.size=" << len << " MerSize=" << mMerSize << std::endl;
        return;
    }
    SetValue(PackChars(seq.mBases.data(), Bases()));
}

Mer::Mer(const Sequence& s) : mHigh(0), mLow(0) {
    const long len = long(s.mBases.size());
    if (len != mMerSize) {
        std::cout << kSizeError << std::endl;
        std::cout << "Seq.size=" << len << " MerSize=" << mMerSize << std::endl;
        return;
    }
    SetValue(PackChars(s.mBases.data(), Bases()));
}

namespace {
// Size check of the two Sequence forms with a start; a negative start fails too.
bool SequenceFits(const Sequence& s, int start) {
    const long len = long(s.mBases.size());
    if (start >= 0 && len - start >= Mer::mMerSize) return true;
    std::cout << kSizeError << std::endl;
    std::cout << "diff=" << len - start << std::endl;
    std::cout << "Seq.size=" << len << "\tmerStart=" << start << " MerSize=" << Mer::mMerSize
              << std::endl;
    return false;
}

bool PackedFits(const Sequence3Bit& s, int start, const char* startLabel) {
    if (start >= 0 && (long)s.mBaseSize - start >= Mer::mMerSize) return true;
    std::cout << kSizeError << std::endl;
    std::cout << "Seq.size=" << s.mBaseSize << startLabel << start << " MerSize=" << Mer::mMerSize
              << std::endl;
    return false;
}

// Codes of bases start .. start+n-1 of a packed read: value (two low bits) and
// a flag per base with a code of 4 or more.
inline void PackCodes(const Sequence3Bit& s, int start, int n, uint64_t& v, uint64_t& flags) {
    v = 0;
    flags = 0;
    int word = start / 10, shift = 3 * (start % 10);
    uint32_t w = n > 0 ? s.mWords[word] >> shift : 0;
    for (int i = 0; i < n; ++i) {
        const uint32_t code = w & 7u;
        v |= uint64_t(code & 3u) << (2 * i);
        flags |= uint64_t(code >> 2) << i;
        shift += 3;
        w >>= 3;
        if (shift == 30 && i + 1 < n) {
            shift = 0;
            w = s.mWords[++word];
        }
    }
}
}  // namespace

Mer::Mer(const Sequence& s, int start) : mHigh(0), mLow(0) {
    if (!SequenceFits(s, start)) return;
    SetValue(PackChars(s.mBases.data() + start, Bases()));
}

Mer::Mer(const Sequence& s, int start, bool& bad) : mHigh(0), mLow(0) {
    bad = false;
    if (!SequenceFits(s, start)) return;
    const char* p = s.mBases.data() + start;
    const int k = Bases();
    uint64_t v = PackChars(p, k);
    const uint64_t flags = NXMask(p, k);
    if (flags) {
        bad = true;
        v = CutAtFirst(v, flags);
    }
    SetValue(v);
}

Mer::Mer(const Sequence3Bit& s, int start) : mHigh(0), mLow(0) {
    if (!PackedFits(s, start, "merStart=")) return;
    uint64_t v, flags;
    PackCodes(s, start, Bases(), v, flags);
    SetValue(v);
}

Mer::Mer(const Sequence3Bit& s, int start, bool& bad) : mHigh(0), mLow(0) {
    bad = false;
    if (!PackedFits(s, start, " MerStart=")) return;
    uint64_t v, flags;
    PackCodes(s, start, Bases(), v, flags);
    if (flags) {
        bad = true;
        v = CutAtFirst(v, flags);
    }
    SetValue(v);
}

void Mer::ReverseComplement() { SetValue(ReverseComplementValue(Value())); }

void Mer::ReverseComplement(const Mer& src) { SetValue(ReverseComplementValue(src.Value())); }

bool Mer::InSubset(unsigned s) const { return (mHigh & 7u) + 8u * (mLow & 15u) == s; }

void Mer::ToSequence(Sequence& s) const {
    const int k = mMerSize > 0 ? mMerSize : 0;
    s.mBases.resize(size_t(k));
    const uint64_t v = Value();
    const int n = Bases();
    for (int i = 0; i < n; ++i) s.mBases[i] = Bit2Base(unsigned(v >> (2 * i)) & 3u);
}

char Mer::Bit2Base(unsigned code) {
    switch (code) {
        case 0: return 'a';
        case 1: return 'c';
        case 2: return 't';
        case 3: return 'g';
        default: return '?';
    }
}

size_t MerSymmetricHashF::operator()(const Mer& m) const {
    Mer r(m);
    r.ReverseComplement();
    const bool mFirst = m.mHigh < r.mHigh || (m.mHigh == r.mHigh && m.mLow < r.mLow);
    const Mer& c = mFirst ? m : r;
    return size_t(c.mHigh ^ c.mLow);
}

bool eqMerSymmetric::operator()(const Mer& a, const Mer& b) const {
    if (a == b) return true;
    Mer r(b);
    r.ReverseComplement();
    return a == r;
}
