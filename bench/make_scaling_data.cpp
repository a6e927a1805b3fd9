// Writes the deterministic sources of the scaling benchmark:
//
//   bench_make_scaling_data GENOME_DIR OUT_DIR [MBP ...]     (default sizes 1 5 10 100)
//
// For each size N Mbp, OUT_DIR/scaling-<N>M.fa holds two records of N/2 Mbp
// each (the engine indexes only the first two records of a source). Their bases
// are the first N million of one fixed stream: the sequences of the four
// Klebsiella genomes NTUH-K2044, Klebs_HS11286, MGH78578 and Klebs_Kp1084
// concatenated in that order, followed by as many mutated copies of that
// concatenation as needed. Copy c replaces each base with probability 1/16 by one
// of the three other bases, drawn from a splitmix64 stream seeded with c, so a
// 32-mer survives a copy unchanged with probability about 0.13: the large
// sources keep repeats without being mere duplicates. Existing files of the
// right size are kept.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kGenomes[] = {"NTUH-K2044.fa", "Klebs_HS11286.fa", "MGH78578.fa", "Klebs_Kp1084.fa"};
const int kLineWidth = 80;

uint64_t SplitMix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Appends the sequence characters of every record (header lines and white space dropped).
bool AppendBases(const std::string& path, std::string& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<char> buf(1 << 20);
    bool lineStart = true, header = false;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) {
        for (size_t i = 0; i < n; ++i) {
            const char c = buf[i];
            if (lineStart && c == '>') header = true;
            lineStart = c == '\n';
            if (c == '\n') {
                header = false;
            } else if (!header && c != '\r' && c != ' ' && c != '\t') {
                out.push_back(c);
            }
        }
    }
    std::fclose(f);
    return true;
}

// A copy of base with about one base in 16 substituted, seeded by seed.
void AppendMutated(const std::string& base, uint64_t seed, std::string& out) {
    static const char kOther[4][3] = {{'C', 'G', 'T'}, {'A', 'G', 'T'}, {'A', 'C', 'T'}, {'A', 'C', 'G'}};
    uint64_t state = seed;
    const size_t start = out.size();
    out += base;
    for (size_t i = start; i < out.size(); ++i) {
        const uint64_t r = SplitMix64(state);
        if ((r & 15) != 0) continue;
        int code;
        switch (out[i]) {
            case 'A': code = 0; break;
            case 'C': code = 1; break;
            case 'G': code = 2; break;
            case 'T': code = 3; break;
            default: continue;  // N and other codes stay as they are
        }
        out[i] = kOther[code][(r >> 4) % 3];
    }
}

bool WriteRecord(FILE* f, const char* name, const char* data, size_t len) {
    if (std::fprintf(f, ">%s\n", name) < 0) return false;
    for (size_t i = 0; i < len; i += kLineWidth) {
        const size_t n = len - i < size_t(kLineWidth) ? len - i : size_t(kLineWidth);
        if (std::fwrite(data + i, 1, n, f) != n || std::fputc('\n', f) == EOF) return false;
    }
    return true;
}

long long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? (long long)st.st_size : -1;
}

long long ExpectedSize(size_t bases, const std::string& name1, const std::string& name2) {
    const size_t half = bases / 2, rest = bases - half;
    auto rec = [](size_t len, const std::string& name) {
        return (long long)(name.size() + 2 + len + (len + kLineWidth - 1) / kLineWidth);
    };
    return rec(half, name1) + rec(rest, name2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_make_scaling_data GENOME_DIR OUT_DIR [MBP ...]\n");
        return 2;
    }
    const std::string genomes = argv[1], outDir = argv[2];
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        const int m = std::atoi(argv[i]);
        if (m < 1 || m > 2000) {
            std::fprintf(stderr, "bench_make_scaling_data: size %s Mbp out of range 1..2000\n", argv[i]);
            return 2;
        }
        sizes.push_back(m);
    }
    if (sizes.empty()) sizes = {1, 5, 10, 100};
    mkdir(outDir.c_str(), 0777);  // may exist already; a failure shows when writing

    std::vector<int> todo;
    for (int m : sizes) {
        const std::string path = outDir + "/scaling-" + std::to_string(m) + "M.fa";
        const std::string n1 = "scaling" + std::to_string(m) + "M_a", n2 = "scaling" + std::to_string(m) + "M_b";
        if (FileSize(path) != ExpectedSize(size_t(m) * 1000000, n1, n2)) todo.push_back(m);
    }
    if (todo.empty()) return 0;

    std::string base;
    for (const char* g : kGenomes) {
        if (!AppendBases(genomes + "/" + g, base)) {
            std::fprintf(stderr, "bench_make_scaling_data: cannot read %s/%s\n", genomes.c_str(), g);
            return 1;
        }
    }
    if (base.empty()) return 1;
    size_t most = 0;
    for (int m : todo) most = std::max(most, size_t(m) * 1000000);
    std::string stream;
    stream.reserve(most + base.size());
    stream = base;
    for (uint64_t copy = 1; stream.size() < most; ++copy) AppendMutated(base, copy, stream);

    for (int m : todo) {
        const size_t bases = size_t(m) * 1000000, half = bases / 2;
        const std::string path = outDir + "/scaling-" + std::to_string(m) + "M.fa";
        const std::string n1 = "scaling" + std::to_string(m) + "M_a", n2 = "scaling" + std::to_string(m) + "M_b";
        const std::string tmp = path + ".tmp";
        FILE* f = std::fopen(tmp.c_str(), "wb");
        bool ok = f && WriteRecord(f, n1.c_str(), stream.data(), half) &&
                  WriteRecord(f, n2.c_str(), stream.data() + half, bases - half);
        if (f && std::fclose(f) != 0) ok = false;
        if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
            std::fprintf(stderr, "bench_make_scaling_data: cannot write %s\n", path.c_str());
            std::remove(tmp.c_str());
            return 1;
        }
        std::fprintf(stderr, "wrote %s (%d Mbp in two records)\n", path.c_str(), m);
    }
    return 0;
}
