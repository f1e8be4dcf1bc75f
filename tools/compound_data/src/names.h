#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "source_tables.h"

// Compound names for the files: capitals, single-byte ASCII, no bare blanks
// (the program deletes every blank from main-file names, so words are joined
// by hyphens), and short enough for the name window.
namespace chemeng::datagen {

// Upper-cased ASCII form of a source name: Greek letters spelt out, a blank
// next to a comma, hyphen, bracket or slash dropped, other runs of blanks made
// one hyphen. Empty when the name holds a character it cannot spell.
std::string normalizeName(std::string_view sourceName);

// The candidate names of a compound, in order of preference: the engineering
// names of the Perry tables first, then the CRC names, then the identifier
// table's common name; each normalised, empty ones left out.
std::vector<std::string> candidateNames(const SourceTables& tables, const std::string& cas);

// The first candidate of at most maxLength characters; failing that, the
// first candidate shortened by the usual abbreviations when that fits; empty
// when none fits.
std::string chooseName(const std::vector<std::string>& candidates, std::size_t maxLength);

}  // namespace chemeng::datagen
