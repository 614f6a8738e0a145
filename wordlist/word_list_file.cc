#include "wordlist/word_list_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <vector>

#include "engine/byte_order.h"

namespace tavrune {
namespace {

// Texts grow by at most this much before their bytes are seen, so a length
// the file cannot back costs no more than this.
constexpr size_t kTextChunk = 64 * 1024;

bool ReadExactly(std::istream& in, char* bytes, size_t count) {
  in.read(bytes, static_cast<std::streamsize>(count));
  return static_cast<size_t>(in.gcount()) == count;
}

bool ReadInt32(std::istream& in, int32_t& value) {
  uint8_t raw[4];
  if (!ReadExactly(in, reinterpret_cast<char*>(raw), sizeof raw)) return false;
  value = static_cast<int32_t>(ReadLittleEndian32(raw));
  return true;
}

bool ReadLetter(std::istream& in, char& letter) { return ReadExactly(in, &letter, 1); }

bool ReadText(std::istream& in, std::string& text) {
  int32_t length = 0;
  if (!ReadInt32(in, length) || length < 0) return false;
  text.clear();
  const size_t wanted = static_cast<size_t>(length);
  while (text.size() < wanted) {
    const size_t start = text.size();
    const size_t chunk = std::min(kTextChunk, wanted - start);
    text.resize(start + chunk);
    if (!ReadExactly(in, text.data() + start, chunk)) return false;
  }
  return true;
}

bool AllListWords(const WordCollection& words) {
  return std::all_of(words.begin(), words.end(), IsListWord);
}

// One archive block into an empty collection kept in file order.
bool ReadWordBlock(std::istream& in, WordCollection& words, int* left_out = nullptr) {
  words.Clear();
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words.ReadArchive(in, kWordListKey, left_out) && AllListWords(words);
}

void PutInt32(std::ostream& out, int64_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(bits >> (8 * i)));
}

bool PutText(std::ostream& out, std::string_view text) {
  if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return false;
  PutInt32(out, static_cast<int64_t>(text.size()));
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return true;
}

}  // namespace

WordListFile::WordListFile() {
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  presentation.SetSortMode(false, SortKey::kAlphabetical, false);
}

bool IsListWord(std::string_view word) {
  if (word.empty() || word.size() > static_cast<size_t>(kMaxListWordLength)) return false;
  return std::all_of(word.begin(), word.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || c == '?'; });
}

WordListReadProgress ReadWordList(std::istream& in, bool with_presentation, WordListFile& file) {
  WordListReadProgress progress;
  progress.result = WordListReadResult::kNotWordList;
  int32_t magic = 0;
  if (!ReadInt32(in, magic) || static_cast<uint32_t>(magic) != kWordListMagic) return progress;

  progress.result = WordListReadResult::kDamaged;
  if (!ReadInt32(in, file.version) || !ReadText(in, file.description) ||
      !ReadText(in, file.notes)) {
    return progress;
  }

  ListSettings settings = file.settings;
  char anagram_order = 0;
  char list_type = 0;
  char hook_type = 0;
  char sort_order = 0;
  char sort_type = 0;
  int32_t front = 0;
  int32_t end = 0;
  if (!ReadLetter(in, anagram_order) || !ReadText(in, settings.user_order) ||
      !ReadText(in, settings.stem) || !ReadLetter(in, list_type) || !ReadLetter(in, hook_type) ||
      !ReadInt32(in, front) || !ReadInt32(in, end) || !ReadLetter(in, sort_order) ||
      !ReadLetter(in, sort_type)) {
    return progress;
  }
  file.has_build_limits = file.version > kLastVersionWithoutBuildLimits;
  if (file.has_build_limits) {
    int32_t minimum = 0;
    int32_t maximum = 0;
    if (!ReadInt32(in, minimum) || !ReadInt32(in, maximum)) return progress;
    settings.build_minimum = minimum;
    settings.build_maximum = maximum;
  }
  std::array<char, kWordListReservedBytes> reserved;
  if (!ReadExactly(in, reserved.data(), reserved.size())) return progress;

  settings.anagram_order = AnagramOrderFromLetter(anagram_order);
  settings.list_type = ListTypeFromLetter(list_type);
  settings.hook_type = HookTypeFromLetter(hook_type);
  settings.front_hook_letters = front;
  settings.end_hook_letters = end;
  settings.descending = DescendingFromLetter(sort_order);
  settings.sort_type = SortTypeFromLetter(sort_type);
  file.settings = Normalized(std::move(settings));
  progress.settings_read = true;

  if (!ReadWordBlock(in, file.words, &file.words_left_out) || !ReadInt32(in, file.current_index)) {
    return progress;
  }
  file.has_presentation = with_presentation && file.settings.sort_type == SortType::kRandom;
  if (file.has_presentation && !ReadWordBlock(in, file.presentation)) return progress;
  progress.result = WordListReadResult::kOk;
  return progress;
}

WordListReadProgress ReadWordListFile(const std::string& path, bool with_presentation,
                                      WordListFile& file) {
  WordListReadProgress progress;
  InputFile input;
  progress.file_status = input.Open(path, true);
  if (!progress.file_status.ok()) return progress;
  FileInputBuffer buffer(std::move(input), kMaxWordListBytes);
  std::istream in(&buffer);
  progress = ReadWordList(in, with_presentation, file);
  if (!buffer.status().ok()) {
    progress.result = WordListReadResult::kCannotOpen;
    progress.file_status = buffer.status();
  }
  return progress;
}

bool WriteWordList(std::ostream& out, std::string_view description, std::string_view notes,
                   const ListSettings& settings, const WordCollection& words, int32_t current_index,
                   const WordCollection* presentation) {
  const bool with_presentation = settings.sort_type == SortType::kRandom;
  if (with_presentation && presentation == nullptr) return false;
  PutInt32(out, kWordListMagic);
  PutInt32(out, kWordListVersion);
  if (!PutText(out, description) || !PutText(out, notes)) return false;
  out.put(AnagramOrderLetter(settings.anagram_order));
  if (!PutText(out, settings.user_order) || !PutText(out, settings.stem)) return false;
  out.put(ListTypeLetter(settings.list_type));
  out.put(HookTypeLetter(settings.hook_type));
  PutInt32(out, settings.front_hook_letters);
  PutInt32(out, settings.end_hook_letters);
  out.put(SortOrderLetter(settings.descending));
  out.put(SortTypeLetter(settings.sort_type));
  PutInt32(out, settings.build_minimum);
  PutInt32(out, settings.build_maximum);
  const std::array<char, kWordListReservedBytes> reserved = {};
  out.write(reserved.data(), reserved.size());
  if (!words.WriteArchive(out, kWordListKey)) return false;
  PutInt32(out, current_index);
  if (with_presentation && !presentation->WriteArchive(out, kWordListKey)) return false;
  return out.good();
}

FileStatus SaveWordListFile(const std::string& path, std::string_view description,
                            std::string_view notes, const ListSettings& settings,
                            const WordCollection& words, int32_t current_index,
                            const WordCollection* presentation) {
  std::ostringstream out(std::ios::binary);
  if (!WriteWordList(out, description, notes, settings, words, current_index, presentation)) {
    return FileStatus::Refused("a word is too long for a word-list file");
  }
  return WriteFileAtomically(path, std::move(out).str());
}

}  // namespace tavrune
