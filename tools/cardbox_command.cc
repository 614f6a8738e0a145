#include "tools/cardbox_command.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "cardbox/cardbox.h"
#include "cardbox/cardbox_clock.h"
#include "cardbox/zyzzyva_quiz_file.h"
#include "engine/letters.h"

namespace tavrune {
namespace {

using OptionNames = std::set<std::string, std::less<>>;

struct Parsed {
  Args positional;
  std::map<std::string, std::string, std::less<>> options;  // a flag's value is empty

  const std::string* Option(std::string_view name) const {
    const auto it = options.find(name);
    return it == options.end() ? nullptr : &it->second;
  }
};

// Splits `args` into positional arguments, the options in `valued` with
// their values, the `flags` and --database; nothing after a message on a
// bad one.
std::optional<Parsed> Parse(const Args& args, const OptionNames& valued, const OptionNames& flags,
                            const Io& io) {
  Parsed parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      parsed.positional.push_back(arg);
    } else if (flags.count(arg) != 0) {
      parsed.options[arg];
    } else if (valued.count(arg) == 0 && arg != "--database") {
      io.Fail("unknown option '" + arg + "'");
      return std::nullopt;
    } else if (i + 1 >= args.size()) {
      io.Fail(arg + " needs a value");
      return std::nullopt;
    } else {
      parsed.options[arg] = args[++i];
    }
  }
  return parsed;
}

// Opens the cardbox once an action has checked its arguments: null after a
// message.
using Opener = std::function<Cardbox*()>;

std::string KindNames() {
  std::string names;
  for (CardKind kind : kAllCardKinds) {
    if (!names.empty()) names += ", ";
    names += CardKindName(kind);
  }
  return names;
}

std::optional<CardKind> ReadKind(const std::string& text, std::string_view what, const Io& io) {
  const std::optional<CardKind> kind = CardKindFromName(text);
  if (!kind) {
    io.Fail(std::string(what) + ": unknown kind '" + text + "'; the kinds are " + KindNames());
  }
  return kind;
}

// Lexicon names are one word on the output lines.
bool CheckLexiconName(const std::string& name, const Io& io) {
  const bool plain =
      !name.empty() && name.size() <= 64 && name.find_first_of(" \t\r\n") == std::string::npos;
  if (!plain) io.Fail("lexicon name '" + name + "': 1 to 64 characters without spaces");
  return plain;
}

// --lexicon and --kind; both needed when `deck` is.
std::optional<CardFilter> ReadFilter(const Parsed& parsed, bool deck, const Io& io) {
  CardFilter filter;
  if (const std::string* lexicon = parsed.Option("--lexicon")) {
    if (!CheckLexiconName(*lexicon, io)) return std::nullopt;
    filter.lexicon = *lexicon;
  }
  if (const std::string* kind = parsed.Option("--kind")) {
    filter.kind = ReadKind(*kind, "--kind", io);
    if (!filter.kind) return std::nullopt;
  }
  if (deck && (filter.lexicon.empty() || !filter.kind)) {
    io.Fail("--lexicon NAME and --kind KIND are needed");
    return std::nullopt;
  }
  return filter;
}

Deck DeckOf(const CardFilter& filter) { return {filter.lexicon, *filter.kind}; }

std::optional<int64_t> ReadCount(const std::string& text, std::string_view what, int64_t min,
                                 int64_t max, const Io& io) {
  const std::optional<long long> value = ParseInteger(text);
  if (!value || *value < min || *value > max) {
    io.Fail(std::string(what) + " '" + text + "': a whole number from " + std::to_string(min) +
            " to " + std::to_string(max));
    return std::nullopt;
  }
  return *value;
}

// ISO 8601 in local time with its offset: 2026-03-14T10:00:00+01:00.
std::string IsoTime(int64_t time) {
  std::string text = LocalTimeText(time, "%Y-%m-%dT%H:%M:%S%z");
  if (text.size() >= 5) text.insert(text.size() - 2, ":");
  return text;
}

std::string CardLine(const Card& card) {
  return card.lexicon + ' ' + std::string(CardKindName(card.kind)) + ' ' + card.question + ' ' +
         std::to_string(card.box) + ' ' + IsoTime(card.due) + '\n';
}

