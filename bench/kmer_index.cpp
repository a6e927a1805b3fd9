// Source k-mer index benchmark: indexes the Klebsiella chromosome pair
// NTUH-K2044.fa (first two records, as the engine does) and looks up every
// 10th k-mer of Klebs_Kp1084.fa forward and reverse. Prints wall time, peak RSS
// and index bytes per indexed position.
//
//   bench_kmer_index [source.fa [query.fa [k]]]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "kmer/MerHashMap.h"
#include "sequence/Sequence.h"

#ifndef TOVRIN_DATA_DIR
#define TOVRIN_DATA_DIR ".cache/genomes"
#endif

namespace {

double Seconds(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// User + system CPU seconds of this process: steadier than wall time on a shared machine.
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + 1e-6 * double(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

long PeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;  // kilobytes on Linux
}

// Every record of a FASTA file, plain text.
std::vector<Sequence> ReadQueries(const std::string& path) {
    std::vector<Sequence> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '>') {
            out.emplace_back();
            out.back().mName = line.substr(1);
        } else if (!out.empty()) {
            out.back().mBases.insert(out.back().mBases.end(), line.begin(), line.end());
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string source = argc > 1 ? argv[1] : std::string(TOVRIN_DATA_DIR) + "/NTUH-K2044.fa";
    const std::string query = argc > 2 ? argv[2] : std::string(TOVRIN_DATA_DIR) + "/Klebs_Kp1084.fa";
    Mer::mMerSize = argc > 3 ? std::atoi(argv[3]) : 32;

    const long rssStart = PeakRssKb();
    std::ifstream in(source);
    if (!in) {
        std::cerr << source << " file open failed" << std::endl;
        return 1;
    }
    SourceMerIndex index;
    auto t0 = std::chrono::steady_clock::now();
    double c0 = CpuSeconds();
    index.AddToHashMapSampled(in, 0, 1, 1);
    const double buildSec = Seconds(t0), buildCpu = CpuSeconds() - c0;
    const long rssBuilt = PeakRssKb();

    long long bases = 0;
    for (int s : index.mReadSizes) bases += s;
    const size_t positions = index.mMap.NumLocations();
    const size_t bytes = index.MemoryBytes();

    const std::vector<Sequence> queries = ReadQueries(query);
    MerSearchResultVec<SingleSourceMerLocation> fwd, rev;
    long long lookups = 0;
    t0 = std::chrono::steady_clock::now();
    c0 = CpuSeconds();
    for (const Sequence& q : queries) {
        const long long n = (long long)q.mBases.size() - Mer::mMerSize;
        for (long long pos = 0; pos <= n; pos += 10) {
            index.FindMerLocations(q, int(pos), fwd);
            index.FindRevMerLocations(q, int(pos), rev);
            ++lookups;
        }
    }
    const double lookupSec = Seconds(t0), lookupCpu = CpuSeconds() - c0;

    // The same lookups, prefetching 8 positions ahead as a caller may.
    MerSearchResultVec<SingleSourceMerLocation> fwd2, rev2;
    t0 = std::chrono::steady_clock::now();
    c0 = CpuSeconds();
    for (const Sequence& q : queries) {
        const long long n = (long long)q.mBases.size() - Mer::mMerSize;
        for (long long pos = 0; pos <= n; pos += 10) {
            if (pos + 80 <= n) index.PrefetchMer(q, int(pos + 80));
            index.FindMerLocations(q, int(pos), fwd2);
            index.FindRevMerLocations(q, int(pos), rev2);
        }
    }
    const double prefetchSec = Seconds(t0), prefetchCpu = CpuSeconds() - c0;

    std::printf("source           %s (%zu records read, %lld bases)\n", source.c_str(),
                index.mReadNames.size(), bases);
    std::printf("k                %d\n", Mer::mMerSize);
    std::printf("indexed          %zu positions, %zu distinct k-mers, %zu buckets (load %.3f)\n", positions,
                index.mMap.Size(), index.mMap.BucketCount(), double(index.mMap.LoadFactor()));
    std::printf("index bytes      %zu (%.2f bytes per indexed position)\n", bytes,
                positions ? double(bytes) / double(positions) : 0.0);
    std::printf("build time       %.3f s wall, %.3f s CPU\n", buildSec, buildCpu);
    std::printf("peak RSS         %.1f MB after build (%.1f MB before), %.1f MB at end\n", rssBuilt / 1024.0,
                rssStart / 1024.0, PeakRssKb() / 1024.0);
    std::printf("lookups          %lld positions x (forward + reverse) in %.3f s wall, %.3f s CPU"
                " (%.1f ns CPU per lookup)\n",
                lookups, lookupSec, lookupCpu, lookups ? lookupCpu * 1e9 / double(2 * lookups) : 0.0);
    std::printf("  with prefetch  %.3f s wall, %.3f s CPU (%.1f ns CPU per lookup)%s\n", prefetchSec, prefetchCpu,
                lookups ? prefetchCpu * 1e9 / double(2 * lookups) : 0.0,
                fwd2.size() == fwd.size() && rev2.size() == rev.size() ? "" : "  HITS DIFFER");
    std::printf("hits             %zu forward, %zu reverse\n", fwd.size(), rev.size());
    return 0;
}
