// Text, path and file helpers, and the proportional share-out of a count.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Classes.h"

// Polish upper and lower case of code page 1250 text, through the nine
// Polish letter pairs and ASCII a-z; every other byte is kept.
std::string PolishUpperCase(const std::string& text);
std::string PolishLowerCase(const std::string& text);

// The path followed by "\" unless it already ends in one ("" gives "\").
std::string AddTrailingBackslash(const std::string& path);

// Appends to list the names (without folder) of the plain and hidden files
// in directory matching mask. The list is not cleared; nothing is reported.
void ListFiles(const std::string& directory, const std::string& mask, TStrings* list);

// Shares `requested` items out over groups in proportion to `available`,
// in whole numbers adding up to `requested`; each group with something gets
// at least one where the request allows; the remainder is settled with Rand15.
// A negative total stands for the sum of `available`. False when requested
// is negative or there are no groups (out untouched), or when the total is 0
// while requested is not.
bool DistributeCount(const std::vector<std::int32_t>& available, std::int32_t total, std::vector<std::int32_t>& out,
                     std::int32_t requested);