int Report(const CardboxStatus& status, const Io& io) {
  return io.Fail(CardboxMessageText(status));
}

// The words of standard input, any white space between them, upper-cased.
std::vector<std::string> ReadEntries(const Io& io) {
  std::vector<std::string> entries;
  std::string word;
  while (io.in >> word) entries.push_back(UpperCased(std::move(word)));
  return entries;
}

int Add(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::string& file = parsed.positional[0];
  const std::string lexicon_name = std::filesystem::path(file).stem().string();
  const std::optional<CardKind> kind = ReadKind(parsed.positional[1], "KIND", io);
  if (!kind || !CheckLexiconName(lexicon_name, io)) return kExitUsage;
  // The file must be a lexicon, so that a slip of the keyboard makes no deck.
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(file, lexicon, io, status)) return status;
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  AddCounts counts;
  if (const CardboxStatus s = cardbox->Add({lexicon_name, *kind}, ReadEntries(io), &counts);
      !s.ok()) {
    return Report(s, io);
  }
  io.out << counts.added << " added, " << counts.already << " already in the cardbox, "
         << counts.skipped << " skipped\n";
  return kExitOk;
}

int Remove(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, true, io);
  Cardbox* cardbox = filter ? open() : nullptr;
  if (cardbox == nullptr) return kExitUsage;
  int64_t removed = 0;
  if (const CardboxStatus s = cardbox->Remove(DeckOf(*filter), ReadEntries(io), &removed);
      !s.ok()) {
    return Report(s, io);
  }
  io.out << removed << " removed\n";
  return kExitOk;
}

int Due(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, false, io);
  if (!filter) return kExitUsage;
  int64_t limit = INT64_MAX;
  if (const std::string* text = parsed.Option("--limit")) {
    const std::optional<int64_t> value = ReadCount(*text, "--limit", 0, INT32_MAX, io);
    if (!value) return kExitUsage;
    limit = *value;
  }
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  std::vector<Card> cards;
  const bool box_zero_first = parsed.Option("--box-zero-first") != nullptr;
  if (const CardboxStatus s = cardbox->Due(*filter, limit, box_zero_first, &cards); !s.ok()) {
    return Report(s, io);
  }
  std::string lines;
  for (const Card& card : cards) lines += CardLine(card);
  io.out << lines;
  return kExitOk;
}

// Prints the card an action left, or says that there is none.
int CardResult(const CardboxStatus& status, const std::optional<Card>& card,
               const std::string& missing, const Io& io) {
  if (!status.ok()) return Report(status, io);
  if (!card) {
    Note(io.err, missing);
    return kExitNotAcceptable;
  }
  io.out << CardLine(*card);
  return kExitOk;
}

std::string NotInCardbox(const std::string& question, const Deck& deck) {
  return question + " is not in the cardbox (" + deck.lexicon + ' ' +
         std::string(CardKindName(deck.kind)) + ")";
}

int Grade(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, true, io);
  if (!filter) return kExitUsage;
  const std::string& verdict = parsed.positional[1];
  if (verdict != "right" && verdict != "missed") {
    return io.Fail("'" + verdict + "': right or missed");
  }
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  const Deck deck = DeckOf(*filter);
  const std::string question = UpperCased(parsed.positional[0]);
  std::optional<Card> card;
  const CardboxStatus status = cardbox->Grade(deck, question, verdict == "right", &card);
  return CardResult(status, card, NotInCardbox(question, deck), io);
}

int Undo(const Parsed&, const Io& io, const Opener& open) {
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  std::optional<Card> card;
  const CardboxStatus status = cardbox->UndoLastGrade(&card);
  return CardResult(status, card, "no answer to take back", io);
}

int Move(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, true, io);
  if (!filter) return kExitUsage;
  const std::optional<int64_t> box = ReadCount(parsed.positional[1], "BOX", 0, kMaxBox, io);
  Cardbox* cardbox = box ? open() : nullptr;
  if (cardbox == nullptr) return kExitUsage;
  const Deck deck = DeckOf(*filter);
  const std::string question = UpperCased(parsed.positional[0]);
  std::optional<Card> card;
  const CardboxStatus status = cardbox->Move(deck, question, static_cast<int>(*box), &card);
  return CardResult(status, card, NotInCardbox(question, deck), io);
}

