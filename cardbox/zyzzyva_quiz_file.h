#ifndef TAVRUNE_CARDBOX_ZYZZYVA_QUIZ_FILE_H_
#define TAVRUNE_CARDBOX_ZYZZYVA_QUIZ_FILE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cardbox/card.h"
#include "cardbox/cardbox_status.h"

namespace tavrune {

// The quiz databases of Zyzzyva, the study program most players come from:
// one SQLite file per lexicon and quiz type, named after the type
// (Anagrams.db, Hooks.db, ...), with the table
//   questions (question varchar(16), correct integer, incorrect integer,
//              streak integer, last_correct integer, difficulty integer,
//              cardbox integer, next_scheduled integer)
// holding Unix seconds; a NULL cardbox means the question is not in its
// cardbox.

struct QuizFileCounts {
  int64_t cards = 0;           // rows read as cards
  int64_t not_in_cardbox = 0;  // rows with a NULL cardbox
  int64_t skipped = 0;         // rows whose question is no question here
};

// The kind a quiz file's name stands for: Anagrams.db, Hooks.db,
// "Anagrams with Hooks.db" and Build.db, in any case, or the kind names of
// the command line.
std::optional<CardKind> QuizFileKind(const std::string& path);
// The file name Zyzzyva gives a kind's quiz file, which QuizFileKind reads
// back: "Anagrams.db", "Anagrams with Hooks.db".
std::string QuizFileName(CardKind kind);

// The cardbox rows of the quiz file at `path` as cards of `deck`, added at
// `now`. A file that is no database or lacks the table is refused.
CardboxStatus ReadQuizFile(const std::string& path, const Deck& deck, int64_t now,
                           std::vector<Card>* cards, QuizFileCounts* counts);

// Writes `cards` as a quiz file at `path`. The rows of a quiz file already
// there are kept, those of the same questions updated (their difficulty
// stays); a file there that is no quiz file is refused. The old file is
// replaced only once the new one is complete.
CardboxStatus WriteQuizFile(const std::string& path, const std::vector<Card>& cards);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_ZYZZYVA_QUIZ_FILE_H_
