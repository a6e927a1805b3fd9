// The engine's whole road on fuzzed files: the input is split at its first
// "\n==\n" into a source and a query FASTA text (both written to scratch
// files), k, scale and step come from the first bytes. Every getter is then
// read over its whole range and one cell past each end.
#include <unistd.h>

#include <cstring>

#include "engine/Tovrin.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    std::cerr.rdbuf(std::cout.rdbuf());  // the count-mismatch warning goes to standard error
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const int k = 1 + input.Byte() % 32;
    const int scale = 8 + input.Byte();  // at least 8 bases per pixel keeps the dense tables small
    const int step = 1 + input.Byte() % 16;
    const uint8_t mode = input.Byte();
    const std::string text = input.Rest();
    size_t cut = text.find("\n==\n");
    const std::string source = text.substr(0, cut);
    const std::string queries = cut == std::string::npos ? source : text.substr(cut + 4);

    const std::string& scratch = ScratchPath();
    const std::string srcPath = scratch + ".src", qryPath = scratch + ".qry";
    WriteScratch(reinterpret_cast<const uint8_t*>(source.data()), source.size());
    rename(scratch.c_str(), srcPath.c_str());
    WriteScratch(reinterpret_cast<const uint8_t*>(queries.data()), queries.size());
    rename(scratch.c_str(), qryPath.c_str());

    Tovrin t;
    Tovrin::SetMerSize(k);
    t.SetScale(scale);
    t.mSampleIncrement = step;
    if (mode & 1) t.ReadSourceThinned(srcPath);
    else t.ReadSource(srcPath);
    t.ReadQueries(qryPath);
    if (mode & 2) t.CompareThinned();
    else t.Compare();
    if (mode & 4) t.ReadQueries(srcPath);  // stale hit lists against other queries
    t.ComputeStats();
    t.InitPixels();
    t.InitPixels2();

    const int cols2 = t.GetCols2(), rows2 = t.GetTotalRows2();
    for (int x = -1; x <= cols2 + 1; ++x)
        for (int y = -1; y <= rows2 + 1; ++y) {
            FUZZ_CHECK(t.GetIntensity2(0, x, y) >= 0);
            FUZZ_CHECK(t.GetRevIntensity2(0, x, y) >= 0);
        }
    const int n = t.GetNumQueries();
    t.GetTotalRows();
    long long sum = 0;
    for (int q = -1; q <= n; ++q) {
        const int rows = t.GetRows(q), cols = t.GetCols(q);
        for (int y = -1; y <= rows; ++y)
            for (int x = -1; x <= cols; ++x) sum += t.GetIntensity(q, x, y);
    }
    // Every forward hit of a current query has its cell in that query's table.
    long long hits = 0;
    for (size_t q = 0; q < t.FwdHitsVec.size() && q < static_cast<size_t>(n); ++q) hits += t.FwdHitsVec[q].size();
    FUZZ_CHECK(sum == hits);
    unlink(srcPath.c_str());
    unlink(qryPath.c_str());
    Tovrin::SetMerSize(32);
    return 0;
}
