#include "wordlist/list_settings.h"

#include <algorithm>

#include "engine/text_encoding.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {

ListType ListTypeFromNumber(long long value) {
  return value >= 0 && value <= 4 ? static_cast<ListType>(value) : ListType::kAnagrams;
}

HookType HookTypeFromNumber(long long value) {
  return value >= 0 && value <= 3 ? static_cast<HookType>(value) : HookType::kFrontAndEnd;
}

SortType SortTypeFromNumber(long long value) {
  return value >= 0 && value <= 4 ? static_cast<SortType>(value) : SortType::kAlphabetical;
}

AnagramOrder AnagramOrderFromNumber(long long value) {
  return value >= 0 && value <= 5 ? static_cast<AnagramOrder>(value) : AnagramOrder::kAlphabetical;
}

int ClampHookLetters(long long value) {
  return static_cast<int>(std::clamp<long long>(value, kMinHookLetters, kMaxHookLetters));
}

int ClampBuildLength(long long value) {
  return static_cast<int>(std::clamp<long long>(value, kMinBuildLength, kMaxBuildLength));
}

std::string NormalizeUserOrder(std::string_view order) {
  return NormalizeSetting(setting::anagrams::kUserOrder, order);
}

std::string NormalizeStem(std::string_view stem) {
  return NormalizeSetting(setting::anagrams::kStem, stem);
}

ListSettings Normalized(ListSettings settings) {
  settings.anagram_order = AnagramOrderFromNumber(static_cast<int>(settings.anagram_order));
  settings.user_order = NormalizeUserOrder(settings.user_order);
  settings.stem = NormalizeStem(settings.stem);
  settings.list_type = ListTypeFromNumber(static_cast<int>(settings.list_type));
  settings.hook_type = HookTypeFromNumber(static_cast<int>(settings.hook_type));
  settings.front_hook_letters = ClampHookLetters(settings.front_hook_letters);
  settings.end_hook_letters = ClampHookLetters(settings.end_hook_letters);
  settings.sort_type = SortTypeFromNumber(static_cast<int>(settings.sort_type));
  settings.build_minimum = ClampBuildLength(settings.build_minimum);
  settings.build_maximum = ClampBuildLength(settings.build_maximum);
  return settings;
}

char AnagramOrderLetter(AnagramOrder order) {
  switch (order) {
    case AnagramOrder::kAlphabetical:
      return 'A';
    case AnagramOrder::kConsonantFirst:
      return 'C';
    case AnagramOrder::kRandom:
      return 'R';
    case AnagramOrder::kStem:
      return 'S';
    case AnagramOrder::kVowelFirst:
      return 'V';
    case AnagramOrder::kUserSpecified:
      return 'U';
  }
  return 'A';
}

char ListTypeLetter(ListType type) {
  switch (type) {
    case ListType::kAnagrams:
      return 'A';
    case ListType::kHooks:
      return 'H';
    case ListType::kList:
      return 'L';
    case ListType::kAnagramsAndHooks:
      return 'N';
    case ListType::kBuild:
      return 'B';
  }
  return 'L';
}

char HookTypeLetter(HookType type) {
  switch (type) {
    case HookType::kFront:
      return 'F';
    case HookType::kEnd:
      return 'E';
    case HookType::kFrontAndEnd:
      return 'B';
    case HookType::kBothEnds:
      return 'S';
  }
  return 'B';
}

char SortOrderLetter(bool descending) { return descending ? 'D' : 'A'; }

char SortTypeLetter(SortType type) {
  switch (type) {
    case SortType::kAlphabetical:
      return 'A';
    case SortType::kProbability:
      return 'P';
    case SortType::kRandom:
      return 'R';
    case SortType::kTotalPoints:
      return 'T';
    case SortType::kWordLength:
      return 'W';
  }
  return 'A';
}

AnagramOrder AnagramOrderFromLetter(char letter) {
  switch (letter) {
    case 'C':
      return AnagramOrder::kConsonantFirst;
    case 'R':
      return AnagramOrder::kRandom;
    case 'S':
      return AnagramOrder::kStem;
    case 'V':
      return AnagramOrder::kVowelFirst;
    case 'U':
      return AnagramOrder::kUserSpecified;
    default:
      return AnagramOrder::kAlphabetical;
  }
}

ListType ListTypeFromLetter(char letter) {
  switch (letter) {
    case 'A':
      return ListType::kAnagrams;
    case 'H':
      return ListType::kHooks;
    case 'N':
      return ListType::kAnagramsAndHooks;
    case 'B':
      return ListType::kBuild;
    default:
      return ListType::kList;
  }
}

HookType HookTypeFromLetter(char letter) {
  switch (letter) {
    case 'F':
      return HookType::kFront;
    case 'E':
      return HookType::kEnd;
    case 'B':
      return HookType::kFrontAndEnd;
    default:
      return HookType::kBothEnds;
  }
}

bool DescendingFromLetter(char letter) { return letter == 'D'; }

SortType SortTypeFromLetter(char letter) {
  switch (letter) {
    case 'P':
      return SortType::kProbability;
    case 'R':
      return SortType::kRandom;
    case 'T':
      return SortType::kTotalPoints;
    case 'W':
      return SortType::kWordLength;
    default:
      return SortType::kAlphabetical;
  }
}

std::string_view ListTypeName(ListType type) {
  switch (type) {
    case ListType::kAnagrams:
      return "Anagrams";
    case ListType::kHooks:
      return "Hooks";
    case ListType::kList:
      return "List";
    case ListType::kAnagramsAndHooks:
      return "Anagrams and Hooks";
    case ListType::kBuild:
      return "Build";
  }
  return "List";
}

std::string_view HookTypeName(HookType type) {
  switch (type) {
    case HookType::kFront:
      return "Front hooks";
    case HookType::kEnd:
      return "End hooks";
    case HookType::kFrontAndEnd:
      return "Front hooks, end hooks";
    case HookType::kBothEnds:
      return "Both ends simultaneously";
  }
  return "Front hooks, end hooks";
}

std::string_view SortTypeName(SortType type) {
  switch (type) {
    case SortType::kAlphabetical:
      return "Alphabetical";
    case SortType::kProbability:
      return "Probability";
    case SortType::kRandom:
      return "Random";
    case SortType::kTotalPoints:
      return "Total Points";
    case SortType::kWordLength:
      return "Word Length";
  }
  return "Alphabetical";
}

std::string_view AnagramOrderName(AnagramOrder order) {
  switch (order) {
    case AnagramOrder::kAlphabetical:
      return "Alphabetical";
    case AnagramOrder::kConsonantFirst:
      return "Consonant first";
    case AnagramOrder::kRandom:
      return "Random";
    case AnagramOrder::kStem:
      return "Stem";
    case AnagramOrder::kVowelFirst:
      return "Vowel first";
    case AnagramOrder::kUserSpecified:
      return "User specified";
  }
  return "Alphabetical";
}

std::string_view ShownDescription(std::string_view description) {
  size_t end = 0;
  for (size_t shown = 0; shown < kShownDescriptionCharacters && end < description.size(); ++shown) {
    if (description[end] == '\n' || description[end] == '\r') break;
    // A byte that starts no UTF-8 sequence is a character of its own.
    end += std::max<size_t>(Utf8SequenceLength(description, end), 1);
  }
  return description.substr(0, end);
}

}  // namespace tavrune
