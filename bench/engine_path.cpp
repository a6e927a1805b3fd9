// Engine path benchmark: drives Tovrin the way the Java dot-plot command does
// (ReadSource, ReadQueries, Compare, ComputeStats, InitPixels, then one
// GetIntensity2 and one GetRevIntensity2 call per pixel of the window) and
// writes the wall and CPU time of each phase, peak RSS and index size to standard error,
// one "name value" pair per line, for bench/run.sh to collect.
//
//   bench_engine_path [--thinned] [--scale N] [--step N] [--k N] [source.fa [query.fa]]
//
// Without --scale the scale is chosen as the dot-plot command chooses it: the
// longer side (first two source records, or all query records) about 1200
// pixels. The library's progress lines go to standard output; send them to
// /dev/null when timing.
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/Tovrin.h"
#include "kmer/Mer.h"

#ifndef TOVRIN_DATA_DIR
#define TOVRIN_DATA_DIR ".cache/genomes"
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

// User + system CPU seconds of this process: steadier than wall time on a shared machine.
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + 1e-6 * double(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

// Wall and CPU seconds of one phase.
struct Phase {
    const char* mName;
    double mWall = 0, mCpu = 0;
    Clock::time_point mT0;
    double mC0 = 0;
    explicit Phase(const char* name) : mName(name) {}
    void Start() {
        mC0 = CpuSeconds();
        mT0 = Clock::now();
    }
    void Stop() {
        mWall = Since(mT0);
        mCpu = CpuSeconds() - mC0;
    }
};

long PeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;  // kilobytes on Linux
}

// Bytes the allocator has handed out and not taken back (small blocks + mmapped ones).
size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Record lengths of a FASTA file: characters of sequence lines other than the
// line end and trailing blanks or tabs, as the dot-plot command counts them.
// Lines are found with memchr, a block at a time. Empty when the file cannot be read.
std::vector<long long> RecordLengths(const std::string& path) {
    std::vector<long long> lengths;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return lengths;
    std::vector<char> buf(1 << 20);
    bool lineStart = true, inHeader = false;
    long long pending = 0;  // blanks and tabs not yet known to be inside the line
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) {
        const char* p = buf.data();
        const char* const end = p + n;
        while (p < end) {
            if (lineStart && *p == '>') {
                lengths.push_back(0);
                inHeader = true;
                pending = 0;
            }
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            const char* stop = nl ? nl : end;
            if (!inHeader && !lengths.empty()) {
                const char* last = stop;  // one past the last character that is not a blank or tab
                while (last > p && (last[-1] == ' ' || last[-1] == '\t')) --last;
                if (last > p) {
                    lengths.back() += pending + (last - p);
                    pending = stop - last;
                } else {
                    pending += stop - p;
                }
            }
            if (nl) {
                inHeader = false;
                pending = 0;
                lineStart = true;
                p = nl + 1;
            } else {
                lineStart = false;
                p = end;
            }
        }
    }
    std::fclose(f);
    return lengths;
}

long long Total(const std::vector<long long>& v, size_t n) {
    long long t = 0;
    for (size_t i = 0; i < std::min(n, v.size()); ++i) t += v[i];
    return t;
}

