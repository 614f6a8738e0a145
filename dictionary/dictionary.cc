#include "dictionary/dictionary.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "dictionary/dictionary_setting_keys.h"
#include "engine/letters.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kLoadingDictionaryText = 40067;
constexpr int kNoLexiconsText = 40084;

constexpr LexiconId kPreselectionOrder[] = {LexiconId::kNA, LexiconId::kUK, LexiconId::kUKNA,
                                            LexiconId::kFR, LexiconId::kNAF};

// Only a file known not to be there counts as missing; one we may not even
// look at is left for the open to fail on.
bool FileMissing(const std::string& path) {
  std::error_code ec;
  return std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found;
}

}  // namespace

Dictionary::Dictionary(std::string data_folder, Settings& settings, UserPrompt& prompt)
    : data_folder_(WithTrailingSlash(std::move(data_folder))),
      settings_(settings),
      prompt_(prompt) {}

bool Dictionary::DiscoverLexicons() {
  directory_ = LexiconDirectory::Discover(data_folder_);
  all_sources_present_ = directory_.Present(LexiconId::kUKNA) &&
                         directory_.Present(LexiconId::kNA) && directory_.Present(LexiconId::kUK);
  if (directory_.AnyPresent()) return true;
  prompt_.ShowMessage(kNoLexiconsText);
  return false;
}

void Dictionary::ReadSettings() {
  namespace general = setting::general;
  namespace dictionary = setting::dictionary;

  source_ = NormalizeLexiconId(ReadSetting(settings_, general::kSource));

  const int answer_source = ReadSetting(settings_, dictionary::kAnswerSource);
  needs_dictionary_choice_ = false;
  if (answer_source != dictionary::kNeverChosen) {
    answer_source_ = Index(NormalizeLexiconId(answer_source));
  } else {
    int present_count = 0;
    LexiconId only = LexiconId::kNA;
    for (LexiconId id : kAllLexiconIds) {
      if (!LexiconPresent(id)) continue;
      ++present_count;
      only = id;
    }
    if (present_count == 1) {
      ChooseDictionary(Index(only));
    } else {
      needs_dictionary_choice_ = true;
    }
  }

  use_symbols_ = ReadSetting(settings_, dictionary::kUseSymbols) != 0;
  use_symbols_for_main_word_ = ReadSetting(settings_, dictionary::kUseSymbolsForMainWord) != 0;
  symbols_ = {ReadSetting(settings_, dictionary::kSymbolSowpods),
              ReadSetting(settings_, dictionary::kSymbolUK),
              ReadSetting(settings_, dictionary::kSymbolUSA)};
}

void Dictionary::WriteSettings() const {
  namespace general = setting::general;
  namespace dictionary = setting::dictionary;

  WriteSetting(settings_, general::kSource, Index(source_));
  // A choice the user never made is asked for again next time.
  WriteSetting(settings_, dictionary::kAnswerSource,
               needs_dictionary_choice_ ? dictionary::kNeverChosen : answer_source_);
  WriteSetting(settings_, dictionary::kUseSymbols, use_symbols_ ? 1 : 0);
  WriteSetting(settings_, dictionary::kUseSymbolsForMainWord, use_symbols_for_main_word_ ? 1 : 0);
  WriteSetting(settings_, dictionary::kSymbolSowpods, symbols_.both);
  WriteSetting(settings_, dictionary::kSymbolUK, symbols_.uk_only);
  WriteSetting(settings_, dictionary::kSymbolUSA, symbols_.na_only);
}

LexiconId Dictionary::PreselectedDictionary() const {
  for (LexiconId id : kPreselectionOrder) {
    if (LexiconPresent(id)) return id;
  }
  return LexiconId::kNA;
}

void Dictionary::ChooseDictionary(int choice) {
  source_ = NormalizeLexiconId(choice);
  answer_source_ = Index(source_);
  needs_dictionary_choice_ = false;
  WriteSettings();
}

DictionaryChoices Dictionary::GetDictionaryChoices() const {
  return {Index(source_), answer_source_, use_symbols_, use_symbols_for_main_word_, symbols_};
}

DictionaryChange Dictionary::ApplyDictionaryChoices(const DictionaryChoices& choices) {
  DictionaryChange change;
  const LexiconId source = NormalizeLexiconId(choices.source);
  if (source != source_) {
    source_ = source;
    change.source_changed = true;
  }
  const int answer_source = Index(NormalizeLexiconId(choices.answer_source));
  if (source_ == LexiconId::kUKNA && answer_source != answer_source_) {
    answer_source_ = answer_source;
    change.answer_source_changed = true;
  }
  use_symbols_ = choices.use_symbols;
  use_symbols_for_main_word_ = choices.use_symbols_for_main_word;
  SetSymbols(choices.symbols.both, choices.symbols.uk_only, choices.symbols.na_only);
  return change;
}

