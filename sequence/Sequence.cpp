#include "sequence/Sequence.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string_view>

namespace {

inline bool IsPad(char c) { return c == '*' || c == '-'; }

inline int ClampInt(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v); }

// Clips [start, start + count) to [0, size); computed in 64 bits so no sum overflows.
inline void ClipRange(long long start, long long count, size_t size, size_t& b, size_t& e) {
    long long lo = std::max(start, 0LL);
    long long hi = std::min(start + count, static_cast<long long>(size));
    if (count <= 0 || hi <= lo) {
        b = e = 0;
        return;
    }
    b = static_cast<size_t>(lo);
    e = static_cast<size_t>(hi);
}

// Index of the first occurrence of [pb, pe) in [sb, se), or -1. An empty pattern
// is found at 0 in a non-empty text.
int FindIn(const char* sb, const char* se, const char* pb, const char* pe) {
    if (sb == se || pe < pb) return -1;
    std::string_view text(sb, static_cast<size_t>(se - sb));
    size_t p = text.find(std::string_view(pb, static_cast<size_t>(pe - pb)));
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

}  // namespace

bool Sequence::IsBase(char c) {
    switch (c) {
    case 'A': case 'C': case 'G': case 'T': case 'a': case 'c': case 'g': case 't':
        return true;
    default:
        return false;
    }
}

bool Sequence::IsBaseNX(char c) {
    return IsBase(c) || c == 'N' || c == 'X' || c == 'n' || c == 'x';
}

namespace {

// Complement of every byte value: A<->T, C<->G in both cases, all else unchanged.
struct ComplementTable {
    char mTo[256];
    constexpr ComplementTable() : mTo() {
        for (int i = 0; i < 256; ++i) mTo[i] = static_cast<char>(i);
        const char from[] = "ACGTacgt", to[] = "TGCAtgca";
        for (int i = 0; i < 8; ++i) mTo[static_cast<unsigned char>(from[i])] = to[i];
    }
    constexpr char operator()(char c) const { return mTo[static_cast<unsigned char>(c)]; }
};
constexpr ComplementTable kComplement;  // built at compile time: usable from any initialiser

inline char Lower(char c) { return static_cast<char>(c + ((static_cast<unsigned char>(c - 'A') < 26) << 5)); }
inline char Upper(char c) { return static_cast<char>(c - ((static_cast<unsigned char>(c - 'a') < 26) << 5)); }

}  // namespace

char Sequence::ComplementBase(char c) { return kComplement(c); }

// ---- setting and appending ----

void Sequence::InitFromCString(const char* s) { mBases.assign(s, s + std::strlen(s)); }
void Sequence::InitFromCString(char* s) { InitFromCString(static_cast<const char*>(s)); }

void Sequence::InitFromString(std::string& s) {
    size_t w = 0;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n') s[w++] = c;
    s.resize(w);
    mBases.insert(mBases.end(), s.begin(), s.end());
}

void Sequence::ConcatenateCString(const char* s) { mBases.insert(mBases.end(), s, s + std::strlen(s)); }

void Sequence::ConcatenateString(const std::string& s) { mBases.insert(mBases.end(), s.begin(), s.end()); }

void Sequence::ConcatenateNonWhiteSpace(const std::string& s) {
    mBases.reserve(mBases.size() + s.size());
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n') mBases.push_back(c);
}

void Sequence::ConcatenateStringSafe(const std::string& s) {
    size_t old = mBases.size();
    mBases.resize(old + s.size());
    for (size_t k = 0; k < s.size(); ++k) mBases[old + k] = IsBase(s[k]) ? s[k] : '\0';
}

void Sequence::Concatenate(const Sequence& other) {
    if (&other == this) {  // appending to itself: copy first, the insert may reallocate
        std::vector<char> copy(mBases);
        mBases.insert(mBases.end(), copy.begin(), copy.end());
        return;
    }
    mBases.insert(mBases.end(), other.mBases.begin(), other.mBases.end());
}

// ---- copying out ----

