#ifndef TAVRUNE_SEARCH_WORD_SEARCH_H_
#define TAVRUNE_SEARCH_WORD_SEARCH_H_

#include <functional>
#include <string>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "platform/settings.h"

namespace tavrune {

// The word search tool without its window: a quick look-up of the words
// that fit a pattern, are anagrams of a rack or can be built from it. Its
// results are only shown, never added to a list.

// The values are the ones kept in the settings.
enum class WordSearchType { kPattern = 0, kAnagram = 1, kBuild = 2 };

struct WordSearchRequest {
  WordSearchType type = WordSearchType::kPattern;
  // As typed; spaces are dropped before anything else.
  std::string input;
  // Letters a blank supplies in lower case; ignored for patterns.
  bool small_caps = false;
  // "FIRST/SECOND" pairs instead of plain builds; only for Build.
  bool build_build = false;
  // Longest first instead of the lexicon's alphabetical order.
  bool by_length = false;
};

// The tool's remembered choices (section "ToolsSearch").
struct WordSearchChoices {
  WordSearchType type = WordSearchType::kPattern;
  bool by_length = false;
  bool small_caps = false;
  // Stays off unless General/BuildBuild offers the box.
  bool build_build = false;

  static WordSearchChoices Read(const Settings& settings);
  void Write(Settings& settings) const;
};

// Whether the General/BuildBuild switch shows the build-within-build box.
bool BuildBuildOffered(const Settings& settings);

std::string WithoutSpaces(std::string_view text);

// 0 when the input (spaces already removed) may be searched, else the
// message to show: 40008 when empty, 40033 or 40034 for a character the
// anagram or build rack does not allow. Any pattern is allowed.
int CheckWordSearchInput(WordSearchType type, std::string_view input);

// Appends every word of `words` with its word-source mark to `results`.
using SourceMarker = std::function<void(const WordCollection& words, WordCollection& results)>;

// Fills `results` (emptied first) with what the request finds, marked by
// `mark` when given, sorted as asked. Returns the number of results; the
// input must have passed CheckWordSearchInput.
int RunWordSearch(const Lexicon& lexicon, const WordSearchRequest& request,
                  const SourceMarker& mark, WordCollection& results);

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_WORD_SEARCH_H_
