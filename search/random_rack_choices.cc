#include "search/random_rack_choices.h"

#include "engine/probability.h"
#include "engine/random_racks.h"
#include "search/search_messages.h"
#include "search/search_setting_keys.h"

namespace tavrune {
namespace {

constexpr int kBuildingListText = 40020;

// The settings behind the fields, in field order.
constexpr const IntSetting* kFieldSettings[] = {
    &setting::random_racks::kNumRacks,      &setting::random_racks::kLettersPerRack,
    &setting::random_racks::kMinPoints,     &setting::random_racks::kMaxPoints,
    &setting::random_racks::kMinVowels,     &setting::random_racks::kMaxVowels,
    &setting::random_racks::kMinPhonies,    &setting::random_racks::kMaxPhonies,
    &setting::random_racks::kMinProbFactor, &setting::random_racks::kMaxProbFactor,
    &setting::random_racks::kMaxTime,
};
static_assert(std::size(kFieldSettings) == static_cast<size_t>(RackField::kCount));

bool IsMaximumOfPair(RackField field) {
  switch (field) {
    case RackField::kMaxPoints:
    case RackField::kMaxVowels:
    case RackField::kMaxPhonies:
    case RackField::kMaxProbFactor:
      return true;
    default:
      return false;
  }
}

}  // namespace

RandomRackChoices RandomRackChoices::Read(const Settings& settings) {
  RandomRackChoices choices;
  for (size_t i = 0; i < choices.values.size(); ++i) {
    choices.values[i] = ReadSetting(settings, *kFieldSettings[i]);
  }
  choices.ignore_blanks = ReadSetting(settings, setting::random_racks::kIgnoreBlanks) != 0;
  return choices;
}

void RandomRackChoices::Write(Settings& settings) const {
  for (size_t i = 0; i < values.size(); ++i) WriteSetting(settings, *kFieldSettings[i], values[i]);
  WriteSetting(settings, setting::random_racks::kIgnoreBlanks, ignore_blanks ? 1 : 0);
}

RackRange RandomRackChoices::Bounds(RackField field) {
  const IntSetting& setting = *kFieldSettings[static_cast<size_t>(field)];
  return {setting.min, setting.max};
}

RackRange RandomRackChoices::Allowed(RackField field) const {
  const RackRange bounds = Bounds(field);
  if (IsMaximumOfPair(field)) {
    return {(*this)[static_cast<RackField>(static_cast<int>(field) - 1)], bounds.max};
  }
  return bounds;
}

std::optional<RackField> RandomRackChoices::FirstOutOfRange() const {
  for (int i = 0; i < static_cast<int>(RackField::kCount); ++i) {
    const auto field = static_cast<RackField>(i);
    const RackRange range = Allowed(field);
    if ((*this)[field] < range.min || (*this)[field] > range.max) return field;
  }
  return std::nullopt;
}

int DrawRandomRacks(const RandomRackChoices& choices, const Lexicon& lexicon, LexiconId lexicon_id,
                    RandomEngine& random, UserPrompt& prompt, WordCollection& racks,
                    RackClock clock) {
  const int wanted = choices[RackField::kNumRacks];
  prompt.SetStatusText(kBuildingListText);
  int made = 0;
  {
    WaitCursor wait(prompt);
    RandomRackGenerator generator(
        random, clock ? std::move(clock) : RackClock(RandomRackGenerator::SystemSeconds));
    generator.SetProbabilityReference(ProbabilityReference(lexicon_id));
    generator.SetNoBlanks(choices.ignore_blanks);
    generator.SetTimeLimit(choices[RackField::kMaxTime]);
    generator.SetVowelRange(choices[RackField::kMinVowels], choices[RackField::kMaxVowels]);
    generator.SetPhonyRange(choices[RackField::kMinPhonies], choices[RackField::kMaxPhonies]);
    generator.SetProbabilityFactorRange(choices[RackField::kMinProbFactor],
                                        choices[RackField::kMaxProbFactor]);
    generator.SetPointsRange(choices[RackField::kMinPoints], choices[RackField::kMaxPoints]);
    made = generator.Generate(wanted, choices[RackField::kLettersPerRack], lexicon, racks);
  }
  if (made < wanted) prompt.ShowMessage(made > 0 ? kTooFewRacksMessage : kNoRacksMessage);
  return made;
}

}  // namespace tavrune
