// The resource report: which words lack their picture or recording, and
// which files of the two word folders belong to no word.
#pragma once
#include <string>
#include <vector>

#include "dictionary/_cslowa.h"

// The report's file, in the working folder ("Raport zasobów.txt").
extern const char* const kResourceReportFile;

// What the check found; every entry is a program path ("Data\Smd\kot.pw").
struct CResourceCheck {
  std::vector<std::string> missingPictures;
  std::vector<std::string> missingRecordings;
  std::vector<std::string> extraPictures;
  std::vector<std::string> extraRecordings;
};

// Checks every word of the dictionary against "Data\exio44j\" and "Data\Smd\"
// (relative to the working folder).
CResourceCheck CheckWordFiles(const CSlowa& dictionary);

// The report's text (code page 1250): a heading per kind, one file per line,
// and a last line with the counts.
std::string ResourceReportText(const CResourceCheck& check);

// Checks the files and writes the report (as UTF-8 text) to fileName;
// false, with the reason in why when given, when it cannot be written.
bool WriteResourceReport(const CSlowa& dictionary, const std::string& fileName, std::string* why = nullptr);

// The report run by the command-line argument "z": with a dictionary of its
// own, writes kResourceReportFile into the working folder.
bool RunResourceReport(std::string* why = nullptr);
