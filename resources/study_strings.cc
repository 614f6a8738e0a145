#include "resources/string_tables.h"

namespace tavrune {
namespace {

// The study program's texts, by number.
constexpr StringEntry kStrings[] = {
    {40002, "Ordering the words in the List ..."},
    {40003, "One of the program files is missing.\nPlease reinstall the program."},
    {40004, "Unable to open a needed file.\nPlease close other applications and retry."},
    {40009, "%1 is not a Tavrune word list file.\nPlease open a file with .tvr extension."},
    {40017, "Search stopped at the end of the list.\nNo words with answer found."},
    {40018, "Search stopped at the beginning of the list.\nNo words with answer found."},
    {40020, "Building list ..."},
    {40021, "Rebuilding list ..."},
    {40022, "Arranging Anagram presentation ..."},
    {40024, "File %1 is corrupt.\nTry opening again.\nIf the error persists, delete the file\n and recreated the file."},
    {40025, "Saving to file %1 failed.\nTry saving again.\nIf the error persists, save to another file."},
    {40029, "Merging words ..."},
    {40030, "Reading File ..."},
    {40067, "Loading dictionary..."},
    {40073, "Play is Acceptable."},
    {40074, "Play is NOT Acceptable."},
    {40075, "There are no words to challenge!"},
    {40077, "The list is already Random.\n\nDo you want it Randomized again?"},
    {40080, "The current word list is no longer valid\n for the new Dictionary.\n\nDo you want to create a new list?"},
    {40084, "There are no Lexicons.\n\nIf you donwloaded the software from the web,\nplease download at least one Lexicon."},
    {40087, "A list holds at most 64,000 words: only the first %1 of them will be added.\n\nDo you want to continue?"},
};

}  // namespace

std::span<const StringEntry> StudyStrings() { return kStrings; }

}  // namespace tavrune