// SpreadBacklog and ShiftToBacklog: DAYS or N, then the number due now.
int Backlog(const Parsed& parsed, const Io& io, const Opener& open, bool spread) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, false, io);
  if (!filter) return kExitUsage;
  const std::optional<int64_t> value = spread
                                           ? ReadCount(parsed.positional[0], "DAYS", 1, 3650, io)
                                           : ReadCount(parsed.positional[0], "N", 0, INT32_MAX, io);
  Cardbox* cardbox = value ? open() : nullptr;
  if (cardbox == nullptr) return kExitUsage;
  int64_t moved = 0;
  const CardboxStatus status =
      spread ? cardbox->SpreadBacklog(*filter, static_cast<int>(*value), &moved)
             : cardbox->ShiftToBacklog(*filter, *value, &moved);
  if (!status.ok()) return Report(status, io);
  DueSummary summary;
  if (const CardboxStatus s = cardbox->Summary(*filter, &summary); !s.ok()) return Report(s, io);
  if (spread) io.out << moved << " moved to later days, ";
  io.out << summary.due_now << " due now\n";
  return kExitOk;
}

int Spread(const Parsed& parsed, const Io& io, const Opener& open) {
  return Backlog(parsed, io, open, true);
}

int Shift(const Parsed& parsed, const Io& io, const Opener& open) {
  return Backlog(parsed, io, open, false);
}

int Stats(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, false, io);
  Cardbox* cardbox = filter ? open() : nullptr;
  if (cardbox == nullptr) return kExitUsage;
  std::vector<int64_t> boxes;
  DueForecast forecast;
  if (const CardboxStatus s = cardbox->BoxCounts(*filter, &boxes); !s.ok()) return Report(s, io);
  // Today's rest and the next 7 days.
  if (const CardboxStatus s = cardbox->Forecast(*filter, 8, &forecast); !s.ok()) {
    return Report(s, io);
  }
  int64_t total = 0;
  for (int64_t count : boxes) total += count;
  std::string text = "Cards: " + std::to_string(total) + '\n';
  for (size_t box = 0; box < boxes.size(); ++box) {
    text += "Box " + std::to_string(box) + ": " + std::to_string(boxes[box]) + '\n';
  }
  text += "Due now: " + std::to_string(forecast.backlog) + '\n';
  for (size_t day = 0; day < forecast.days.size(); ++day) {
    text += "Due " + LocalTimeText(forecast.days[day].start, "%Y-%m-%d") +
            (day == 0 ? " (rest of today): " : ": ") + std::to_string(forecast.days[day].count) +
            '\n';
  }
  io.out << text;
  return kExitOk;
}

int Schedule(const Parsed& parsed, const Io& io, const Opener& open) {
  std::optional<std::vector<int>> lists[2];
  const char* const names[2] = {"--intervals", "--spreads"};
  for (int i = 0; i < 2; ++i) {
    const std::string* text = parsed.Option(names[i]);
    if (text == nullptr) continue;
    lists[i] = ParseDayList(*text);
    if (!lists[i]) {
      return io.Fail(std::string(names[i]) + " '" + *text + "': 1 to " +
                     std::to_string(CardboxSchedule::kMaxBoxes) +
                     " whole numbers of days from 0 to " +
                     std::to_string(CardboxSchedule::kMaxDays) + ", one a box");
    }
  }
  const std::string* missed = parsed.Option("--missed");
  if (missed != nullptr && *missed != "box-0" && *missed != "down-one") {
    return io.Fail("--missed '" + *missed + "': box-0 or down-one");
  }
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  CardboxSchedule schedule;
  if (const CardboxStatus s = cardbox->ReadSchedule(&schedule); !s.ok()) return Report(s, io);
  if (lists[0] || lists[1] || missed != nullptr) {
    if (lists[0]) schedule.intervals = *lists[0];
    if (lists[1]) schedule.spreads = *lists[1];
    if (missed != nullptr) schedule.missed_down_one = *missed == "down-one";
    if (const CardboxStatus s = cardbox->WriteSchedule(schedule); !s.ok()) return Report(s, io);
  }
  io.out << "Intervals: " << FormatDayList(schedule.intervals) << '\n'
         << "Spreads: " << FormatDayList(schedule.spreads) << '\n'
         << "Missed: " << (schedule.missed_down_one ? "down-one" : "box-0") << '\n';
  return kExitOk;
}

