#ifndef TAVRUNE_STUDY_SETTINGS_TABLE_H_
#define TAVRUNE_STUDY_SETTINGS_TABLE_H_

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/settings.h"

namespace tavrune {

// Every key the study program keeps in the settings store, with its type,
// its default and the rule that turns whatever the store holds into a value
// the program can use. Readers and writers go through ReadSetting and
// WriteSetting with the constants below, so each default is written once.

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// How a stored integer becomes a usable one.
enum class IntRule {
  kRange,         // inside [min, max] it stays, otherwise it reads as `fallback`
  kFlag,          // 0 stays 0, anything else is 1
  kLexiconId,     // 0, 1, 3 and 4 stay, anything else is 2
  kAnswerSource,  // -1 (never chosen) stays, anything else as kLexiconId
};

struct IntSetting {
  std::string_view section;
  std::string_view key;
  int default_value = 0;
  IntRule rule = IntRule::kRange;
  int min = 0;
  int max = 0;
  int fallback = 0;
};

// How a stored text becomes a usable one. Every rule also cuts the text to
// `max_length` bytes, never inside a UTF-8 character.
enum class TextRule {
  kFree,         // kept as it is
  kSymbol,       // its first character, a space when there is none
  kLetterOrder,  // all 26 letters A-Z once each, else the default
  kLetters,      // letters only, upper-cased; other characters are dropped
};

struct StringSetting {
  std::string_view section;
  std::string_view key;
  std::string_view default_value;
  TextRule rule = TextRule::kFree;
  size_t max_length = 255;
};

// Stored as "%d %d %d" (red, green, blue); each component is clamped to
// 0-255, and text that does not hold three numbers reads as the default.
struct ColourSetting {
  std::string_view section;
  std::string_view key;
  Rgb default_value;
};

// A count stored as decimal text: read like C's atol (leading number, the
// rest ignored, garbage is 0), then clamped to 0..kMaxStoredCount.
struct CountSetting {
  std::string_view section;
  std::string_view key;
  long long default_value = 0;
};

inline constexpr long long kMaxStoredCount = 2147483647;

constexpr IntSetting Ranged(std::string_view section, std::string_view key, int default_value,
                            int min, int max) {
  return {section, key, default_value, IntRule::kRange, min, max, default_value};
}
constexpr IntSetting RangedOr(std::string_view section, std::string_view key, int default_value,
                              int min, int max, int fallback) {
  return {section, key, default_value, IntRule::kRange, min, max, fallback};
}
constexpr IntSetting Flag(std::string_view section, std::string_view key, int default_value) {
  return {section, key, default_value, IntRule::kFlag, 0, 1, default_value};
}

namespace setting {

namespace general {
inline constexpr std::string_view kSection = "General";
inline constexpr IntSetting kShowWelcome = Flag(kSection, "ShowWelcome", 1);
// A word's first WordNet sense under its answers once they are all shown.
inline constexpr IntSetting kShowDefinitions = Flag(kSection, "ShowDefinitions", 0);
inline constexpr IntSetting kSource = {kSection, "Source", 1, IntRule::kLexiconId, 0, 4, 2};
// Offers the build-within-build search; only ever read.
inline constexpr IntSetting kBuildBuild = Flag(kSection, "BuildBuild", 0);
}  // namespace general

namespace predefined_list {
inline constexpr std::string_view kSection = "PredefinedList";
inline constexpr StringSetting kCategory = {kSection, "Category", "2Letter"};
inline constexpr StringSetting kSubCategory = {kSection, "SubCategory", "General"};
inline constexpr StringSetting kList = {kSection, "List", "All"};
}  // namespace predefined_list

namespace dictionary {
inline constexpr std::string_view kSection = "Dictionary";
inline constexpr int kNeverChosen = -1;
inline constexpr IntSetting kAnswerSource = {
    kSection, "AnswerSource", kNeverChosen, IntRule::kAnswerSource, -1, 4, 2};
inline constexpr IntSetting kUseSymbols = Flag(kSection, "UseSymbols", 0);
inline constexpr IntSetting kUseSymbolsForMainWord = Flag(kSection, "UseSymbolsForMainWord", 0);
inline constexpr StringSetting kSymbolSowpods = {kSection, "SymbolSowpods", "*", TextRule::kSymbol};
inline constexpr StringSetting kSymbolUK = {kSection, "SymbolUK", "#", TextRule::kSymbol};
inline constexpr StringSetting kSymbolUSA = {kSection, "SymbolUSA", "$", TextRule::kSymbol};
}  // namespace dictionary

namespace view {
inline constexpr std::string_view kSection = "View";
// 0 slide show, 1 quiz.
inline constexpr IntSetting kType = Flag(kSection, "Type", 0);
}  // namespace view

namespace slide_window {
inline constexpr std::string_view kSection = "SlideWindow";
// 0 small, 1 medium, 2 large.
inline constexpr IntSetting kFontSize = Ranged(kSection, "FontSize", 1, 0, 2);
inline constexpr ColourSetting kSlideFG = {kSection, "SlideFG", {255, 255, 0}};
inline constexpr ColourSetting kSlideBG = {kSection, "SlideBG", {128, 0, 128}};
inline constexpr ColourSetting kTileFG = {kSection, "TileFG", {0, 0, 0}};
inline constexpr ColourSetting kTileBG = {kSection, "TileBG", {255, 255, 0}};
inline constexpr ColourSetting kMainWindowColor = {kSection, "MainWindowColor", {192, 192, 192}};
// Milliseconds; the slide show options offer 1-30 and 0-30 seconds.
inline constexpr IntSetting kWordInterval = Ranged(kSection, "WordInterval", 3000, 1000, 30000);
inline constexpr IntSetting kAnswerInterval = Ranged(kSection, "AnswerInterval", 2000, 0, 30000);
inline constexpr IntSetting kViewTiles = Flag(kSection, "ViewTiles", 0);
}  // namespace slide_window

namespace status_bar {
inline constexpr std::string_view kSection = "StatusBar";
inline constexpr IntSetting kShowAnswer = Flag(kSection, "ShowAnswer", 0);
inline constexpr IntSetting kShowProbFactor = Flag(kSection, "ShowProbFactor", 0);
}  // namespace status_bar

namespace window_size {
inline constexpr std::string_view kSection = "WindowSize";
// "%04d %04d %04d %04d": left, top, right, bottom of the normal position.
inline constexpr StringSetting kPosition = {kSection, "Position", "", TextRule::kFree, 64};
inline constexpr IntSetting kIsMaximized = Flag(kSection, "IsMaximized", 0);
}  // namespace window_size

namespace display {
inline constexpr std::string_view kSection = "Display";
// The list type; an unknown one reads as 0, not as the default.
inline constexpr IntSetting kType = RangedOr(kSection, "Type", 2, 0, 4, 0);
}  // namespace display

namespace anagrams {
inline constexpr std::string_view kSection = "Anagrams";
inline constexpr IntSetting kOrder = Ranged(kSection, "Order", 0, 0, 5);
inline constexpr StringSetting kUserOrder = {kSection, "UserOrder", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                             TextRule::kLetterOrder, 26};
inline constexpr StringSetting kStem = {kSection, "Stem", "", TextRule::kLetters, 14};
}  // namespace anagrams

namespace build {
inline constexpr std::string_view kSection = "Build";
inline constexpr IntSetting kMinAnswerLength = Ranged(kSection, "MinAnswerLength", 2, 2, 15);
inline constexpr IntSetting kMaxAnswerLength = Ranged(kSection, "MaxAnswerLength", 15, 2, 15);
}  // namespace build

namespace hooks {
inline constexpr std::string_view kSection = "Hooks";
// 0 front, 1 end, 2 front and end, 3 both ends at once.
inline constexpr IntSetting kType = Ranged(kSection, "Type", 2, 0, 3);
inline constexpr IntSetting kFrontLetters = Ranged(kSection, "FrontLetters", 1, 1, 7);
inline constexpr IntSetting kEndLetters = Ranged(kSection, "EndLetters", 1, 1, 7);
}  // namespace hooks

namespace quiz {
inline constexpr std::string_view kSection = "Quiz";
inline constexpr CountSetting kNumAnswers = {kSection, "NumAnswers", 0};
inline constexpr CountSetting kNumQuestions = {kSection, "NumQuestions", 0};
inline constexpr IntSetting kAutoReset = Flag(kSection, "AutoReset", 0);
}  // namespace quiz

// The cardbox's schedule lives in the cardbox itself, so the command line
// follows it too; these only shape the study program's sessions.
namespace cardbox {
inline constexpr std::string_view kSection = "Cardbox";
inline constexpr IntSetting kQuestionsPerSession =
    Ranged(kSection, "QuestionsPerSession", 100, 1, 1000);
inline constexpr IntSetting kBoxZeroFirst = Flag(kSection, "BoxZeroFirst", 0);
}  // namespace cardbox
namespace sort {
inline constexpr std::string_view kSection = "Sort";
inline constexpr IntSetting kType = Ranged(kSection, "Type", 0, 0, 4);
inline constexpr IntSetting kOrder = Ranged(kSection, "Order", 0, 0, 1);
}  // namespace sort

// The ranges of the random rack dialog; its maximums are checked against the
// minimums only by the dialog.
namespace random_racks {
inline constexpr std::string_view kSection = "RandomRacks";
inline constexpr IntSetting kNumRacks = Ranged(kSection, "NumRacks", 100, 20, 200);
inline constexpr IntSetting kLettersPerRack = Ranged(kSection, "LettersPerRack", 8, 2, 15);
inline constexpr IntSetting kMinProbFactor = Ranged(kSection, "MinProbFactor", 0, 0, 100);
inline constexpr IntSetting kMaxProbFactor = Ranged(kSection, "MaxProbFactor", 100, 0, 100);
inline constexpr IntSetting kMinPoints = Ranged(kSection, "MinPoints", 6, 0, 100);
inline constexpr IntSetting kMaxPoints = Ranged(kSection, "MaxPoints", 16, 0, 100);
inline constexpr IntSetting kMinVowels = Ranged(kSection, "MinVowels", 3, 0, 10);
inline constexpr IntSetting kMaxVowels = Ranged(kSection, "MaxVowels", 5, 0, 10);
inline constexpr IntSetting kMinPhonies = Ranged(kSection, "MinPhonies", 10, 0, 100);
inline constexpr IntSetting kMaxPhonies = Ranged(kSection, "MaxPhonies", 20, 0, 100);
inline constexpr IntSetting kMaxTime = Ranged(kSection, "MaxTime", 60, 0, 300);
inline constexpr IntSetting kIgnoreBlanks = Flag(kSection, "IgnoreBlanks", 0);
}  // namespace random_racks

// Twips. The ranges are those the page setup dialogs can produce, which also
// keeps the layout arithmetic away from zero line heights and column widths.
namespace page_setup {
inline constexpr std::string_view kSection = "PageSetup";
inline constexpr IntSetting kWidth = Ranged(kSection, "Width", 12240, 5760, 24480);
inline constexpr IntSetting kHeight = Ranged(kSection, "Height", 15840, 5760, 24480);
inline constexpr IntSetting kLeftMargin = Ranged(kSection, "LeftMargin", 1440, 720, 2160);
inline constexpr IntSetting kRightMargin = Ranged(kSection, "RightMargin", 1440, 720, 2160);
inline constexpr IntSetting kTopMargin = Ranged(kSection, "TopMargin", 1440, 720, 2160);
inline constexpr IntSetting kBottomMargin = Ranged(kSection, "BottomMargin", 1440, 720, 2160);
inline constexpr IntSetting kHeaderRoom = Ranged(kSection, "HeaderRoom", 720, 360, 1080);
inline constexpr IntSetting kFooterRoom = Ranged(kSection, "FooterRoom", 720, 360, 1080);
inline constexpr StringSetting kHeaderLeft = {kSection, "HeaderLeft", ""};
inline constexpr StringSetting kHeaderCenter = {kSection, "HeaderCenter", ""};
inline constexpr StringSetting kHeaderRight = {kSection, "HeaderRight", ""};
inline constexpr StringSetting kFooterLeft = {kSection, "FooterLeft", "\\D"};
inline constexpr StringSetting kFooterCenter = {kSection, "FooterCenter", "\\F"};
inline constexpr StringSetting kFooterRight = {kSection, "FooterRight", "Page \\#/\\P"};
inline constexpr StringSetting kFontFamily = {kSection, "FontFamily", "Courier New"};
inline constexpr IntSetting kFontSize = Ranged(kSection, "FontSize", 200, 120, 600);
inline constexpr IntSetting kWordBold = Flag(kSection, "WordBold", 1);
inline constexpr IntSetting kWordItalic = Flag(kSection, "WordItalic", 0);
inline constexpr IntSetting kAnswerBold = Flag(kSection, "AnswerBold", 0);
inline constexpr IntSetting kAnswerItalic = Flag(kSection, "AnswerItalic", 0);
inline constexpr IntSetting kVerticalSpacing = Ranged(kSection, "VerticalSpacing", 0, 0, 60);
inline constexpr IntSetting kColumnSpacing = Ranged(kSection, "ColumnSpacing", 300, 200, 800);
inline constexpr IntSetting kColumnTabSpacing = Ranged(kSection, "ColumnTabSpacing", 100, 100, 400);
// No dialog sets it; up to an inch either side of a hooked answer.
inline constexpr IntSetting kAnaHooksSpacing = Ranged(kSection, "AnaHooksSpacing", 100, 0, 1440);
}  // namespace page_setup

namespace tools_search {
inline constexpr std::string_view kSection = "ToolsSearch";
// Forced off while general::kBuildBuild is off: see ReadToolsSearchBuildBuild.
inline constexpr IntSetting kBuildBuild = Flag(kSection, "BuildBuild", 0);
inline constexpr IntSetting kSortType = Ranged(kSection, "SortType", 0, 0, 1);
inline constexpr IntSetting kSearchType = Ranged(kSection, "SearchType", 0, 0, 2);
inline constexpr IntSetting kUseSmallCaps = Flag(kSection, "UseSmallCaps", 0);
}  // namespace tools_search

namespace file_dialog {
inline constexpr std::string_view kSection = "FileDialog";
// Where the last list or text file was chosen; the file dialogs open there
// when no list file is open.
inline constexpr StringSetting kLastFolder = {kSection, "LastFolder", "", TextRule::kFree, 4096};
}  // namespace file_dialog

}  // namespace setting

// One row of the table, whatever its type.
using AnySetting = std::variant<const IntSetting*, const StringSetting*, const ColourSetting*,
                                const CountSetting*>;

// The whole table, section by section.
std::span<const AnySetting> AllSettings();
std::string_view SectionOf(const AnySetting& setting);
std::string_view KeyOf(const AnySetting& setting);
// The default as the store holds it ("1", "2Letter", "255 255 0").
std::string DefaultText(const AnySetting& setting);

// What a stored value reads as.
int NormalizeSetting(const IntSetting& setting, long long value);
std::string NormalizeSetting(const StringSetting& setting, std::string_view value);
long long NormalizeSetting(const CountSetting& setting, std::string_view value);

// A leading decimal integer as C's strtol finds it (white space, sign,
// digits), saturated instead of overflowing. `pos` moves past it; nullopt
// when there are no digits.
std::optional<long long> LeadingInteger(std::string_view text, size_t& pos);

int ReadSetting(const Settings& settings, const IntSetting& setting);
std::string ReadSetting(const Settings& settings, const StringSetting& setting);
Rgb ReadSetting(const Settings& settings, const ColourSetting& setting);
long long ReadSetting(const Settings& settings, const CountSetting& setting);

// Writers store the normalised value, so what is written reads back as itself.
void WriteSetting(Settings& settings, const IntSetting& setting, long long value);
void WriteSetting(Settings& settings, const StringSetting& setting, std::string_view value);
void WriteSetting(Settings& settings, const ColourSetting& setting, Rgb value);
void WriteSetting(Settings& settings, const CountSetting& setting, long long value);

// The word search tool's build-within-build box, which stays off unless the
// general switch offers it.
int ReadToolsSearchBuildBuild(const Settings& settings);

// "%d %d %d" of red, green and blue, each clamped to 0-255.
std::string FormatColour(Rgb colour);
// Three integers separated by white space, as C's "%d%d%d" reads them (what
// follows the third is ignored); each is clamped to 0-255. nullopt when the
// text does not start with three numbers.
std::optional<Rgb> ParseColour(std::string_view text);

// The first character of `text` (a whole UTF-8 sequence), a space when the
// text is empty or does not start with a valid character.
std::string FirstCharacter(std::string_view text);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_SETTINGS_TABLE_H_
