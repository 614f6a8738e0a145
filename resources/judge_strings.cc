#include "resources/string_tables.h"

namespace tavrune {
namespace {

// The judge program's texts (101-112) and the study program's Word Judge
// dialog (40073-40075 live in study_strings.cc).
// One text a line, whole, so a number finds its text.
// clang-format off
constexpr StringEntry kStrings[] = {
    {101, "&About TavruneWordJudge..."},
    {102, "No lexicon files were found in the \"Lexicons\" sub folder.\n\nPlease install the lexicon files, or reinstall the latest version of the program from the Tavrune project (see README.md at the top of its source repository)."},
    {103, "Unable to open the lexicon file for reading.\nPlease verify that you have permissions to read the file."},
    {104, "There are no words to challenge!"},
    {105, "Play is\nACCEPTABLE"},
    {106, "Play is\nNOT ACCEPTABLE"},
    {107, "Invalid characters such as spaces found in the words to challenge. Letters A through Z are the only characters allowed.\n\nDo you want the invalid characters removed?"},
    {108, "Invalid characters removed.\n\nPlease verify the words again and press TAB key or click \"Judge\" button."},
    {109, "Challenge logs cannot be written in the folder\n%1\n(%2).\n\nJudging goes on; the challenges wait in memory and are written as soon as the folder takes them.\n\nDo you want to choose another folder?"},
    {110, "The lexicon file\n%1\nis damaged: it is not a lexicon this program can read.\n\nPlease install the lexicon files again."},
    {111, "Log lines waiting: %1 (cannot write \"%2\": %3)"},
    {112, "%1 log lines could not be written to\n%2\n(%3).\n\nThey will be lost if the judge ends now. Do you want to end anyway?"},
    {120, "No lexicon files were found in\n%1\n\nPlease install the lexicon files there, or set TAVRUNE_DATA_DIR to the folder that holds the \"Lexicons\" folder."},
};
// clang-format on

}  // namespace

std::span<const StringEntry> JudgeStrings() { return kStrings; }

}  // namespace tavrune
