// Helpers shared by the k-mer tests.
#pragma once

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "kmer/Mer.h"
#include "kmer/Sequence3Bit.h"
#include "sequence/Sequence.h"

// Captures everything written to std::cout while alive.
class CoutCapture {
public:
    CoutCapture() : mOld(std::cout.rdbuf(mOut.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(mOld); }
    std::string Text() const { return mOut.str(); }

private:
    std::ostringstream mOut;
    std::streambuf* mOld;
};

// Sets Mer::mMerSize for one scope and puts the previous value back.
class MerSizeScope {
public:
    explicit MerSizeScope(int k) : mOld(Mer::mMerSize) { Mer::mMerSize = k; }
    ~MerSizeScope() { Mer::mMerSize = mOld; }

private:
    int mOld;
};

inline Sequence3Bit Packed(const std::string& s) {
    Sequence3Bit r;
    r.ConcatenateCString(s.c_str());
    return r;
}

inline Sequence Plain(const std::string& s) {
    Sequence q;
    q.mBases.assign(s.begin(), s.end());
    return q;
}

// The letters of a packed read (Bit2Base of each code).
inline std::string Letters(const Sequence3Bit& r) {
    std::string out;
    for (int i = 0; i < r.mBaseSize; ++i) out += Sequence3Bit::Bit2Base(r.Code(i));
    return out;
}

inline std::string Codes(const Sequence3Bit& r) {
    std::string out;
    for (int i = 0; i < r.mBaseSize; ++i) out += char('0' + r.Code(i));
    return out;
}

inline std::string DataPath(const std::string& name) { return std::string(TOVRIN_DATA_DIR) + "/" + name; }

inline bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}
