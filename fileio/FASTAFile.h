// Reader and writer of FASTA sequence files and of quality files.
//
// Three FASTA readers with different rules:
//  - Read / Append (standard): keeps every character of the sequence lines
//    (dropping one trailing blank or tab per line) and splits each header into
//    name and description; lines of any length are read whole.
//  - Read0 (filtering): keeps only the letters A C G N T X (either case) and
//    stores the whole header as the description; reads through GetLine.
//  - GetNextRead (streaming): one record per call in a buffer the caller owns.
// Quality files (header lines as in FASTA, then white-space-separated integer
// values) have four readers mirroring these, and writers.
//
// Failures are reported as one line on standard output and a false result;
// nothing is thrown except std::bad_alloc.
#pragma once

#include <iosfwd>
#include <string>

#include "sequence/Sequence.h"
#include "sequence/SequenceQuality.h"
#include "sequence/SequenceQualityVector.h"
#include "sequence/SequenceVector.h"

class FASTAFile {
public:
    int mReserve = 5000;      // residue (or value) capacity reserved for each new record
    int mLineWidth = 50;      // residues per line when writing FASTA; < 1: no wrapping
    int mQualLineWidth = 25;  // values per line when writing quality files; < 1: no wrapping

    // ---- FASTA reading ----

    // Standard reader: v's content is replaced by the records of the input.
    // True if at least one record (header line) was read. Sequence lines before
    // the first header have no record to go to and are ignored.
    bool Read(std::istream& in, SequenceVector& v);
    // As above on a named file; an unopenable file writes
    // "<path> file open failed (Read Multiple FASTA)" and returns false, v untouched.
    bool Read(std::string path, SequenceVector& v);
    // s = the first record (later ones are read and discarded); s is left
    // unchanged when there is none. The path form fails silently.
    bool Read(std::istream& in, Sequence& s);
    bool Read(std::string path, Sequence& s);
    // Adds the input's records after v's; sequence lines before the input's
    // first header extend v's last record. True if v then holds any record.
    bool Append(std::istream& in, SequenceVector& v);

    // Filtering reader. False if the file cannot be opened (with the message
    // above; v is emptied), or if reading stopped at a line longer than
    // GetLine's limit (with a message; the records read so far stay).
    bool Read0(std::string path, SequenceVector& v);
    bool Read0(std::string path, Sequence& s);

    // Streaming reader. buf (size bytes, owned by the caller) holds the pending
    // header line between calls; store '1' in buf[0] before the first call.
    // Fills s with the next record and leaves the following header in buf.
    // False on a line holding an embedded NUL, on a failed stream, or when size < 2.
    // Sequence lines longer than the buffer are read whole in pieces; a longer
    // header line is cut to size - 1 characters (with a message).
    bool GetNextRead(std::istream& in, char* buf, int size, Sequence& s);

    // ---- FASTA writing ----

    // ">name description" (the blank always written), then the residues as
    // stored, mLineWidth per line. No explicit flush.
    void Write(std::ostream& os, const SequenceVector& v);
    void Write(std::ostream& os, const Sequence& s);
    // Creates or truncates the file; "<path> file open failed" when it cannot be
    // opened, "<path> write failed" when the data could not all be written.
    void Write(std::string path, const SequenceVector& v);
    void Write(std::string path, const Sequence& s);

    // ---- quality files ----

    // Standard reader on a stream; writes "Hey why is there white space here?"
    // for every empty or white-space-only value line. True if at least one
    // record was read. Lines of any length are read whole.
    bool ReadQual(std::istream& in, SequenceQualityVector& v);
    // The same on a named file, without the white-space message. An unopenable
    // file writes "<path> file open failed (Read Multiple FASTA)", leaves v
    // empty and returns false.
    bool ReadQual(std::string path, SequenceQualityVector& v);
    // q = the first record of the file; an unopenable file makes q an empty
    // record, a file without records leaves q unchanged (both return false).
    bool ReadQual(std::string path, SequenceQuality& q);
    // Line reader (through GetLine). True at end of input; false, with a
    // message, if reading stopped at an over-long line or a failed stream.
    bool ReadQualX(std::istream& in, SequenceQualityVector& v);
    // Plain reader: the whole header text becomes the description. An
    // unopenable file writes "<path> file open failed" and returns false; an
    // over-long line stops reading with a message and returns false.
    bool ReadQual0(std::string path, SequenceQualityVector& v);

    // ">name description", then the values in decimal, mQualLineWidth per line
    // separated by single blanks; every line end flushes.
    void WriteQual(std::ostream& out, const SequenceQuality& q);
    void WriteQual(std::ostream& out, const SequenceQualityVector& v);
    // Creates or truncates the file; "<path> file open failed" when it cannot be
    // opened, "<path> write failed" when the data could not all be written.
    void WriteQual(std::string path, const SequenceQualityVector& v);
    void WriteQual(std::string path, const SequenceQuality& q);
};
