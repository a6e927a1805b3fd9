// Header-line splitting, file writing and the one-line diagnostics shared by
// the readers and writers of FASTAFile.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

// name = first white-space-delimited word of text at or after start;
// description = text after the one white-space character that ends the name,
// or empty when the name runs to the end or that character is the last.
void SplitHeader(const std::string& text, int start, std::string& name, std::string& description);

// "<path> file open failed (Read Multiple FASTA)" (collection readers) or
// "<path> file open failed" (the others), flushed.
void ReportOpenFailed(const std::string& path, bool multiple);

// One line saying that reading what stopped at a line longer than limit
// characters (truncated) or at a failed stream, flushed.
void ReportReadStopped(const std::string& what, bool truncated, long limit);

// Creates or truncates path and lets body write it. "<path> file open failed"
// when it cannot be opened, "<path> write failed" when the data could not all
// be written (a full disk, for instance).
void WriteToFile(const std::string& path, const std::function<void(std::ostream&)>& body);
