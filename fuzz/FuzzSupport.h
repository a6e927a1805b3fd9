// Shared pieces of the libFuzzer targets: a silent standard output, parameter
// bytes taken from the front of the input, and a per-process scratch file for
// the readers that only take a path.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>

// Discards everything: the readers report every odd line on standard output,
// which would otherwise drown the fuzzer's own output and slow it down.
class NullBuf : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

inline void SilenceStdout() {
    static NullBuf sink;
    std::cout.rdbuf(&sink);
}

// Takes small parameters from the front of the input; what is left is the text.
struct FuzzInput {
    const uint8_t* mData;
    size_t mSize;

    uint8_t Byte() {
        if (mSize == 0) return 0;
        --mSize;
        return *mData++;
    }
    std::string Rest() const { return std::string(reinterpret_cast<const char*>(mData), mSize); }
};

// This process's scratch file, removed at exit.
inline const std::string& ScratchPath() {
    static const std::string path = [] {
        const char* dir = getenv("TMPDIR");
        return std::string(dir && *dir ? dir : "/tmp") + "/tovrin-fuzz-" + std::to_string(getpid()) + ".in";
    }();
    static const bool cleanup = atexit([] { unlink(ScratchPath().c_str()); }) == 0;
    (void)cleanup;
    return path;
}

// Writes bytes to the scratch file and returns its path.
inline const std::string& WriteScratch(const uint8_t* data, size_t size) {
    const std::string& path = ScratchPath();
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) abort();
    if (size && fwrite(data, 1, size, f) != size) abort();
    fclose(f);
    return path;
}

// A fuzz target's own check failed: report and crash so that libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                          \
    do {                                                                          \
        if (!(cond)) {                                                            \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            abort();                                                              \
        }                                                                         \
    } while (0)