void Sequence::CopyToString(std::string& out) const { out.append(mBases.begin(), mBases.end()); }

void Sequence::CopyToCString(char* out) const {
    if (!mBases.empty()) std::memcpy(out, mBases.data(), mBases.size());
    out[mBases.size()] = '\0';
}

void Sequence::GetSubSequence(Sequence& out, long from, long to) const {
    // Built aside so that out may be this very object.
    std::vector<char> part;
    const long len = static_cast<long>(mBases.size());
    if (to >= 0) {
        if (from < 0) from = 0;
        if (to >= len) to = len - 1;
        if (to - from + 1 > 0) {
            part.assign(mBases.begin() + from, mBases.begin() + to + 1);
            char suffix[64];
            std::snprintf(suffix, sizeof suffix, "[%ld,%ld]", from, to);
            std::string description = mDescription + suffix;
            std::string name = mName;
            out.mBases.swap(part);
            out.mDescription.swap(description);
            out.mName.swap(name);
            return;
        }
    }
    out.mBases.clear();
}

// ---- transformations ----

void Sequence::Reverse() { std::reverse(mBases.begin(), mBases.end()); }

void Sequence::Complement() {
    for (char& c : mBases) c = kComplement(c);
}

void Sequence::ReverseComplement() {
    // One pass from both ends.
    if (mBases.empty()) return;
    char* b = mBases.data();
    char* e = b + mBases.size() - 1;
    for (; b < e; ++b, --e) {
        char t = kComplement(*b);
        *b = kComplement(*e);
        *e = t;
    }
    if (b == e) *b = kComplement(*b);
}

void Sequence::ToLowerCase() {
    for (char& c : mBases) c = Lower(c);
}

void Sequence::ToUpperCase() {
    for (char& c : mBases) c = Upper(c);
}

void Sequence::Nify() {
    for (char& c : mBases)
        if (!IsBase(c)) c = 'n';
}

void Sequence::Trim(long left, long right) {
    const long len = static_cast<long>(mBases.size());
    // Positions beyond the sequence do not exist: the masks are clipped to it.
    if (left >= 0 && len > 0) std::fill(mBases.begin(), mBases.begin() + std::min(left, len - 1) + 1, 'X');
    if (right >= 0 && right < len) std::fill(mBases.begin() + right, mBases.end(), 'X');
}

// ---- content tests ----

bool Sequence::OnlyUpperCaseBases() const { return OnlyUpperCaseBases(0, static_cast<int>(mBases.size())); }

bool Sequence::OnlyUpperCaseBases(int start, int count) const {
    size_t b, e;
    ClipRange(start, count, mBases.size(), b, e);
    for (size_t i = b; i < e; ++i)
        if (static_cast<unsigned char>(mBases[i]) & 0x28) return false;
    return true;
}

bool Sequence::ContainsOnlyBasesSafe() const {
    return std::all_of(mBases.begin(), mBases.end(), IsBase);
}

bool Sequence::ContainsOnlyBasesSafe(int start, int count) const {
    return !ContainsNonBaseSafe(start, count);
}

bool Sequence::ContainsNonBaseSafe(int start, int count) const {
    size_t b, e;
    ClipRange(start, count, mBases.size(), b, e);
    for (size_t i = b; i < e; ++i)
        if (!IsBase(mBases[i])) return true;
    return false;
}

// ---- statistics ----

void Sequence::ComputeGCStats(int& length, int& gc, int& cpg) {
    length = static_cast<int>(mBases.size());
    ToLowerCase();
    // Branch-free counts in locals: the residues are close to random, so branches mispredict.
    const char* b = mBases.data();
    const size_t n = mBases.size();
    long long g = 0, cg = 0;
    for (size_t i = 0; i < n; ++i) {
        const bool isC = b[i] == 'c';
        g += isC | (b[i] == 'g');
        cg += isC & (i + 1 < n && b[i + 1] == 'g');
    }
    gc = static_cast<int>(g);
    cpg = static_cast<int>(cg);
}

// ---- padded / depadded ----

