#ifndef TAVRUNE_RESOURCES_STRING_TABLES_H_
#define TAVRUNE_RESOURCES_STRING_TABLES_H_

#include <span>

#include "resources/string_table.h"

namespace tavrune {

// Each program's numbered texts, one file each; string_table.cc joins them.
std::span<const StringEntry> CommonStrings();  // common_strings.cc
std::span<const StringEntry> JudgeStrings();   // judge_strings.cc
std::span<const StringEntry> StudyStrings();   // study_strings.cc

}  // namespace tavrune

#endif  // TAVRUNE_RESOURCES_STRING_TABLES_H_
