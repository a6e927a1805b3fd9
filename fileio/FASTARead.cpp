// The standard FASTA reader: Read and Append.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <utility>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"
#include "fileio/LineBlockReader.h"

namespace {

constexpr size_t kGrowStep = 300;   // the collection grows by this many records at a time

// Gives a finished record's unused residue capacity back when it is large
// (a short read in a mReserve-sized buffer, or the last doubling of a long
// record), so that many reads or a long chromosome do not hold twice their size.
void ReleaseSlack(Sequence* rec)
{
    if (rec == nullptr) return;
    std::vector<char>& b = rec->mBases;
    const size_t slack = b.capacity() - b.size();
    if (slack > 64 && slack > b.size() / 8) b.shrink_to_fit();
}

// Reads records into v.mSeqs from index i + 1 on; sequence lines go to record
// i (none while i < 0). Returns the index of the last record read into.
// v.mSeqs is grown in steps and must be cut to the result + 1 by the caller.
long ReadRecords(std::istream& in, SequenceVector& v, long i, int reserve)
{
    LineBlockReader reader(in);
    Sequence* rec = i >= 0 ? &v.mSeqs[static_cast<size_t>(i)] : nullptr;
    std::string header;       // header text, gathered across pieces of a long line
    bool isHeader = false;    // the current line is a header line
    bool cut = false;         // a NUL has ended the current line's text
    size_t lineLen = 0;       // residues the current line has added so far

    char* text;
    size_t len;
    bool first, last;
    while (reader.Next(text, len, first, last)) {
        if (first) {
            isHeader = len > 0 && text[0] == '>';
            cut = false;
            lineLen = 0;
            if (isHeader) {
                header.clear();
                ++text;
                --len;
            }
        }
        if (cut) {
            len = 0;
        } else if (const void* nul = std::memchr(text, '\0', len)) {
            len = static_cast<size_t>(static_cast<const char*>(nul) - text);
            cut = true;
        }

        if (isHeader) {
            header.append(text, len);
            if (!last) continue;
            ReleaseSlack(rec);
            ++i;
            if (static_cast<size_t>(i) >= v.mSeqs.size()) v.mSeqs.resize(v.mSeqs.size() + kGrowStep);
            rec = &v.mSeqs[static_cast<size_t>(i)];
            SplitHeader(header, 0, rec->mName, rec->mDescription);
            if (reserve > 0) rec->mBases.reserve(static_cast<size_t>(reserve));
        } else if (rec != nullptr) {
            std::vector<char>& b = rec->mBases;
            if (b.size() + len > b.capacity()) {
                // Grow by doubling, but never beyond what the rest of the input can add.
                const size_t need = b.size() + len;
                size_t want = std::max(need, 2 * b.capacity());
                const size_t rest = reader.Remaining();
                if (rest != SIZE_MAX && want > need + rest) want = need + rest;
                b.reserve(want);
            }
            b.insert(b.end(), text, text + len);
            lineLen += len;
            if (last && lineLen > 0) {
                // One trailing blank or tab (or newline) of the line is not a residue.
                const char c = rec->mBases.back();
                if (c == ' ' || c == '\t' || c == '\n') rec->mBases.pop_back();
            }
        }
    }
    ReleaseSlack(rec);
    return i;
}

}  // namespace

bool FASTAFile::Read(std::istream& in, SequenceVector& v)
{
    v.mSeqs.clear();
    v.mSeqs.resize(kGrowStep);
    const long i = ReadRecords(in, v, -1, mReserve);
    v.mSeqs.resize(static_cast<size_t>(i + 1));
    return i + 1 >= 1;
}

bool FASTAFile::Append(std::istream& in, SequenceVector& v)
{
    const long i = ReadRecords(in, v, static_cast<long>(v.mSeqs.size()) - 1, mReserve);
    v.mSeqs.resize(static_cast<size_t>(i + 1));
    return !v.mSeqs.empty();
}

bool FASTAFile::Read(std::string path, SequenceVector& v)
{
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        ReportOpenFailed(path, true);
        return false;
    }
    return Read(in, v);
}

bool FASTAFile::Read(std::istream& in, Sequence& s)
{
    SequenceVector all;
    const bool ok = Read(in, all);
    if (!all.mSeqs.empty()) s = std::move(all.mSeqs[0]);
    return ok;
}

bool FASTAFile::Read(std::string path, Sequence& s)
{
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) return false;
    return Read(in, s);
}