int Import(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::string& file = parsed.positional[0];
  const std::optional<CardFilter> filter = ReadFilter(parsed, false, io);
  if (!filter) return kExitUsage;
  if (filter->lexicon.empty()) return io.Fail("--lexicon NAME is needed");
  const std::optional<CardKind> kind = filter->kind ? filter->kind : QuizFileKind(file);
  if (!kind) return io.Fail("no kind in the name '" + file + "'; give --kind KIND");
  Cardbox* cardbox = open();
  if (cardbox == nullptr) return kExitUsage;
  std::vector<Card> cards;
  QuizFileCounts read;
  if (const CardboxStatus s =
          ReadQuizFile(file, {filter->lexicon, *kind}, cardbox->Now(), &cards, &read);
      !s.ok()) {
    return Report(s, io);
  }
  AddCounts added;
  if (const CardboxStatus s = cardbox->Insert(cards, &added); !s.ok()) return Report(s, io);
  io.out << added.added << " imported, " << added.already << " already in the cardbox, "
         << read.not_in_cardbox << " not in a cardbox, " << read.skipped << " skipped\n";
  return kExitOk;
}

int Export(const Parsed& parsed, const Io& io, const Opener& open) {
  const std::optional<CardFilter> filter = ReadFilter(parsed, true, io);
  Cardbox* cardbox = filter ? open() : nullptr;
  if (cardbox == nullptr) return kExitUsage;
  std::vector<Card> cards;
  if (const CardboxStatus s = cardbox->DeckCards(DeckOf(*filter), &cards); !s.ok()) {
    return Report(s, io);
  }
  if (const CardboxStatus s = WriteQuizFile(parsed.positional[0], cards); !s.ok()) {
    return Report(s, io);
  }
  io.out << cards.size() << " written to " << parsed.positional[0] << '\n';
  return kExitOk;
}

// One action: how many arguments it takes, its options and flags, and what
// it does.
struct Action {
  std::string_view name;
  size_t arguments;
  OptionNames options;
  OptionNames flags;
  int (*run)(const Parsed& parsed, const Io& io, const Opener& open);
};

const OptionNames kDeckOptions = {"--lexicon", "--kind"};

const Action kActions[] = {
    {"add", 2, {}, {}, Add},
    {"remove", 0, kDeckOptions, {}, Remove},
    {"due", 0, {"--lexicon", "--kind", "--limit"}, {"--box-zero-first"}, Due},
    {"grade", 2, kDeckOptions, {}, Grade},
    {"undo", 0, {}, {}, Undo},
    {"move", 2, kDeckOptions, {}, Move},
    {"spread", 1, kDeckOptions, {}, Spread},
    {"shift", 1, kDeckOptions, {}, Shift},
    {"stats", 0, kDeckOptions, {}, Stats},
    {"schedule", 0, {"--intervals", "--spreads", "--missed"}, {}, Schedule},
    {"import", 1, kDeckOptions, {}, Import},
    {"export", 1, kDeckOptions, {}, Export},
};

}  // namespace

