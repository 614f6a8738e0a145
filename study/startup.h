#ifndef TAVRUNE_STUDY_STARTUP_H_
#define TAVRUNE_STUDY_STARTUP_H_

#include <array>
#include <functional>

#include "engine/lexicon_id.h"
#include "study/application_state.h"

namespace tavrune {

// The dictionaries a choice offers and the one it preselects.
struct DictionaryOffer {
  std::array<bool, kLexiconCount> offered{};
  LexiconId preselected = LexiconId::kNA;
};

// The first present of NA, UK, UKNA, FR, NAF; NA when none is.
LexiconId PreselectionFor(const std::array<bool, kLexiconCount>& offered);

// Asks the user for a dictionary; returns its LexiconId number.
using DictionaryChooser = std::function<int(const DictionaryOffer&)>;

// The lexicon steps of start-up: find the files, read the application keys,
// ask for a dictionary on first run (unless one file alone exists), load
// what the choices need. A lexicon that fails to load never locks the user
// out: after its message the word-source marks are switched off and the
// choice is offered again without the lexicons that failed. False when the
// program cannot start (no lexicon at all, or none that loads).
// `before_loading` runs once, before the first lexicon is read.
bool StartLexicons(ApplicationState& app, const DictionaryChooser& choose,
                   const std::function<void()>& before_loading = {});

// Options > Dictionary: takes the edited choices and loads what they need.
// When a load fails (reported), the previous choices come back and nothing
// counts as changed.
DictionaryChange ChangeDictionary(ApplicationState& app, const DictionaryChoices& choices);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_STARTUP_H_
