#ifndef TAVRUNE_WORDLIST_WORD_LIST_FILE_H_
#define TAVRUNE_WORDLIST_WORD_LIST_FILE_H_

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "engine/file_io.h"
#include "engine/word_collection.h"
#include "wordlist/list_settings.h"

namespace tavrune {

// The binary word-list file (".tvr"): magic, version, description, notes,
// the list settings as code letters and numbers, 20 reserved bytes, the
// master words as enciphered front-coded archive records, the current entry
// and, for a Random list, the presentation list in its shuffled order.
// All integers are little-endian.
inline constexpr uint32_t kWordListMagic = 0xBEEFCAFE;
inline constexpr int32_t kWordListVersion = 31;
// Files of this version and older carry no build limits.
inline constexpr int32_t kLastVersionWithoutBuildLimits = 20;
inline constexpr std::string_view kWordListKey = "Qm7;#x1!";
inline constexpr int kWordListReservedBytes = 20;
// The longest word a list may hold.
inline constexpr int kMaxListWordLength = 15;

// What a word-list file holds.
struct WordListFile {
  int32_t version = kWordListVersion;
  std::string description;
  std::string notes;
  ListSettings settings;
  // False for files of version 20 and older: settings.build_minimum and
  // build_maximum then keep whatever they held.
  bool has_build_limits = true;
  // In file order (insertion order).
  WordCollection words;
  int32_t current_index = 0;
  // Only read when asked for and the sort type is Random.
  bool has_presentation = false;
  WordCollection presentation;
  // Words of the file beyond what a collection holds, dropped.
  int words_left_out = 0;

  WordListFile();
};

enum class WordListReadResult {
  kOk,
  kCannotOpen,   // the file cannot be opened or read
  kNotWordList,  // the first four bytes are not the magic
  kDamaged,      // short, or holding what no writer produces
};

// Where reading stopped, for callers that apply what they got.
struct WordListReadProgress {
  WordListReadResult result = WordListReadResult::kCannotOpen;
  // The settings block (fields up to the reserved bytes) was read whole.
  bool settings_read = false;
  // Why the file could not be opened or read (kCannotOpen).
  FileStatus file_status;
};

// Reads a word-list file into `file` (whose settings keep their values where
// the file has none). The presentation block is read only when
// `with_presentation` and the sort type is Random.
//
// Reading is defensive: a negative text length or one beyond the rest of the
// file, a record longer than 64 bytes, a front-coded record that shares more
// than the previous word holds, and a word that is empty, longer than 15
// characters or holds anything but A-Z and '?' make the file damaged; no
// more is allocated than the file has shown to hold. Numbers are brought
// into their dialog ranges and the stem to its letters.
WordListReadProgress ReadWordList(std::istream& in, bool with_presentation, WordListFile& file);
// The same from a regular file of at most kMaxWordListBytes; a read error
// is kCannotOpen, whatever was read before it.
WordListReadProgress ReadWordListFile(const std::string& path, bool with_presentation,
                                      WordListFile& file);

// Writes the current version: every field, the build limits included, then
// the presentation block when the sort type is Random (`presentation` must
// then be given). False when a word is longer than the archive allows or the
// stream fails.
bool WriteWordList(std::ostream& out, std::string_view description, std::string_view notes,
                   const ListSettings& settings, const WordCollection& words, int32_t current_index,
                   const WordCollection* presentation);

// The same into a file with WriteFileAtomically. A word the archive cannot
// hold fails before the file is touched.
FileStatus SaveWordListFile(const std::string& path, std::string_view description,
                            std::string_view notes, const ListSettings& settings,
                            const WordCollection& words, int32_t current_index,
                            const WordCollection* presentation);

// A word a list may hold: 1 to 15 characters of A-Z and '?'.
bool IsListWord(std::string_view word);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_WORD_LIST_FILE_H_