std::string CardboxHelp() {
  return "A card is one question of one kind in one lexicon, in a numbered box. A right\n"
         "answer moves it up a box and schedules it further out, a missed one sends it\n"
         "back to box 0; each day what is due comes up for study. The cardbox is the\n"
         "study program's own: ~/.local/share/Kestrelle/Tavrune/cardbox.sqlite (under\n"
         "$XDG_DATA_HOME when set), or --database FILE (made when missing).\n"
         "\n"
         "KIND is one of " +
         KindNames() +
         ". For the anagram kinds a word's\n"
         "question is its alphagram. Questions hold A-Z and '?' (lower case is read as\n"
         "upper case), at most 15 of them; others are skipped and counted. Times are\n"
         "printed in ISO 8601, local time. The environment variable TAVRUNE_NOW (Unix\n"
         "seconds) sets the clock.\n"
         "\n"
         "Actions:\n"
         "  add FILE.TVD KIND < WORDS\n"
         "      the words of standard input as questions of the lexicon FILE names (its\n"
         "      name without .TVD), in box 0 and due at once\n"
         "  remove --lexicon NAME --kind KIND < WORDS\n"
         "      takes the questions of standard input out of the cardbox\n"
         "  due [--lexicon NAME] [--kind KIND] [--limit N] [--box-zero-first]\n"
         "      the due cards, longest due first (box 0 first with --box-zero-first),\n"
         "      one a line: LEXICON KIND QUESTION BOX DUE\n"
         "  grade --lexicon NAME --kind KIND QUESTION right|missed\n"
         "      records an answer as the quiz does; prints the card's new line\n"
         "  undo\n"
         "      takes the last answer back; prints the card as it was before it\n"
         "  move --lexicon NAME --kind KIND QUESTION BOX\n"
         "      puts a card in BOX (0-" +
         std::to_string(kMaxBox) +
         ") as if it had just landed there\n"
         "  spread DAYS [--lexicon NAME] [--kind KIND]\n"
         "      spreads the cards due now over DAYS days (1-3650), keeping their order\n"
         "  shift N [--lexicon NAME] [--kind KIND]\n"
         "      moves every card by the same time so that exactly N are due now\n"
         "  stats [--lexicon NAME] [--kind KIND]\n"
         "      cards per box, due now and on each of the next 7 days\n"
         "  schedule [--intervals LIST] [--spreads LIST] [--missed box-0|down-one]\n"
         "      prints the schedule, or changes it: the days to wait per box, the\n"
         "      random days either way per box (LIST: 1-" +
         std::to_string(CardboxSchedule::kMaxBoxes) + " numbers from 0 to " +
         std::to_string(CardboxSchedule::kMaxDays) +
         ", as '1 4 7'),\n"
         "      and where a missed card goes\n"
         "  import FILE.db --lexicon NAME [--kind KIND]\n"
         "      the cardbox of a Zyzzyva quiz database; the kind comes from the file's\n"
         "      name (Anagrams.db, Hooks.db, 'Anagrams with Hooks.db', Build.db) unless\n"
         "      given; cards already in the cardbox stay as they are\n"
         "  export FILE.db --lexicon NAME --kind KIND\n"
         "      the cards as a Zyzzyva quiz database; the other questions of an\n"
         "      existing one stay\n"
         "\n"
         "Exit status: 0 success, 1 no such card (grade, move) or no answer to take\n"
         "back (undo), 2 an error (a busy cardbox too: nothing was changed).\n";
}

int RunCardboxCommand(const Args& args, const Io& io) {
  if (args.empty()) {
    return io.Fail("cardbox needs an action; 'tavrune-lexicon cardbox --help' lists them");
  }
  const Action* action = nullptr;
  for (const Action& a : kActions) {
    if (a.name == args[0]) action = &a;
  }
  if (action == nullptr) return io.Fail("unknown cardbox action '" + args[0] + "'");
  const std::optional<Parsed> parsed =
      Parse(Args(args.begin() + 1, args.end()), action->options, action->flags, io);
  if (!parsed) return kExitUsage;
  if (parsed->positional.size() != action->arguments) {
    return io.Fail("cardbox " + args[0] + " takes " + std::to_string(action->arguments) +
                   " argument(s); see 'tavrune-lexicon cardbox --help'");
  }
  std::unique_ptr<Cardbox> cardbox;
  const Opener open = [&]() -> Cardbox* {
    std::string bad_clock;
    CardboxClock clock = ProgramClock(&bad_clock);
    if (!bad_clock.empty()) {
      io.Fail("TAVRUNE_NOW '" + bad_clock + "' is no whole number of Unix seconds");
      return nullptr;
    }
    cardbox = std::make_unique<Cardbox>(std::move(clock), std::random_device{}());
    const std::string* database = parsed->Option("--database");
    const CardboxStatus status = cardbox->Open(database ? *database : DefaultCardboxPath());
    if (!status.ok()) {
      Report(status, io);
      return nullptr;
    }
    return cardbox.get();
  };
  return action->run(*parsed, io, open);
}

}  // namespace tavrune
