#ifndef TAVRUNE_RESOURCES_STRING_TABLE_H_
#define TAVRUNE_RESOURCES_STRING_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

namespace tavrune {

// One numbered text of a program's string table.
struct StringEntry {
  int id;
  const char* text;
};

// The idle text of the first status-bar pane: a single blank.
inline constexpr int kIdleText = 57345;
// File errors several parts of the study program report.
inline constexpr int kProgramFileMissingText = 40003;
inline constexpr int kCannotOpenFileText = 40004;
inline constexpr int kSaveFailedText = 40025;
// "%1: %2", the file and the system's reason below a file error.
inline constexpr int kFileErrorDetailText = 40131;
// No data folder tried holds a lexicon; %1 names their Lexicons folders.
inline constexpr int kNoLexiconsInFoldersText = 40320;
// Standard texts for save questions and number entry.
inline constexpr int kSaveChangesText = 61440;
inline constexpr int kIntegerRangeText = 61441;
inline constexpr int kIntegerText = 61442;
inline constexpr int kMaxCharsText = 61443;

// The text of string `id`, empty when there is none. The tables of both
// programs share one number space (101-124 judge, 40001-40329 study, and the
// standard texts).
std::string_view StringText(int id);

// Replaces %1, %2 ... (up to %9) with `args`; "%%" stays a single '%'.
std::string FormatText(std::string_view text, const std::vector<std::string>& args);

// Whether `id` is a file error (40003, 40004, 40025). Shown with the path
// and the system's reason as arguments, it is followed by both on a line of
// their own (kFileErrorDetailText), so the user learns which file failed
// and why.
bool IsFileErrorText(int id);

// StringText(id) formatted with `args`, and the detail of a file error.
std::string MessageText(int id, const std::vector<std::string>& args = {});

}  // namespace tavrune

#endif  // TAVRUNE_RESOURCES_STRING_TABLE_H_