void Usage() {
    std::fprintf(stderr,
                 "usage: bench_engine_path [--thinned] [--scale N] [--step N] [--k N] [source.fa [query.fa]]\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool thinned = false;
    int scale = 0, step = 10, k = 32;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](int& out) {
            if (i + 1 >= argc) return false;
            out = std::atoi(argv[++i]);
            return out > 0;
        };
        if (a == "--thinned") {
            thinned = true;
        } else if (a == "--scale" || a == "--step" || a == "--k") {
            int& out = a == "--scale" ? scale : a == "--step" ? step : k;
            if (!value(out) || (a == "--k" && out > 32)) {
                Usage();
                return 2;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            Usage();
            return 2;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() > 2) {
        Usage();
        return 2;
    }
    const std::string source = files.size() > 0 ? files[0] : std::string(TOVRIN_DATA_DIR) + "/NTUH-K2044.fa";
    const std::string query = files.size() > 1 ? files[1] : std::string(TOVRIN_DATA_DIR) + "/Klebs_Kp1084.fa";

    // Scale as the dot-plot command picks it (its summary pass is part of its run too).
    Phase scan("scan"), src("read_source"), qry("read_queries"), cmp("compare"), stats("stats"),
        pix("init_pixels"), back("readback"), del("delete");
    scan.Start();
    const std::vector<long long> srcLen = RecordLengths(source), qryLen = RecordLengths(query);
    if (srcLen.empty() || qryLen.empty()) {
        std::fprintf(stderr, "bench_engine_path: cannot read %s\n", (srcLen.empty() ? source : query).c_str());
        return 1;
    }
    const long long srcBases = Total(srcLen, 2), qryBases = Total(qryLen, qryLen.size());
    if (scale == 0) scale = int(std::max(1LL, (std::max(srcBases, qryBases) + 1199) / 1200));
    scan.Stop();

    const long rssStart = PeakRssKb();
    const size_t heap0 = HeapInUse();
    auto* e = new Tovrin();
    Tovrin::SetMerSize(k);  // after construction, which resets it to 32
    e->mSampleIncrement = step;
    e->SetScale(scale);

    src.Start();
    if (thinned)
        e->ReadSourceThinned(source);
    else
        e->ReadSource(source);
    src.Stop();
    const size_t heapIndex = HeapInUse() - heap0;
    const long rssIndex = PeakRssKb();

    qry.Start();
    e->ReadQueries(query);
    qry.Stop();

    cmp.Start();
    if (thinned)
        e->CompareThinned();
    else
        e->Compare();
    cmp.Stop();
    size_t fwdHits = 0, revHits = 0;
    for (const auto& v : e->FwdHitsVec) fwdHits += v.size();
    for (const auto& v : e->RevHitsVec) revHits += v.size();

    stats.Start();
    e->ComputeStats();
    stats.Stop();

    pix.Start();
    e->InitPixels();
    pix.Stop();

    // Every pixel of the window, row by row, as the Java front end reads it.
    back.Start();
    const int cols = e->GetCols2() + 1, rows = e->GetTotalRows2() + 1;
    long long fwdSum = 0, revSum = 0, nonEmpty = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const int f = e->GetIntensity2(0, x, y), r = e->GetRevIntensity2(0, x, y);
            fwdSum += f;
            revSum += r;
            nonEmpty += (f | r) != 0;
        }
    }
    back.Stop();

    const size_t positions = e->mSourceIndex.mMap.NumLocations();
    const size_t distinct = e->mSourceIndex.mMap.Size(), buckets = e->mSourceIndex.mMap.BucketCount();
    const size_t indexBytes = e->mSourceIndex.MemoryBytes(), tableBytes = e->mSourceIndex.mMap.MemoryBytes();
    const long rssPeak = PeakRssKb();

    del.Start();
    delete e;
    del.Stop();

    std::fprintf(stderr, "mode %s\nscale %d\nk %d\nstep %d\nsource_bases %lld\nquery_bases %lld\n",
                 thinned ? "thinned" : "sampled", scale, k, step, srcBases, qryBases);
    double wall = 0, cpu = 0;
    for (const Phase* p : {&scan, &src, &qry, &cmp, &stats, &pix, &back, &del}) {
        std::fprintf(stderr, "t_%s %.4f\nc_%s %.4f\n", p->mName, p->mWall, p->mName, p->mCpu);
        if (p != &scan) {
            wall += p->mWall;
            cpu += p->mCpu;
        }
    }
    std::fprintf(stderr,
                 "t_engine %.4f\nc_engine %.4f\nwindow %d %d\nhits %zu %zu\npixel_sums %lld %lld %lld\n"
                 "indexed_positions %zu\ndistinct_kmers %zu\nbuckets %zu\ntable_bytes %zu\n"
                 "index_bytes %zu\nindex_heap_bytes %zu\n"
                 "index_bytes_per_position %.2f\nindex_heap_bytes_per_position %.2f\n"
                 "rss_start_kb %ld\nrss_after_index_kb %ld\nrss_peak_kb %ld\n",
                 wall, cpu, cols, rows, fwdHits, revHits, fwdSum, revSum, nonEmpty, positions, distinct, buckets, tableBytes, indexBytes,
                 heapIndex, positions ? double(indexBytes) / double(positions) : 0.0,
                 positions ? double(heapIndex) / double(positions) : 0.0, rssStart, rssIndex, rssPeak);
    return 0;
}
