// White-space tokenising, field cutting, keyword search, number scanning and
// small string edits used by the file readers.
//
// Positions are 0-based ints; -1 means none / no further position, and a scan
// started at -1 or past the end of the string finds nothing. White space is
// exactly blank, tab and newline ('\r' is an ordinary character).
//
// Integer conversions saturate: a digit run whose value does not fit the result
// type gives INT_MAX / INT_MIN (or the 32-bit limits for the long forms), never
// undefined behaviour. Decimal numbers that overflow a double give +-inf.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// ---- tokens and fields ----

// Next white-space-delimited word at or after start. next = index just after
// the delimiter that ends it, or -1 when the word runs to the end of s (or
// there is no word: then the result is empty too).
std::string GetNextWSDelimitedString(const std::string& s, int start, int& next);
std::string SplitNext(const std::string& s, int& pos);   // GetNextWSDelimitedString(s, pos, pos)
std::string NextString(const std::string& s, int& pos);  // same as SplitNext

// Cuts s at every occurrence of delimiter into out (cleared first). A string
// without the delimiter gives no fields; once an empty field is met, the rest
// of the string (delimiters included) becomes the last field.
void Split(const std::string& s, std::vector<std::string>& out, std::string delimiter);

// Field n (1-based) of s, fields separated by c, into out. n = 0 gives the
// whole string. False (out empty) when there are not enough fields or n < 0.
bool CutString(const std::string& s, std::string& out, int n, char c);
bool Cut(const std::string& s, std::string& out, int n, char c);

// ---- keywords ----

// Earliest occurrence at or after start of any key (ties: earlier key).
// begin/end = first/last index of the match, result = the key's index.
// No match: begin = end = -1, result 0. An empty key matches at start (end = start - 1).
int FindNextOf(const std::vector<std::string>& keys, const std::string& s, int start,
               int& begin, int& end);
// FindNextOf, then keyword = matched text and next = end + 1 (true);
// nothing found: next = -1, keyword unchanged, false.
bool GetNextKeyword(const std::vector<std::string>& keys, const std::string& s, int start,
                    int& next, std::string& keyword);

// ---- tests ----

bool StartsWith(const std::string& s, const std::string& prefix);
bool StartsWith(const std::string& s, const char* prefix);
bool Contains(const std::string& s, const std::string& part);
bool Contains(const std::string& s, const char* part);
bool ContainsOnlyWS(const std::string& s);
// True iff no non-digit lies at an index from..to (inclusive).
bool ContainsOnlyDigits(const std::string& s, int from, int to);
// True exactly for A C G N T X and their lower-case forms.
bool IsBase(char c);

// ---- editing (in place) ----

void StripLeadingSpaces(std::string& s);
void StripTrailingSpace(std::string& s);
void StripWhiteSpace(std::string& s);   // removes every blank, tab and newline
void ToLowerCase(std::string& s);       // only A-Z change
void ToUpperCase(std::string& s);       // only a-z change

// ---- numbers ----

// Next digit run at or after start: begin/end = its first/last index, result 0;
// none: begin = end = -1, result -1.
int FindNextInteger(const std::string& s, int start, int& begin, int& end);
// Next decimal number: digits, optionally '.' + digits, optionally 'e'/'E' and
// the next digit run after it. Same conventions as FindNextInteger.
int FindNextDouble(const std::string& s, int start, int& begin, int& end);

// Value of the next digit run (negated when a '-' stands right before it);
// next = index after it. None: 0 and next = -1.
int GetNextInteger(const std::string& s, int start, int& next);
long GetNextLong(const std::string& s, int start, int& next);  // value in the 32-bit range
double GetNextDouble(const std::string& s, int start, int& next);
int NextInt(const std::string& s, int& pos);
long NextLong(const std::string& s, int& pos);
double NextDouble(const std::string& s, int& pos);
float NextFloat(const std::string& s, int& pos);

// Append every number of s in order; return values.size() afterwards (not cleared).
int GetAllIntegers(const std::string& s, std::vector<int>& values);
int GetAllDoubles(const std::string& s, std::vector<double>& values);

// Append the decimal value of every white-space-separated word ('12 abc 7' gives 12, 0, 7).
void GetIntsFromLine(std::string line, std::vector<int>& values);
// The same on a zero-terminated buffer, writing a zero byte over the separator after each word.
void GetIntsFromLine(char* line, std::vector<int>& values);

// ---- diagnostics ----

// One line per character: "i:c", with SPACE / TAB / NEWLINE for white space.
void ShowHidden(const std::string& s, std::ostream& out);
