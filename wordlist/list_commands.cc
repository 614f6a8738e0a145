#include "wordlist/list_commands.h"

namespace tavrune {
namespace {

LexiconId Source(const MTavruneDoc& doc) { return doc.GetDictionary().Source(); }

bool TellsBritishWords(const MTavruneDoc& doc) {
  return Source(doc) == LexiconId::kNA || Source(doc) == LexiconId::kUKNA;
}

bool TellsNorthAmericanWords(const MTavruneDoc& doc) {
  return Source(doc) == LexiconId::kUK || Source(doc) == LexiconId::kUKNA;
}

}  // namespace

// The master list rather than the entries: an anagram list has fewer entries
// than words, and a full master list has no room whatever it shows.
bool CanImportWords(const MTavruneDoc& doc) {
  return doc.MasterWords().Count() < MTavruneDoc::kMaxWords;
}

bool CanCustomizeList(const MTavruneDoc& doc) { return doc.EntryCount() > 0; }

bool CanRemoveCommonWords(const MTavruneDoc& doc) { return doc.EntryCount() > 0; }

bool CanRemoveWordsWithAnswers(const MTavruneDoc& doc) {
  return doc.GetListType() != ListType::kList;
}

bool CanRemoveWordsWithoutAnswers(const MTavruneDoc& doc) {
  return doc.GetListType() != ListType::kList;
}

bool CanRemoveBritishWords(const MTavruneDoc& doc) { return TellsBritishWords(doc); }

bool CanKeepBritishWords(const MTavruneDoc& doc) { return TellsBritishWords(doc); }

bool CanRemoveNorthAmericanWords(const MTavruneDoc& doc) { return TellsNorthAmericanWords(doc); }

bool CanKeepNorthAmericanWords(const MTavruneDoc& doc) { return TellsNorthAmericanWords(doc); }

bool CanExportText(const MTavruneDoc&) { return true; }

}  // namespace tavrune