bool Dictionary::LexiconPresent(long long number) const {
  if (number < 0 || number >= kLexiconCount) return false;
  return directory_.Present(static_cast<LexiconId>(number));
}

bool Dictionary::EnsureLexiconLoaded(LexiconId id) {
  Lexicon& lexicon = LexiconFor(id);
  if (loaded_[Index(id)] || lexicon.EdgeCount() != 0) return true;

  const std::string path = data_folder_ + std::string(LexiconFileName(id));
  prompt_.SetStatusText(kLoadingDictionaryText);
  bool ok = false;
  InputFile file;
  if (FileMissing(path)) {
    prompt_.ShowMessage(kProgramFileMissingText);
  } else if (const FileStatus opened = file.Open(path, true); !opened.ok()) {
    ShowFileError(prompt_, kCannotOpenFileText, path, opened);
  } else {
    FileStatus read;
    {
      WaitCursor wait(prompt_);
      ok = lexicon.Load(file, &read);
    }
    // The engine refuses a damaged file; to the user it is one that could
    // not be read.
    if (!ok) {
      ShowFileError(prompt_, kCannotOpenFileText, path,
                    read.ok() ? FileStatus::Refused(kDamagedLexiconReason) : read);
    }
  }
  loaded_[Index(id)] = ok;
  prompt_.SetStatusText(kIdleText);
  return ok;
}

std::vector<LexiconId> Dictionary::NeededLexicons() const {
  std::vector<LexiconId> needed = {source_};
  if (source_ == LexiconId::kUKNA) {
    if (answer_source_ == 0) needed.push_back(LexiconId::kNA);
    if (answer_source_ == 1) needed.push_back(LexiconId::kUK);
  }
  if (use_symbols_ || use_symbols_for_main_word_) {
    needed.push_back(LexiconId::kUK);
    needed.push_back(LexiconId::kNA);
  }
  return needed;
}

bool Dictionary::LoadNeededLexicons() {
  for (LexiconId id : NeededLexicons()) {
    if (!EnsureLexiconLoaded(id)) return false;
  }
  return true;
}

void Dictionary::SetSource(long long value) {
  source_ = NormalizeLexiconId(value);
  WriteSettings();
}

void Dictionary::SetAnswerSource(long long value) {
  answer_source_ = Index(NormalizeLexiconId(value));
  WriteSettings();
}

void Dictionary::SetUseSymbols(bool on) {
  use_symbols_ = on;
  WriteSettings();
}

void Dictionary::SetUseSymbolsForMainWord(bool on) {
  use_symbols_for_main_word_ = on;
  WriteSettings();
}

void Dictionary::SetSymbols(std::string_view both, std::string_view uk_only,
                            std::string_view na_only) {
  symbols_ = {FirstCharacter(both), FirstCharacter(uk_only), FirstCharacter(na_only)};
  WriteSettings();
}

const Lexicon* Dictionary::ExcludedLexicon() const {
  if (source_ != LexiconId::kUKNA) return nullptr;
  switch (AnswerSourceFromNumber(answer_source_)) {
    case AnswerSource::kBritishOnly:
      return &LexiconFor(LexiconId::kNA);
    case AnswerSource::kNorthAmericanOnly:
      return &LexiconFor(LexiconId::kUK);
    case AnswerSource::kBoth:
      return nullptr;
  }
  return nullptr;
}

SourceSymbol Dictionary::WordSourceSymbol(std::string_view word) const {
  const WordSource source =
      GetWordSource(word, LexiconFor(LexiconId::kUK), LexiconFor(LexiconId::kNA));
  if (source == WordSource::kNeither) return {false, {}};
  return {true, WordSourceMark(source, symbols_)};
}

std::string Dictionary::WordSourceSymbolText(std::string_view word) const {
  SourceSymbol symbol = WordSourceSymbol(word);
  return symbol.found ? std::move(symbol.symbol) : std::string(" ");
}

void Dictionary::AppendSourceSymbols(const WordCollection& source, WordCollection& target) const {
  std::string line;
  for (int i = 0; i < source.Count(); ++i) {
    const std::string_view word = source.Word(i);
    SourceSymbol symbol = WordSourceSymbol(word);
    // Letters a blank supplied are lower case; the word is still a word.
    if (!symbol.found) symbol = WordSourceSymbol(UpperCased(std::string(word)));
    line.assign(word);
    line += symbol.found ? symbol.symbol : std::string(" ");
    target.InsertAt(line, i);
  }
}

}  // namespace tavrune
