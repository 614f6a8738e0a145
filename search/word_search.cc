#include "search/word_search.h"

#include "engine/generators.h"
#include "search/search_messages.h"
#include "search/search_setting_keys.h"

namespace tavrune {
namespace {

bool OnlyLettersAnd(std::string_view text, std::string_view extra) {
  for (char c : text) {
    if (!(c >= 'A' && c <= 'Z') && extra.find(c) == std::string_view::npos) return false;
  }
  return true;
}

void Generate(const Lexicon& lexicon, const WordSearchRequest& request, std::string_view input,
              WordCollection& out) {
  switch (request.type) {
    case WordSearchType::kPattern:
      PatternMatches(lexicon, input, out);
      break;
    case WordSearchType::kAnagram:
      Anagrams(lexicon, input, out, nullptr, request.small_caps);
      break;
    case WordSearchType::kBuild:
      if (request.build_build) {
        BuildBuilds(lexicon, input, out, request.small_caps);
      } else {
        Builds(lexicon, input, out, nullptr, request.small_caps);
      }
      break;
  }
}

}  // namespace

WordSearchChoices WordSearchChoices::Read(const Settings& settings) {
  using namespace setting::tools_search;
  WordSearchChoices choices;
  choices.type = static_cast<WordSearchType>(ReadSetting(settings, kSearchType));
  choices.by_length = ReadSetting(settings, kSortType) == 1;
  choices.small_caps = ReadSetting(settings, kUseSmallCaps) != 0;
  choices.build_build = ReadToolsSearchBuildBuild(settings) != 0;
  return choices;
}

void WordSearchChoices::Write(Settings& settings) const {
  using namespace setting::tools_search;
  WriteSetting(settings, kSearchType, static_cast<int>(type));
  WriteSetting(settings, kSortType, by_length ? 1 : 0);
  WriteSetting(settings, kUseSmallCaps, small_caps ? 1 : 0);
  WriteSetting(settings, kBuildBuild, build_build && BuildBuildOffered(settings) ? 1 : 0);
}

bool BuildBuildOffered(const Settings& settings) {
  return ReadSetting(settings, setting::general::kBuildBuild) != 0;
}

std::string WithoutSpaces(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c != ' ') result += c;
  }
  return result;
}

int CheckWordSearchInput(WordSearchType type, std::string_view input) {
  if (input.empty()) return kEmptyInputMessage;
  if (type == WordSearchType::kAnagram && !OnlyLettersAnd(input, "?*")) {
    return kAnagramCharacterMessage;
  }
  if (type == WordSearchType::kBuild && !OnlyLettersAnd(input, "?")) {
    return kBuildCharacterMessage;
  }
  return 0;
}

int RunWordSearch(const Lexicon& lexicon, const WordSearchRequest& request,
                  const SourceMarker& mark, WordCollection& results) {
  const std::string input = WithoutSpaces(request.input);
  results.Clear();
  results.SetSortMode(false, SortKey::kAlphabetical, false);
  WordSearchRequest effective = request;
  if (request.type == WordSearchType::kPattern) effective.small_caps = false;
  if (mark) {
    WordCollection found;
    found.SetSortMode(false, SortKey::kAlphabetical, false);
    Generate(lexicon, effective, input, found);
    mark(found, results);
  } else {
    Generate(lexicon, effective, input, results);
  }
  // A blank-supplied "e" sorts with "E" only when small caps put it there.
  results.SetExactCase(!effective.small_caps);
  if (request.by_length) results.SetSortMode(true, SortKey::kLength, true);
  return results.Count();
}

}  // namespace tavrune
