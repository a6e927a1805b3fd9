#include "text/Globals.h"

char readbuf[kReadBufSize];
char gseqbuf2[kSeqBuf2Size];

std::string gWS = " \t\n";
std::string gNumbers = "1234567890";
std::string gLetters = "abcdefghijklmnopqrstuvwxyz";
std::string gUCLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
