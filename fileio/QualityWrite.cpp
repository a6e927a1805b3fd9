// Quality-file writers: ">name description", then mQualLineWidth values per line.
#include <ostream>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"

void FASTAFile::WriteQual(std::ostream& out, const SequenceQuality& q)
{
    out << '>' << q.mName << ' ' << q.mDescription << std::endl;
    const size_t n = q.mQuals.size();
    // A width below 1 cannot wrap: the values then go on one line.
    const size_t w = mQualLineWidth > 0 ? static_cast<size_t>(mQualLineWidth) : n + 1;
    for (size_t k = 1; k <= n; ++k) {
        out << q.mQuals[k - 1];
        if (k % w == 0)
            out << std::endl;
        else
            out << ' ';   // also after the last value of a short last line
    }
    if (n % w != 0) out << std::endl;
}

void FASTAFile::WriteQual(std::ostream& out, const SequenceQualityVector& v)
{
    for (const SequenceQuality& q : v.mRecords) WriteQual(out, q);
}

void FASTAFile::WriteQual(std::string path, const SequenceQualityVector& v)
{
    WriteToFile(path, [&](std::ostream& os) { WriteQual(os, v); });
}

void FASTAFile::WriteQual(std::string path, const SequenceQuality& q)
{
    SequenceQualityVector one;
    one.mRecords.push_back(q);
    WriteQual(path, one);
}
