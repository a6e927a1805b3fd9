// Per-base quality values (Phred scale) of one read, kept apart from its bases.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class SequenceQuality {
public:
    std::vector<int> mQuals;    // one value per base, in base order
    std::string mDescription;   // header text after the name (may be empty)
    std::string mName;          // first word of the header

    void Reverse();                              // reverses mQuals in place
    void Concatenate(const SequenceQuality& other);  // appends other's values (other may be *this)
    // Zeroes indexes 0..left (none when left < 0) and right..end (none when
    // right < 0 or right >= count); positions out of range are clamped away.
    void Trim(long left, long right);

    // A value is good (Phred20) when it is at least 20.
    int CountPhred20() const;
    // First good index at or after start; none, or start outside 0..count-1:
    // count - 1 (-1 for an empty record).
    int FindPhred20(long start) const;
    // Last good index at or before start (clamped to count - 1); none, or
    // start < 0: 0.
    int RFindPhred20(long start) const;
    int RFindPhred20() const;   // RFindPhred20(count - 1)

    // Display layout: ">name description", then the values each followed by a
    // blank, 51 on the first line and 50 on each later one. No flush.
    void Print(std::ostream& out) const;
    void Print() const;   // to std::cout
};
