#ifndef TAVRUNE_DICTIONARY_DICTIONARY_SETTING_KEYS_H_
#define TAVRUNE_DICTIONARY_DICTIONARY_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

// The lexicon the program studies from, and how answers over the combined
// list are filtered and marked.
namespace setting {

namespace general {
inline constexpr IntSetting kSource = {kSection, "Source", 1, IntRule::kLexiconId, 0, 4, 2};
}  // namespace general

namespace dictionary {
inline constexpr std::string_view kSection = "Dictionary";
inline constexpr int kNeverChosen = setting::kNeverChosen;
inline constexpr IntSetting kAnswerSource = {
    kSection, "AnswerSource", kNeverChosen, IntRule::kAnswerSource, -1, 4, 2};
inline constexpr IntSetting kUseSymbols = Flag(kSection, "UseSymbols", 0);
inline constexpr IntSetting kUseSymbolsForMainWord = Flag(kSection, "UseSymbolsForMainWord", 0);
inline constexpr StringSetting kSymbolSowpods = {kSection, "SymbolSowpods", "*", TextRule::kSymbol};
inline constexpr StringSetting kSymbolUK = {kSection, "SymbolUK", "#", TextRule::kSymbol};
inline constexpr StringSetting kSymbolUSA = {kSection, "SymbolUSA", "$", TextRule::kSymbol};
}  // namespace dictionary

}  // namespace setting

}  // namespace tavrune

#endif  // TAVRUNE_DICTIONARY_DICTIONARY_SETTING_KEYS_H_
