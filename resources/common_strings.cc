#include "resources/string_tables.h"

namespace tavrune {
namespace {

// The standard texts both programs use for files, number entry and saving.
constexpr StringEntry kStrings[] = {
    {kIdleText, " "},
    {kSaveChangesText, "Save changes to %1?"},
    {kIntegerRangeText, "Please enter an integer between %1 and %2."},
    {kIntegerText, "Please enter an integer."},
    {kMaxCharsText, "Please enter no more than %1 characters."},
};

}  // namespace

std::span<const StringEntry> CommonStrings() { return kStrings; }

}  // namespace tavrune
