#ifndef TAVRUNE_TESTS_WORDLIST_DOC_FIXTURE_H_
#define TAVRUNE_TESTS_WORDLIST_DOC_FIXTURE_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "platform/settings.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune::testing {

// Records what the document tells its views.
class HintRecorder : public DocumentObserver {
 public:
  void OnUpdate(int hint) override { hints.push_back(hint); }
  void OnTitleChanged() override { ++title_changes; }
  std::vector<int> hints;
  int title_changes = 0;
};

inline WordCollection Words(std::initializer_list<std::string_view> words) {
  WordCollection collection;
  collection.SetSortMode(false, SortKey::kAlphabetical, false);
  for (std::string_view w : words) collection.Append(w);
  return collection;
}

inline std::vector<std::string> AllWords(const WordCollection& words) {
  return std::vector<std::string>(words.begin(), words.end());
}

// A document over a small combined lexicon (the UK and NA lexicons hold the
// British-only and North-American-only words), with recorded prompts.
class DocTest : public ::testing::Test {
 protected:
  DocTest() {
    app_.LexiconFor(LexiconId::kUKNA) =
        MakeLexicon({"CAT", "CATS", "SCAT", "ACT", "TOE", "SPARE", "PEARS", "REAPS", "PARES", "AT",
                     "TA", "AS", "OE", "TOES", "STOA", "OATS", "TACO", "COAT"});
    app_.LexiconFor(LexiconId::kUK) = MakeLexicon({"CAT", "SPARE", "REAPS", "TOE", "OATS"});
    app_.LexiconFor(LexiconId::kNA) = MakeLexicon({"CAT", "SPARE", "PEARS", "TOE", "OATS"});
    app_.SetSource(2);
    app_.SetAnswerSource(2);
  }

  MTavruneDoc& MakeDoc() {
    doc_.reset();
    doc_ = std::make_unique<MTavruneDoc>(app_, settings_, prompt_, random_);
    doc_->AddObserver(&views_);
    return *doc_;
  }

  // A new document holding `words` as the given list type.
  MTavruneDoc& MakeList(std::initializer_list<std::string_view> words,
                        ListType type = ListType::kList) {
    MTavruneDoc& doc = MakeDoc();
    doc.SetListType(type);
    doc.MergeWords(Words(words));
    views_.hints.clear();
    prompt_.Clear();
    return doc;
  }

  std::vector<std::string> Entries() const { return AllWords(doc_->Entries()); }
  std::vector<std::string> Master() const { return AllWords(doc_->MasterWords()); }
  std::vector<std::string> Answers(int index) const {
    WordCollection out = Words({});
    doc_->ComputeAnswers(index, out, out);
    return AllWords(out);
  }

  MemorySettings settings_;
  RecordingPrompt prompt_;
  Dictionary app_{"", settings_, prompt_};
  RandomEngine random_{12345};
  HintRecorder views_;
  std::unique_ptr<MTavruneDoc> doc_;
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_WORDLIST_DOC_FIXTURE_H_
