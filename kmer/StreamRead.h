// Streaming FASTA reads straight into packed reads: Sequence3Bit::GetNextRead
// and Sequence3Bit::GetNextReadTrimLowQual (declared in Sequence3Bit.h,
// defined in StreamRead.cpp), and the line reading they share.
//
// Both take a line buffer owned by the caller. Between calls the buffer holds
// the header line of the record to read next; a caller starting on a new stream
// stores "1" in buf[0] so that the reader fetches the first line itself.
//
// GetNextRead(in, buf, bufSize): empties the read, parses the header in buf
// (name = first word after the first character, description = the rest after
// its delimiter), then appends every character of every following line up to
// the next header or end of input, trailing blanks and tabs of each line
// removed (one debug report per removed character). Returns false, keeping
// what was appended, when a line holds an embedded NUL.
//
// GetNextReadTrimLowQual(in, buf, bufSize): returns false (bases emptied, name
// and description kept) when buf holds neither "1" nor a header. Otherwise it
// parses the header, skips lower-case (bit 0x20) characters at the start of the
// record, and appends each line up to its first low-quality character.
//
// Lines longer than the buffer are read whole in buffer-sized pieces; a header
// longer than the buffer keeps its first bufSize - 1 characters. A stream in the
// failed state counts as end of input. Neither reader writes past buf[bufSize - 1].
// GetNextRead needs bufSize >= 2 (smaller: the stream is set failed, nothing read);
// GetNextReadTrimLowQual needs bufSize >= 3 (smaller: false, nothing read).
#pragma once

#include <iosfwd>

#include "kmer/Sequence3Bit.h"

// Reads one line (without its '\n') into buf, at most bufSize - 1 characters and
// a terminating NUL. Returns true when the line did not fit: buf then holds the
// first piece and the rest of the line is still in the stream (the stream is
// left good). got = characters taken from the stream, the '\n' included.
bool ReadLinePiece(std::istream& in, char* buf, int bufSize, long& got);

// Discards the rest of the current line (up to and including its '\n').
void SkipRestOfLine(std::istream& in);

// End of input for the readers: end of file, or the stream failed or went bad.
bool StreamDone(const std::istream& in);
