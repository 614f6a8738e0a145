#include "resources/string_tables.h"

namespace tavrune {
namespace {

// The study program's texts, by number.
constexpr StringEntry kStrings[] = {
    {40003, "One of the program files is missing.\nPlease reinstall the program."},
    {40004, "Unable to open a needed file.\nPlease close other applications and retry."},
    {40067, "Loading dictionary..."},
    {40073, "Play is Acceptable."},
    {40074, "Play is NOT Acceptable."},
    {40075, "There are no words to challenge!"},
    {40084, "There are no Lexicons.\n\nIf you donwloaded the software from the web,\nplease download at least one Lexicon."},
};

}  // namespace

std::span<const StringEntry> StudyStrings() { return kStrings; }

}  // namespace tavrune
