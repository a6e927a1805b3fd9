// Quality-file readers: ReadQual (standard), ReadQualX (line reader) and ReadQual0 (plain).
#include <fstream>
#include <iostream>
#include <utility>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"
#include "fileio/LineBlockReader.h"
#include "text/Globals.h"
#include "text/LineSearch.h"
#include "text/StringUtil.h"

namespace {

constexpr size_t kGrowStep = 300;   // the collection grows by this many records at a time

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Gives a finished record's unused value capacity back when it is large (a
// short read in a mReserve-sized buffer), so that many reads do not each hold
// mReserve values.
void ReleaseSlack(SequenceQuality* q)
{
    if (q == nullptr) return;
    std::vector<int>& values = q->mQuals;
    const size_t slack = values.capacity() - values.size();
    if (slack > 64 && slack > values.size() / 8) values.shrink_to_fit();
}

// The standard reader's loop. Lines of any length are read whole; the text of
// a line ends at its first NUL. Returns the number of records read.
size_t ReadQualRecords(std::istream& in, SequenceQualityVector& v, int reserve, bool warnWhiteSpace)
{
    LineBlockReader reader(in);
    std::string longLine;   // a line longer than the reader's block, gathered
    long i = -1;
    SequenceQuality* rec = nullptr;
    char* text;
    size_t len;
    bool first, last;
    while (reader.Next(text, len, first, last)) {
        char* line = text;
        if (!(first && last)) {
            if (first) longLine.clear();
            longLine.append(text, len);
            if (!last) continue;
            line = longLine.data();   // zero-terminated and writable
        }
        if (line[0] == '>') {
            ReleaseSlack(rec);
            ++i;
            if (static_cast<size_t>(i) >= v.mRecords.size()) v.mRecords.resize(v.mRecords.size() + kGrowStep);
            rec = &v.mRecords[static_cast<size_t>(i)];
            SplitHeader(std::string(line + 1), 0, rec->mName, rec->mDescription);
            if (reserve > 0) rec->mQuals.reserve(static_cast<size_t>(reserve));
            continue;
        }
        const char* c = line;
        while (*c != '\0' && IsSeparator(*c)) ++c;
        if (*c == '\0') {
            if (warnWhiteSpace) std::cout << "Hey why is there white space here?" << std::endl;
            continue;
        }
        // Values before the first header have no record to go to.
        if (rec != nullptr) GetIntsFromLine(line, rec->mQuals);
    }
    ReleaseSlack(rec);
    v.mRecords.resize(static_cast<size_t>(i + 1));
    return static_cast<size_t>(i + 1);
}

// A GetLine-based reader stopped at a line it could not read whole: keep the
// values of the words that lie wholly in the part delivered.
void KeepWholeWords(std::istream& in, std::string& line)
{
    in.clear();
    const int next = in.peek();
    if (next == std::char_traits<char>::eof() || IsSeparator(static_cast<char>(next))) return;
    const size_t sep = line.find_last_of(" \t\n");
    line.resize(sep == std::string::npos ? 0 : sep);
}

// Shared loop of ReadQualX and ReadQual0. splitName: name and description
// from the header as the standard reader does; otherwise the whole header text
// is the description. False when reading stopped before the end of input.
bool ReadQualLines(std::istream& in, SequenceQualityVector& v, bool splitName, const std::string& what)
{
    SequenceQuality work;
    v.mRecords.clear();
    long i = -1;
    std::string line;
    for (;;) {
        const bool ok = GetLine(in, line);
        // A line read fails only at end of input, unless the line was longer
        // than GetLine can hold or the stream broke; then reading cannot go on.
        const bool stopped = !ok && !in.eof();
        const bool truncated = stopped && GetLineTruncated();
        if (!line.empty()) {
            if (line[0] == '>') {
                if (splitName)
                    SplitHeader(line.substr(1), 0, work.mName, work.mDescription);
                else
                    work.mDescription.assign(line, 1, std::string::npos);
                v.mRecords.push_back(work);
                ++i;
            } else if (i >= 0) {
                if (truncated) KeepWholeWords(in, line);
                GetIntsFromLine(line, v.mRecords[static_cast<size_t>(i)].mQuals);
            }
        }
        if (stopped) {
            ReportReadStopped(what, truncated, kReadBufSize - 1);
            return false;
        }
        if (in.eof()) return true;
    }
}

}  // namespace

bool FASTAFile::ReadQual(std::istream& in, SequenceQualityVector& v)
{
    v.mRecords.clear();
    v.mRecords.resize(kGrowStep);
    return ReadQualRecords(in, v, mReserve, true) >= 1;
}

bool FASTAFile::ReadQual(std::string path, SequenceQualityVector& v)
{
    v.mRecords.clear();
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        ReportOpenFailed(path, true);
        return false;
    }
    v.mRecords.resize(kGrowStep);
    return ReadQualRecords(in, v, mReserve, false) >= 1;
}

bool FASTAFile::ReadQual(std::string path, SequenceQuality& q)
{
    SequenceQualityVector all;
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        ReportOpenFailed(path, true);
        q = SequenceQuality();
        return false;
    }
    all.mRecords.resize(kGrowStep);
    const bool ok = ReadQualRecords(in, all, mReserve, false) >= 1;
    if (!all.mRecords.empty()) q = std::move(all.mRecords[0]);
    return ok;
}

bool FASTAFile::ReadQualX(std::istream& in, SequenceQualityVector& v)
{
    return ReadQualLines(in, v, true, "Quality file");
}

bool FASTAFile::ReadQual0(std::string path, SequenceQualityVector& v)
{
    v.mRecords.clear();
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        ReportOpenFailed(path, false);
        return false;
    }
    return ReadQualLines(in, v, false, path);
}
