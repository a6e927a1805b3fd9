// Line reading through the global readbuf and forward searches for lines
// containing a text or one of several keywords.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Reads the next line (without its newline; a '\r' stays) into line through
// readbuf. True unless the stream is now failed or bad; a last line without a
// newline comes back with true. A line longer than kReadBufSize - 1 (299999)
// characters: its first 299999 characters are delivered, the stream is left
// failed and the result is false; GetLineTruncated() then says so.
bool GetLine(std::istream& in, std::string& line);

// True when the most recent GetLine call stopped at an over-long line, i.e.
// the line it delivered is only the start of the line in the stream.
bool GetLineTruncated();

// Read lines until one contains text (true; it is left in line), or the input
// ends or the stream fails (false; line holds the last line read). An empty
// text matches every line actually read.
bool GetNextLineContaining(std::istream& in, const std::string& text, std::string& line);
bool GetNextLineContaining(std::istream& in, const char* text, std::string& line);
// Either text suffices.
bool GetNextLineContaining(std::istream& in, const char* first, const char* second,
                           std::string& line);
// Any key suffices; which = FindNextOf's result for each line read.
bool GetNextLineContaining(std::istream& in, const std::vector<std::string>& keys,
                           std::string& line, int& which);

// rest = the text of line after the first occurrence of key; empty when key is
// empty or absent.
void GetRemainderAfter(const char* key, const std::string& line, std::string& rest);
