#ifndef TAVRUNE_PRINT_PRINT_JOB_H_
#define TAVRUNE_PRINT_PRINT_JOB_H_

#include <string>
#include <string_view>
#include <vector>

#include "print/print_answers.h"
#include "print/print_layout.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The printable texts of a list: every entry's answers are collected a few
// entries per step, so the caller can keep its window alive
// between steps; Finish then adds the word-source marks and measures the
// longest texts. The document must not change while a job is in use.
class PrintJob {
 public:
  explicit PrintJob(MTavruneDoc& doc);

  // Throws away an earlier preparation.
  void Start();
  // One step; `percent` receives how far the answers are. True when done.
  bool Step(int& percent);
  // After the last step. Shows "Adding symbols to words..." while marking.
  void Finish();
  // Start, every step and Finish in one go.
  void PrepareAll();

  const PrintContent& Content() const { return content_; }
  // The main word of an entry, with its mark when main words are marked.
  std::string WordText(int entry) const;
  // An answer, with its mark; with hooks split into front hooks, word (the
  // mark after it) and end hooks, otherwise all of it in `anagram`.
  AnswerLineParts Answer(long long index) const;
  // What \F prints.
  std::string Caption() const;

 private:
  std::string Mark(std::string_view word) const;

  MTavruneDoc& doc_;
  PrintAnswers answers_;
  PrintContent content_;
  std::vector<std::string> word_marks_;
  std::vector<std::string> answer_marks_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_PRINT_JOB_H_
