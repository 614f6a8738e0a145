#include "print/print_job.h"

#include <algorithm>

#include "print/header_footer.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

inline constexpr int kAddingSymbolsText = 40068;

std::string UpperCase(std::string_view word) {
  std::string upper(word);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// Alphagrams and racks are not words, so they carry no source mark.
bool MainWordsTakeMarks(const MTavruneDoc& doc) {
  const ListType type = doc.GetListType();
  return type != ListType::kAnagrams && type != ListType::kAnagramsAndHooks &&
         type != ListType::kBuild;
}

}  // namespace

PrintJob::PrintJob(MTavruneDoc& doc) : doc_(doc), answers_(doc) {}

void PrintJob::Start() {
  answers_.Reset();
  content_ = PrintContent();
  word_marks_.clear();
  answer_marks_.clear();
}

bool PrintJob::Step(int& percent) { return answers_.Step(percent); }

void PrintJob::PrepareAll() {
  Start();
  int percent = 0;
  while (!Step(percent)) {
  }
  Finish();
}

void PrintJob::Finish() {
  const std::vector<size_t>& offsets = answers_.Answers().EntryOffsets();
  content_.answer_offsets = offsets.empty() ? std::vector<size_t>{0} : offsets;
  content_.hooks = doc_.GetListType() == ListType::kAnagramsAndHooks;
  const Dictionary& dictionary = doc_.GetDictionary();
  content_.answer_marks = dictionary.UseSymbols();
  content_.word_marks =
      dictionary.UseSymbols() && dictionary.UseSymbolsForMainWord() && MainWordsTakeMarks(doc_);

  const WordCollection& entries = doc_.Entries();
  const int entry_count = content_.EntryCount();
  for (int i = 0; i < entry_count && i < entries.Count(); ++i) {
    content_.longest_word =
        std::max(content_.longest_word, static_cast<int>(entries.Word(i).size()));
  }
  const size_t answer_count = content_.answer_offsets.back();
  for (size_t i = 0; i < answer_count; ++i) {
    const std::string_view line = answers_.Answers().Answer(i);
    if (!content_.hooks) {
      content_.longest_answer = std::max(content_.longest_answer, static_cast<int>(line.size()));
      continue;
    }
    const AnswerLineParts parts = SplitAnswerLine(line);
    content_.longest_front = std::max(content_.longest_front, static_cast<int>(parts.front.size()));
    content_.longest_answer =
        std::max(content_.longest_answer, static_cast<int>(parts.anagram.size()));
    content_.longest_end = std::max(content_.longest_end, static_cast<int>(parts.end.size()));
  }

  if (!content_.answer_marks) return;
  UserPrompt& prompt = doc_.Prompt();
  prompt.SetStatusText(kAddingSymbolsText);
  if (content_.word_marks) {
    word_marks_.reserve(static_cast<size_t>(entry_count));
    for (int i = 0; i < entry_count; ++i) word_marks_.push_back(Mark(entries.Word(i)));
  }
  // Answers may outnumber what a word collection holds, so marks are kept
  // in a plain vector beside the document's answers.
  answer_marks_.reserve(answer_count);
  for (size_t i = 0; i < answer_count; ++i) {
    const std::string_view line = answers_.Answers().Answer(i);
    answer_marks_.push_back(
        Mark(content_.hooks ? std::string_view(SplitAnswerLine(line).anagram) : line));
  }
  prompt.SetStatusText(kIdleText);
}

std::string PrintJob::Mark(std::string_view word) const {
  SourceSymbol symbol = doc_.WordSourceSymbol(word);
  // Letters a blank supplied are lower case; the word is still a word.
  if (!symbol.found) symbol = doc_.WordSourceSymbol(UpperCase(word));
  return symbol.found ? symbol.symbol : std::string(" ");
}

std::string PrintJob::WordText(int entry) const {
  const WordCollection& entries = doc_.Entries();
  if (entry < 0 || entry >= entries.Count()) return {};
  std::string text(entries.Word(entry));
  if (static_cast<size_t>(entry) < word_marks_.size())
    text += word_marks_[static_cast<size_t>(entry)];
  return text;
}

AnswerLineParts PrintJob::Answer(long long index) const {
  if (index < 0) return {};
  const std::string_view line = answers_.Answers().Answer(static_cast<size_t>(index));
  AnswerLineParts parts;
  if (content_.hooks) {
    parts = SplitAnswerLine(line);
  } else {
    parts.anagram = std::string(line);
  }
  if (static_cast<size_t>(index) < answer_marks_.size()) {
    parts.anagram += answer_marks_[static_cast<size_t>(index)];
  }
  return parts;
}

std::string PrintJob::Caption() const {
  return PrintCaption(doc_.Title(), ShownDescription(doc_.Description()));
}

}  // namespace tavrune
