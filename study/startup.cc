#include "study/startup.h"

#include <algorithm>

namespace tavrune {
namespace {

constexpr LexiconId kPreselectionOrder[] = {LexiconId::kNA, LexiconId::kUK, LexiconId::kUKNA,
                                            LexiconId::kFR, LexiconId::kNAF};

void RestoreChoices(ApplicationState& app, const DictionaryChoices& choices) {
  app.SetSource(choices.source);
  app.SetAnswerSource(choices.answer_source);
  app.SetUseSymbols(choices.use_symbols);
  app.SetUseSymbolsForMainWord(choices.use_symbols_for_main_word);
  app.SetSymbols(choices.symbols.both, choices.symbols.uk_only, choices.symbols.na_only);
}

}  // namespace

LexiconId PreselectionFor(const std::array<bool, kLexiconCount>& offered) {
  for (LexiconId id : kPreselectionOrder) {
    if (offered[Index(id)]) return id;
  }
  return LexiconId::kNA;
}

bool StartLexicons(ApplicationState& app, const DictionaryChooser& choose,
                   const std::function<void()>& before_loading) {
  if (!app.DiscoverLexicons()) return false;
  app.ReadSettings();

  DictionaryOffer offer;
  for (LexiconId id : kAllLexiconIds) offer.offered[Index(id)] = app.LexiconPresent(id);
  auto ask = [&] {
    offer.preselected = PreselectionFor(offer.offered);
    const int usable =
        static_cast<int>(std::count(offer.offered.begin(), offer.offered.end(), true));
    app.ChooseDictionary(usable == 1 ? Index(offer.preselected) : choose(offer));
  };
  if (app.NeedsDictionaryChoice()) ask();
  if (before_loading) before_loading();

  // Each failed round takes one more lexicon out of the offer, so this ends.
  for (int round = 0; round <= kLexiconCount; ++round) {
    if (app.LoadNeededLexicons()) return true;
    for (LexiconId id : app.NeededLexicons()) {
      if (!app.IsLoaded(id)) {
        offer.offered[Index(id)] = false;
        break;
      }
    }
    app.SetUseSymbols(false);
    app.SetUseSymbolsForMainWord(false);
    if (std::none_of(offer.offered.begin(), offer.offered.end(), [](bool b) { return b; })) break;
    ask();
  }
  return false;
}

DictionaryChange ChangeDictionary(ApplicationState& app, const DictionaryChoices& choices) {
  const DictionaryChoices before = app.GetDictionaryChoices();
  const DictionaryChange change = app.ApplyDictionaryChoices(choices);
  if (app.LoadNeededLexicons()) return change;
  RestoreChoices(app, before);
  app.LoadNeededLexicons();
  return {};
}

}  // namespace tavrune
