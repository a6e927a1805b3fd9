// A named nucleotide sequence held as text, one character per residue, with
// a lazily built mapping between padded (pads '*' and '-' counted) and
// depadded coordinates.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class Sequence {
public:
    std::vector<char> mBases;          // residues, 0-based, no terminator; any byte may occur
    std::vector<int> mDepadded2Padded; // [c] = index in mBases of the c-th non-pad residue (c >= 1)
    std::vector<int> mPadded2Depadded; // [i] = number of non-pad residues in mBases[0..i]
    std::string mDescription;          // header text after the name
    std::string mName;                 // first word of the header, without '>'

    // Residue tests; they do not read the object.
    static bool IsBase(char c);         // A C G T a c g t
    static bool IsBaseNX(char c);       // the above plus N X n x
    static char ComplementBase(char c); // A<->T, C<->G in both cases; anything else unchanged

    // Setting and appending residues (name, description and caches untouched).
    void InitFromCString(const char* s);   // replaces mBases with s up to its NUL
    void InitFromCString(char* s);
    void InitFromString(std::string& s);   // strips white space from s itself, then appends it
    void ConcatenateCString(const char* s);
    void ConcatenateString(const std::string& s);
    void ConcatenateNonWhiteSpace(const std::string& s);  // skips blank, tab, newline
    void ConcatenateStringSafe(const std::string& s);     // non-bases become NUL, positions kept
    void Concatenate(const Sequence& other);

    // Copying residues out.
    void CopyToString(std::string& out) const;  // appends
    void CopyToCString(char* out) const;        // out holds length + 1 chars
    // out = residues from..to (clamped), description suffixed "[from,to]"; empty
    // range leaves out's residues empty and its name and description unchanged.
    void GetSubSequence(Sequence& out, long from, long to) const;

    // In-place transformations of mBases.
    void Reverse();
    void Complement();
    void ReverseComplement();
    void ToLowerCase();
    void ToUpperCase();
    void Nify();                       // every non-base (N, X, pads, ...) becomes 'n'
    void Trim(long left, long right);  // masks 0..left and right..end with 'X'; length kept

    // Content tests. Ranged forms test start .. start + count - 1, clipped to the sequence.
    bool OnlyUpperCaseBases() const;   // every residue has (code & 0x28) == 0
    bool OnlyUpperCaseBases(int start, int count) const;
    bool ContainsOnlyBasesSafe() const;
    bool ContainsOnlyBasesSafe(int start, int count) const;
    bool ContainsNonBaseSafe(int start, int count) const;

    // length, G+C count and CpG count; lower-cases the sequence.
    void ComputeGCStats(int& length, int& gc, int& cpg);

    // Padded / depadded coordinates (caches rebuilt when stale or missing).
    void ComputePadded2Depadded();
    void ComputeDepadded2Padded();
    int Padded2Depadded(int i);
    int Depadded2Padded(int c);

    // Exact search: index of the first occurrence of [first, last) or -1.
    int Find(const char* first, const char* last) const;
    int Find(const Sequence& pattern) const;
    // Index of the last residue of the first match of pattern, forward
    // (reverse = false) or else reverse-complemented (reverse = true); -1 if
    // neither. Lower-cases this sequence.
    int FindEndOf(Sequence pattern, bool& reverse);
    // Searches tag[start, end): forward, pos = index just past the match; else
    // its reverse complement, pos = start of the match and reverse = true; -1 if
    // neither. Invalid ranges leave pos unchanged. Lower-cases tag and this sequence.
    void FindEndOfTag(Sequence& tag, int start, int end, long& pos, bool& reverse);

    // "name description" line (flushed), the residues, "\n".
    void Print(std::ostream& os) const;
    // The residues, "\n".
    void PrintSeq(std::ostream& os) const;
};
