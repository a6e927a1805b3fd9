// FASTA reading speed on real multi-megabase genomes: the standard reader
// (the engine's query path), the filtering reader and the writer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "fileio/FASTAFile.h"

namespace {

std::string GenomePath(const char* name)
{
    return std::string(TOVRIN_DATA_DIR) + "/" + name;
}

// Residues held and capacity reserved, to see what the reader leaves allocated.
void CountMemory(benchmark::State& state, const SequenceVector& v)
{
    double bases = 0, capacity = 0;
    for (const Sequence& s : v.mSeqs) {
        bases += static_cast<double>(s.mBases.size());
        capacity += static_cast<double>(s.mBases.capacity());
    }
    state.counters["records"] = static_cast<double>(v.mSeqs.size());
    state.counters["bases"] = bases;
    state.counters["capacity/bases"] = bases > 0 ? capacity / bases : 0;
}

// The genome's path, or "" after marking the benchmark skipped when it is absent.
std::string Genome(benchmark::State& state, const char* name)
{
    const std::string path = GenomePath(name);
    if (std::filesystem::exists(path)) return path;
    state.SkipWithError("genome not fetched (scripts/fetch-data.sh)");
    return "";
}

// One reader of the whole file into a collection, timed per call.
template <class Reader>
void ReadWith(benchmark::State& state, const std::string& path, SequenceVector& v, Reader read)
{
    FASTAFile f;
    for (auto _ : state) {
        read(f, path, v);
        benchmark::DoNotOptimize(v.mSeqs.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_Read(benchmark::State& state, const char* name)
{
    const std::string path = Genome(state, name);
    if (path.empty()) return;
    SequenceVector v;
    ReadWith(state, path, v, [](FASTAFile& f, const std::string& p, SequenceVector& out) { f.Read(p, out); });
    CountMemory(state, v);
}

void BM_Read0(benchmark::State& state, const char* name)
{
    const std::string path = Genome(state, name);
    if (path.empty()) return;
    SequenceVector v;
    ReadWith(state, path, v, [](FASTAFile& f, const std::string& p, SequenceVector& out) { f.Read0(p, out); });
}

void BM_Write(benchmark::State& state, const char* name)
{
    const std::string path = Genome(state, name);
    if (path.empty()) return;
    FASTAFile f;
    SequenceVector v;
    f.Read(path, v);
    std::string text;
    for (auto _ : state) {
        std::ostringstream out;
        f.Write(out, v);
        text = out.str();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Read, Klebs_HS11286, "Klebs_HS11286.fa")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, NTUH_K2044, "NTUH-K2044.fa")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, B_anthracis_contigs, "B_anthracis_contigs.fa")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read0, Klebs_HS11286, "Klebs_HS11286.fa")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Write, Klebs_HS11286, "Klebs_HS11286.fa")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
