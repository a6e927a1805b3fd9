// Process-wide line buffers and character-class strings, set up when the library loads.
#pragma once

#include <string>

// Sizes of the two process-wide line buffers.
constexpr int kReadBufSize = 300000;   // readbuf: the line buffer of GetLine
constexpr int kSeqBuf2Size = 500000;   // gseqbuf2: the line buffer of the streaming packed reads

// Zero-filled at load time. Shared by the whole process: one reading thread at a time.
extern char readbuf[kReadBufSize];
extern char gseqbuf2[kSeqBuf2Size];

// Character classes. White space is exactly blank, tab and newline; a carriage
// return is an ordinary character. Set once at load time and never changed.
extern std::string gWS;         // " \t\n"
extern std::string gNumbers;    // "1234567890"
extern std::string gLetters;    // "abcdefghijklmnopqrstuvwxyz"
extern std::string gUCLetters;  // "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
