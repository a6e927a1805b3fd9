#include "kmer/MerSet.h"

#include <iostream>
#include <string>

#include "kmer/MerScan.h"
#include "kmer/StreamRead.h"
#include "text/Globals.h"
#include "text/LineSearch.h"
#include "text/StringUtil.h"

void MerSet::Add(const Sequence3Bit& read) {
    const int k = Mer::mMerSize;
    ForEachValidMer(read, k, (long long)read.mBaseSize - k + 1,
                    [&](uint64_t v, int) { mMers.insert(Mer::FromValue(v)); });
}

void MerSet::Add(std::istream& in) {
    Sequence3Bit read;
    gseqbuf2[0] = '1';
    do {
        read.GetNextRead(in, gseqbuf2, kSeqBuf2Size);
        Add(read);
    } while (!StreamDone(in));
}

void MerSet::ReadRepeatMers(std::istream& in, int minCount) {
    long long lineNo = 1, added = 0;
    std::string line;
    for (;;) {
        GetLine(in, line);
        int pos = 0;
        const std::string word = SplitNext(line, pos);
        const int count = NextInt(line, pos);
        if (count >= minCount) {
            // A word of any other length is reported by the constructor and not added.
            const Mer m(word);
            if (long(word.size()) == Mer::mMerSize) {
                mMers.insert(m);
                ++added;
            }
        }
        if (lineNo % 500000 == 0)
            std::cout << lineNo << " mers processed, " << added << " mers with count >=" << minCount
                      << " added to kill set." << std::endl;
        ++lineNo;
        if (StreamDone(in)) break;
    }
}

bool MerSet::ContainsFWDREV(Mer m) const {
    if (mMers.count(m)) return true;
    m.ReverseComplement();
    return mMers.count(m) != 0;
}
