// The filtering FASTA reader: Read0 keeps only base letters and the whole header.
#include <fstream>
#include <utility>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"
#include "text/Globals.h"
#include "text/LineSearch.h"
#include "text/StringUtil.h"

namespace {

constexpr size_t kMinRoom = 2000;   // records the collection keeps room for

void AddFilteredLine(const std::string& line, SequenceVector& v, long i)
{
    if (i < 0) return;   // no record yet: nothing to add to
    std::vector<char>& bases = v.mSeqs[static_cast<size_t>(i)].mBases;
    for (char c : line)
        if (IsBase(c)) bases.push_back(c);
}

}  // namespace

bool FASTAFile::Read0(std::string path, SequenceVector& v)
{
    Sequence work;
    v.mSeqs.clear();
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        ReportOpenFailed(path, true);
        return false;
    }
    long i = -1;
    std::string line;
    for (;;) {
        const bool ok = GetLine(in, line);
        // A line read fails only at end of input, unless the line was longer
        // than GetLine can hold or the stream broke; then reading cannot go on.
        const bool stopped = !ok && !in.eof();
        if (!line.empty()) {
            if (line[0] == '>') {
                work.mDescription.assign(line, 1, std::string::npos);
                v.mSeqs.push_back(work);
                if (v.mSeqs.capacity() < kMinRoom) v.mSeqs.reserve(kMinRoom);
                ++i;
            } else {
                AddFilteredLine(line, v, i);   // bases of a cut line are still whole
            }
        }
        if (stopped) {
            ReportReadStopped(path, GetLineTruncated(), kReadBufSize - 1);
            return false;
        }
        if (in.eof()) break;
    }
    return true;
}

bool FASTAFile::Read0(std::string path, Sequence& s)
{
    SequenceVector all;
    const bool ok = Read0(path, all);
    if (!all.mSeqs.empty()) s = std::move(all.mSeqs[0]);
    return ok;
}
