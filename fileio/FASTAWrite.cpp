// FASTA writing: ">name description", then the residues mLineWidth per line.
#include <algorithm>
#include <ostream>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"

namespace {

constexpr size_t kFlushAt = 1 << 16;   // bytes gathered before each stream write

void WriteRecord(std::ostream& os, const Sequence& s, int width, std::string& out)
{
    out += '>';
    out += s.mName;
    out += ' ';
    out += s.mDescription;
    out += '\n';
    const char* bases = s.mBases.data();
    const size_t n = s.mBases.size();
    // A width below 1 cannot wrap: the residues then go on one line.
    const size_t w = width > 0 ? static_cast<size_t>(width) : std::max<size_t>(n, 1);
    for (size_t k = 0; k < n; k += w) {
        const size_t m = std::min(w, n - k);
        out.append(bases + k, m);
        out += '\n';
        if (out.size() >= kFlushAt) {
            os.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
}

void WriteAll(std::ostream& os, const std::vector<Sequence>& seqs, int width)
{
    std::string out;
    out.reserve(kFlushAt + 1024);
    for (const Sequence& s : seqs) WriteRecord(os, s, width, out);
    os.write(out.data(), static_cast<std::streamsize>(out.size()));
}

}  // namespace

void FASTAFile::Write(std::ostream& os, const SequenceVector& v)
{
    WriteAll(os, v.mSeqs, mLineWidth);
}

void FASTAFile::Write(std::ostream& os, const Sequence& s)
{
    std::string out;
    WriteRecord(os, s, mLineWidth, out);
    os.write(out.data(), static_cast<std::streamsize>(out.size()));
}

void FASTAFile::Write(std::string path, const SequenceVector& v)
{
    WriteToFile(path, [&](std::ostream& os) { Write(os, v); });
}

void FASTAFile::Write(std::string path, const Sequence& s)
{
    WriteToFile(path, [&](std::ostream& os) { Write(os, s); });
}
