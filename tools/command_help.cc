#include "tools/command_help.h"

#include "tools/cardbox_command.h"
#include "tools/engine_commands.h"
#include "tools/list_command.h"
#include "tools/search_command.h"

namespace tavrune {
namespace {

struct CommandText {
  std::string_view name;
  std::string_view summary;  // the line of the command list
  std::string_view usage;    // "Usage: ..." lines
  std::string_view body;     // what it does, options, exit status
  std::string_view example;
  bool reads_words = false;  // words, racks or patterns as kWordNote says
};

constexpr std::string_view kWordNote =
    "Lower-case letters are read as upper case; any other character that is no\n"
    "letter is refused with a message naming it.\n";

constexpr CommandText kCommands[] = {
    {"compile", "compile a word list into a lexicon file",
     "compile [--name TEXT] [--description TEXT] [--force] WORDS.txt OUT.TVD",
     "Reads words as the study program imports text: one a line or several,\n"
     "separated by blanks, tabs or the line ends of any system, in upper or lower\n"
     "case. Words of more than 15 letters or with characters other than A-Z are\n"
     "skipped and counted. Prints \"N words written, M rejected\".\n"
     "\n"
     "Options:\n"
     "  --name TEXT         the lexicon's name, at most 31 characters (default empty)\n"
     "  --description TEXT  its description, at most 19 characters (default empty)\n"
     "                      a longer name or description is cut, with a note\n"
     "  --force             replace OUT.TVD even when it is not a lexicon\n"
     "\n"
     "Refused: a WORDS.txt that is not text (NUL bytes) or larger than 256 MB, a\n"
     "list without one usable word, and an existing OUT.TVD that is not a lexicon\n"
     "(unless --force). The new file replaces the old one only once it is\n"
     "complete, and keeps its permissions.\n",
     "compile --name \"My club list\" words.txt MyClub.TVD"},
    {"info", "a lexicon's description line and edge count", "info FILE.TVD", "", "info UKNA.TVD"},
    {"contains", "whether words are in a lexicon", "contains FILE.TVD [WORD...]",
     "Prints WORD<TAB>1 for a word in the lexicon, WORD<TAB>0 for one that is not.\n"
     "Without WORD, reads one word a line from standard input.\n"
     "\n"
     "Exit status: 0 every word found, 1 a word missing (like grep), 2 an error.\n",
     "contains UKNA.TVD QI ZA XYZZY", true},
    {"hooks", "front hooks, word and end hooks", "hooks FILE.TVD [WORD...]",
     "Prints the front hook letters, the word and the end hook letters.\n"
     "Without WORD, reads one word a line from standard input.\n",
     "hooks UKNA.TVD CAT", true},
    {"words", "every word of a lexicon, alphabetically", "words FILE.TVD", "", "words UKNA.TVD"},
    {"judge", "whether a challenged play is acceptable", "judge FILE.TVD [TEXT...]",
     "Judges a play as TavruneWordJudge does: the words of TEXT (each argument a\n"
     "line; without TEXT, the play is read from standard input), separated by\n"
     "spaces or line breaks. Lower case is read as upper case; any character other\n"
     "than letters, spaces and line breaks is refused. Prints the verdict line\n"
     "\"Play is Acceptable.\" or \"Play is NOT Acceptable.\"; never names the word.\n"
     "\n"
     "Exit status: 0 acceptable, 1 not acceptable, 2 an error (also no words).\n",
     "judge UKNA.TVD 'QI ZA'"},
    {"anagram", "words using every tile of a rack", "anagram FILE.TVD RACK [--small-caps]",
     "RACK holds letters, '?' for a blank and '*' for any more letters.\n"
     "\n"
     "Options:\n"
     "  --small-caps  write letters supplied by a blank in lower case\n",
     "anagram UKNA.TVD AEINRST", true},
    {"build", "words made from some of a rack's tiles", "build FILE.TVD RACK [--small-caps]",
     "RACK holds letters and '?' for a blank.\n"
     "\n"
     "Options:\n"
     "  --small-caps  write letters supplied by a blank in lower case\n",
     "build UKNA.TVD QUIZ?", true},
    {"buildbuild", "FIRST/SECOND pairs that use every tile",
     "buildbuild FILE.TVD RACK [--small-caps]",
     "FIRST is made from some of the tiles, SECOND from all the tiles left.\n"
     "RACK holds letters and '?' for a blank.\n"
     "\n"
     "Options:\n"
     "  --small-caps  write letters supplied by a blank in lower case\n",
     "buildbuild UKNA.TVD QUOTA", true},
    {"pattern", "words matching a pattern", "pattern FILE.TVD PATTERN",
     "'?' is one letter, '*' any run of letters; [..] and [^..] are letter classes,\n"
     "'+' repeats, \\( \\) groups and \\1-\\9 refer back to them.\n",
     "pattern UKNA.TVD 'C?T*'", true},
    {"stats", "points, vowels, draw count and probability factor of words",
     "stats [--lexicon-id N] [--header] WORD...",
     "Takes words, not a lexicon file. For each WORD prints tab-separated columns:\n"
     "the word, its points, its vowels, its draw count (the ways to draw it from\n"
     "the 100-tile bag) and its probability factor (100 x its draw count against\n"
     "that of the reference word of its length for the lexicon id). WORD holds\n"
     "letters and '?' for a blank.\n"
     "\n"
     "Options:\n"
     "  --lexicon-id N  the reference words' lexicon: 0 British, 1 North American,\n"
     "                  2 both (default), 3 French, 4 North American Family\n"
     "  --header        print a first line naming the columns\n",
     "stats --header QUIZ AE", true},
    {"racks", "random racks, as the study program's random rack dialog makes them",
     "racks FILE.TVD [OPTION...]", "", "racks UKNA.TVD --count 20 --letters 7 --seed 42"},
    {"search", "one search of the custom-list dialog",
     "search FILE.TVD TYPE [--p1 TEXT] [--p2 TEXT] [--n1 N] [--n2 N] [--not]\n"
     "       [--list WORDS.txt] [--build-build]",
     "", "search UKNA.TVD Cryptogram --p1 XYZXYZ"},
    {"list", "word-list (.tvr) files for scripts",
     "list show FILE.tvr\n"
     "       tavrune-lexicon list make WORDS.txt OUT.tvr [--description TEXT]\n"
     "       [--list-type TYPE] [--sort SORT] [--descending]",
     "", "list make words.txt study.tvr --list-type anagrams --sort probability"},
    {"catalog", "the predefined lists, or the words of one",
     "catalog [PGMLISTS_DIR] FILE.TVD [--lexicon-id N] [--generate CATEGORY.SUB.LIST]",
     "Without --generate, prints the lists offered for the lexicon id, one\n"
     "CATEGORY.SUB.LIST a line. PGMLISTS_DIR is a PgmLists folder; without it,\n"
     "the one the study program reads.\n"
     "\n"
     "Options:\n"
     "  --lexicon-id N   0-4 as for stats (default 2, both)\n"
     "  --generate NAME  print the words of that list\n",
     "catalog UKNA.TVD --generate 3Letter.General.NoVowel"},
    {"cardbox", "study over weeks: the study program's cardbox",
     "cardbox ACTION [ARGUMENT...] [--database FILE]", "", "cardbox due --lexicon UKNA --limit 20"},
    {"inspect", "everything about words: hooks, anagrams, probability and more",
     "inspect FILE.TVD [--lexicon-id N] [--json] [WORD...]",
     "For each WORD prints key: value lines, a blank line between words: word;\n"
     "in_lexicon; in_uk, in_na and in_ukna, whether UK.TVD, NA.TVD and UKNA.TVD\n"
     "beside FILE.TVD hold it (left out when the file is absent); source and\n"
     "source_mark, with both UK.TVD and NA.TVD (both *, uk_only #, na_only $,\n"
     "neither); front_hooks and end_hooks; front_inner_hook and end_inner_hook,\n"
     "whether the word without its first or last letter is a word; alphagram;\n"
     "anagram_count and anagrams, every word of its letters, itself included;\n"
     "plus_one, the words one letter longer made of all its letters, as\n"
     "LETTER:WORD,WORD; points; probability_factor, as stats gives it;\n"
     "probability_rank and alphagrams_of_length, the place of its alphagram among\n"
     "the alphagrams of its length in FILE.TVD, most probable first, equal ones\n"
     "alphabetically, as the probability lists rank. A word of more than 15\n"
     "letters has no probability lines; letters that make no word have no rank.\n"
     "Without WORD, reads one word a line from standard input.\n"
     "\n"
     "Options:\n"
     "  --lexicon-id N  the probability reference words' lexicon, 0-4 as for stats\n"
     "                  (default: from FILE.TVD's name, else 2, both)\n"
     "  --json          one JSON object a line instead, with the same keys\n",
     "inspect Lexicons/UKNA.TVD qi", true},
    {"define", "the senses WordNet 3.0 gives words", "define [--wordnet DIR] [WORD...]",
     "For each WORD prints the word, then an indented line a sense: its part of\n"
     "speech and gloss, with \", from BASE\" when it is a sense of the base form the\n"
     "word is inflected from (WOLVES: noun, from wolf). A word WordNet does not\n"
     "know gets \"No definition in WordNet\". Without WORD, reads one word a line\n"
     "from standard input.\n"
     "\n"
     "Options:\n"
     "  --wordnet DIR  the WordNet 3.0 folder (default: TAVRUNE_WORDNET_DIR, else\n"
     "                 /usr/share/wordnet, from Debian's package wordnet-base)\n"
     "\n"
     "Exit status: 0 every word defined, 1 a word without a definition, 2 an error\n"
     "such as WordNet not found.\n"
     "\n"
     "WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved.\n",
     "define taxiing wolves", true},
};

constexpr std::string_view kExitStatus =
    "Exit status: 0 success, 1 a \"no\" answer (a word missing, a play not\n"
    "acceptable, fewer racks than asked, words left out of a full list), 2 an\n"
    "error.\n";

// Commands that never answer "no" say so on their page.
constexpr std::string_view kPlainExitStatus = "Exit status: 0 success, 2 an error.\n";

const CommandText* Find(std::string_view name) {
  for (const CommandText& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

// The parts of a page that come from the tables the commands work with.
std::string GeneratedPart(std::string_view name) {
  if (name == "racks") return RacksHelp();
  if (name == "search") return SearchHelp();
  if (name == "list") return ListHelp();
  if (name == "cardbox") return CardboxHelp();
  return {};
}

}  // namespace

std::string VersionText() { return std::string("tavrune-lexicon ") + TAVRUNE_VERSION + "\n"; }

bool IsHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

std::string ProgramHelp() {
  std::string text =
      "Usage: tavrune-lexicon COMMAND ARGUMENTS...\n"
      "       tavrune-lexicon COMMAND --help\n"
      "       tavrune-lexicon --version\n"
      "\n"
      "Compiles word lists into lexicon files (.TVD) and queries them.\n"
      "\n"
      "Commands:\n";
  for (const CommandText& command : kCommands) {
    std::string name(command.name);
    name.resize(12, ' ');
    text += "  " + name + std::string(command.summary) + '\n';
  }
  text +=
      "\n"
      "FILE.TVD is a lexicon file, or the name of an installed lexicon such as UKNA\n"
      "or UKNA.TVD when no file of that name is here.\n"
      "Words, racks and patterns may be typed in lower case. Results go to standard\n"
      "output, one a line; messages go to standard error, one line each.\n";
  text += kExitStatus;
  return text;
}

std::string CommandHelp(std::string_view name) {
  const CommandText* command = Find(name);
  if (command == nullptr) return {};
  std::string text = "Usage: tavrune-lexicon " + std::string(command->usage) + "\n\n";
  std::string summary(command->summary);
  summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
  text += summary + ".\n";
  if (command->reads_words) text += std::string(kWordNote);
  std::string body(command->body);
  body += GeneratedPart(name);
  if (!body.empty()) text += '\n' + body;
  if (body.find("Exit status") == std::string::npos) {
    text += '\n' + std::string(kPlainExitStatus);
  }
  text += "\nExample:\n  tavrune-lexicon " + std::string(command->example) + '\n';
  return text;
}

}  // namespace tavrune
