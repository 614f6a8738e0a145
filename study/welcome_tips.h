#ifndef TAVRUNE_STUDY_WELCOME_TIPS_H_
#define TAVRUNE_STUDY_WELCOME_TIPS_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/random_source.h"
#include "platform/user_prompt.h"

namespace tavrune {

// The tips file beside the program.
inline constexpr char kTipsFileName[] = "Tips.txt";

// The tips of a tips file, in file order. A "#" line before a tip is a
// comment; a tip runs from its first line to the next empty line, its lines
// joined with single spaces. UTF-8 with or without BOM, LF or CR LF line
// ends; a line longer than 254 characters is read as several.
std::vector<std::string> ParseTips(std::string_view text);

// Reads "Tips.txt" from `data_folder` (which ends with '/') and shuffles
// the tips. A missing file is reported as 40003, an unreadable one as 40004;
// there are no tips then.
std::vector<std::string> LoadTips(const std::string& data_folder, UserPrompt& prompt,
                                  RandomEngine& random);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_WELCOME_TIPS_H_