void Sequence::ComputePadded2Depadded() {
    mPadded2Depadded.resize(mBases.size());
    int k = 0;
    for (size_t i = 0; i < mBases.size(); ++i) {
        if (!IsPad(mBases[i])) ++k;
        mPadded2Depadded[i] = k;
    }
}

void Sequence::ComputeDepadded2Padded() {
    if (mPadded2Depadded.size() != mBases.size()) ComputePadded2Depadded();
    mDepadded2Padded.clear();
    // An empty sequence has no entries to map; the lookups extend linearly instead.
    if (mPadded2Depadded.empty()) return;
    mDepadded2Padded.resize(static_cast<size_t>(mPadded2Depadded.back()) + 1, 0);
    int prev = -1;
    for (size_t i = 0; i < mPadded2Depadded.size(); ++i) {
        int c = mPadded2Depadded[i];
        if (c != prev) {
            mDepadded2Padded[c] = static_cast<int>(i);
            prev = c;
        }
    }
}

int Sequence::Padded2Depadded(int i) {
    if (mPadded2Depadded.size() != mBases.size()) ComputePadded2Depadded();
    if (i < 0) return i + 1;
    const int n = static_cast<int>(mPadded2Depadded.size());
    if (i < n) return mPadded2Depadded[i];
    // Beyond the end: one depadded position per padded one (an empty sequence
    // behaves as one without pads: i maps to i + 1). Saturates at INT_MAX.
    const long long last = n > 0 ? mPadded2Depadded[n - 1] : 0;
    return ClampInt(last + (static_cast<long long>(i) - (n - 1)));
}

int Sequence::Depadded2Padded(int c) {
    if (mDepadded2Padded.empty()) ComputeDepadded2Padded();
    if (c < 1) return ClampInt(static_cast<long long>(c) - 1);
    if (mDepadded2Padded.empty()) return c - 1;  // empty sequence
    const int last = static_cast<int>(mDepadded2Padded.size()) - 1;
    if (c < last) return mDepadded2Padded[c];
    return ClampInt(static_cast<long long>(mDepadded2Padded[last]) + (c - last));
}

// ---- search ----

int Sequence::Find(const char* first, const char* last) const {
    const char* b = mBases.data();
    return FindIn(b, b + mBases.size(), first, last);
}

int Sequence::Find(const Sequence& pattern) const {
    const char* p = pattern.mBases.data();
    return Find(p, p + pattern.mBases.size());
}

int Sequence::FindEndOf(Sequence pattern, bool& reverse) {
    pattern.ToLowerCase();
    ToLowerCase();
    const int plen = static_cast<int>(pattern.mBases.size());
    int p = Find(pattern);
    if (p >= 0) {
        reverse = false;
        int r = p + plen - 1;
        if (r >= 0) return r;
    }
    pattern.ReverseComplement();
    p = Find(pattern);
    if (p < 0) return p;
    reverse = true;
    return p + plen - 1;
}

void Sequence::FindEndOfTag(Sequence& tag, int start, int end, long& pos, bool& reverse) {
    reverse = false;
    const int len = static_cast<int>(tag.mBases.size());
    // Only a real piece of the tag is searched: anything else leaves pos as it was.
    if (start < 0 || end < 0 || start > len || end > len || start > end) return;
    tag.ToLowerCase();
    ToLowerCase();
    const char* t = tag.mBases.data();
    int p = Find(t + start, t + end);
    if (p >= 0) {
        pos = p + (end - start);
        return;
    }
    // The reverse complement of tag[start, end) is rc[len - end, len - start).
    tag.ReverseComplement();
    t = tag.mBases.data();
    pos = Find(t + (len - end), t + (len - start));
    reverse = true;
    tag.ReverseComplement();
}

// ---- output ----

void Sequence::Print(std::ostream& os) const {
    os << mName << " " << mDescription << std::endl;
    PrintSeq(os);
}

void Sequence::PrintSeq(std::ostream& os) const {
    os.write(mBases.data(), static_cast<std::streamsize>(mBases.size()));
    os << "\n";
}
