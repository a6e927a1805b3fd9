#include "fileio/FileSupport.h"

#include <fstream>
#include <iostream>

#include "text/StringUtil.h"

void SplitHeader(const std::string& text, int start, std::string& name, std::string& description)
{
    int next = -1;
    name = GetNextWSDelimitedString(text, start, next);
    if (next >= 0 && static_cast<size_t>(next) < text.size())
        description.assign(text, static_cast<size_t>(next), std::string::npos);
    else
        description.clear();
}

void ReportOpenFailed(const std::string& path, bool multiple)
{
    std::cout << path << (multiple ? " file open failed (Read Multiple FASTA)" : " file open failed")
              << std::endl;
}

void ReportReadStopped(const std::string& what, bool truncated, long limit)
{
    if (truncated)
        std::cout << what << ": line longer than " << limit << " characters, reading stopped there"
                  << std::endl;
    else
        std::cout << what << ": read failed, reading stopped there" << std::endl;
}

void WriteToFile(const std::string& path, const std::function<void(std::ostream&)>& body)
{
    std::ofstream os(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!os) {
        ReportOpenFailed(path, false);
        return;
    }
    body(os);
    os.close();
    if (os.fail()) std::cout << path << " write failed" << std::endl;
}
