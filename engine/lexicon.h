#ifndef TAVRUNE_ENGINE_LEXICON_H_
#define TAVRUNE_ENGINE_LEXICON_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_io.h"

namespace tavrune {

class AnagramIndex;

// Longest path of letters a loaded graph may hold; walks size their buffers
// from it, and the loader refuses deeper graphs.
inline constexpr int kMaxGraphDepth = 64;
// Most graph entries a walk of every word may visit (each entry once per
// path that reaches it). Shared lists let a few hundred bytes spell 2^64
// words; the loader refuses a graph past this, which bounds every walk.
inline constexpr uint32_t kMaxWalkSteps = uint32_t{1} << 26;

// The 64-byte header at the start of every lexicon file.
struct LexiconHeader {
  static constexpr size_t kSize = 64;
  static constexpr size_t kNameSize = 32;
  static constexpr size_t kDescriptionSize = 20;

  uint32_t edge_offset = kSize;
  uint32_t edge_count = 0;
  char name[kNameSize] = {};
  char description[kDescriptionSize] = {};
  int32_t word_count = 0;

  // Reads the little-endian layout; the texts are always terminated.
  static LexiconHeader FromBytes(std::span<const uint8_t, kSize> bytes);
  void ToBytes(std::span<uint8_t, kSize> bytes) const;

  std::string_view Name() const;
  std::string_view Description() const;
};

// "name, description, N words", the line shown for a lexicon in About boxes.
std::string DescriptionLine(const LexiconHeader& header);
// "name: description", the status-bar text of the current lexicon.
std::string StatusPaneText(const LexiconHeader& header);

// One entry of the word graph as the walks see it: a letter, whether the
// letters up to it spell a word, and the list of letters that may follow.
class GraphEdge {
 public:
  constexpr GraphEdge() = default;
  constexpr char letter() const { return static_cast<char>((bits_ >> kLetterShift) & 0xFF); }
  constexpr bool ends_word() const { return (bits_ & kEndOfWord) != 0; }
  // The list below, 0 when no word continues past this letter.
  constexpr uint32_t child() const { return bits_ & kChildMask; }
  // Whether this is the last entry of its list.
  constexpr bool last() const { return (bits_ & kLast) != 0; }

 private:
  // How an entry is packed is known to the lexicon, which hands its entries
  // out, and to EdgeLayout (engine/edge_layout.h), the loader's and the
  // builder's view of the stored bits; to no one else.
  friend class Lexicon;
  friend struct EdgeLayout;

  static constexpr uint32_t kChildMask = 0x3FFFFF;
  static constexpr int kLetterShift = 22;
  static constexpr uint32_t kEndOfWord = 1u << 30;
  static constexpr uint32_t kLast = 1u << 31;

  constexpr explicit GraphEdge(uint32_t bits) : bits_(bits) {}

  uint32_t bits_ = 0;
};

// What a walk visitor decides for one entry: skip it and all below it,
// visit it without going below, or go below too. Leave is called for every
// entry that was not skipped.
enum class WalkStep : uint8_t { kSkip, kStay, kBelow };

// What a reader says of a file that was read whole and refused as a lexicon.
inline constexpr const char* kDamagedLexiconReason = "not a valid lexicon file";

// One lexicon file in memory: its header and its edge array, used as stored.
class Lexicon {
 public:
  Lexicon() = default;
  // Loads at once from an open file (see Load).
  explicit Lexicon(std::FILE* file);

  // Replaces the content with the lexicon in `file`, read from its start.
  // A file that is truncated or whose graph is inconsistent (indexes out of
  // range, a list without end, a cycle, a path deeper than kMaxGraphDepth,
  // a letter outside A-Z, more than kMaxWalkSteps entries on the walk of
  // all its words) is refused: the lexicon is left empty and false is
  // returned. The caller keeps and closes the file. Lists whose letters are
  // not in A-Z order are sorted.
  bool Load(std::FILE* file);
  // The same from an open input file. On failure `read_status`, when
  // given, holds why the file could not be read, and stays ok for a file
  // that was read whole and refused.
  bool Load(InputFile& file, FileStatus* read_status = nullptr);
  // The same from a file name (a regular file); `read_status` also tells
  // why it could not be opened.
  bool LoadFile(const std::string& path, FileStatus* read_status = nullptr);
  // The same from the bytes of a whole file.
  bool LoadBytes(std::span<const uint8_t> bytes);

  // 0 until loaded; includes the two reserved entries.
  uint32_t EdgeCount() const { return static_cast<uint32_t>(edges_.size()); }
  bool IsLoaded() const { return edges_.size() > 1; }
  // Entries a walk of every word visits, at most kMaxWalkSteps; at least
  // the number of words.
  uint32_t WalkSteps() const { return walk_steps_; }
  LexiconHeader Header() const { return header_; }

  bool Contains(std::string_view word) const;
  // The letters that make a word in front of / after `word`, alphabetically.
  std::string FrontHooks(std::string_view word) const;
  std::string EndHooks(std::string_view word) const;
  // Front hooks, a space, the word, and a space and end hooks when any.
  std::string HookLine(std::string_view word) const;

  // The words grouped by their letters, or null while it does not pay:
  // building it costs a walk of every word (tens of milliseconds), which a
  // single question never earns back, so the first few calls get null and
  // a later one builds it; `build` builds it at once, for a caller that
  // will ask many questions. Kept until the next load; copies share it.
  const AnagramIndex* WordsByLetters(bool build = false) const;
  // For each entry, the letters of it, of the entries after it in its list
  // and of the words below them (bit 0 for 'A'): at a list's first entry,
  // every letter of the words below the list, so a walk can leave a list
  // that lacks a letter it needs. Built in one backward pass when `build`
  // asks for it (about a millisecond, worth it for walks that spread over
  // the whole graph), else empty until then; kept until the next load.
  // Never built for a graph whose lists do not lie after their entries.
  std::span<const uint32_t> LettersBelow(bool build) const;

  // The word graph. A list is named by the index of its first entry; 0 is
  // no list. Every walk goes through these and GraphEdge, so no walk knows
  // how an entry is stored.
  //
  // The list of first letters, 0 when there is none.
  uint32_t RootList() const { return IsLoaded() ? Entry(1).child() : 0; }
  GraphEdge Entry(uint32_t i) const { return GraphEdge(edges_[i]); }
  // The entry of `letter` in `list`, 0 when the list has none. The loader
  // leaves every list alphabetical, so the scan stops at the first later
  // letter.
  uint32_t Follow(uint32_t list, char letter) const {
    if (list == 0) return 0;
    for (uint32_t i = list;; ++i) {
      const GraphEdge e = Entry(i);
      if (e.letter() == letter) return i;
      if (e.letter() > letter || e.last()) return 0;
    }
  }
  // The entry of the last of `letters` followed from the root, 0 when the
  // graph does not hold them (or `letters` is empty).
  uint32_t FollowPrefix(std::string_view letters) const;

  // Depth-first over the entries of `list` and below, in graph order (so a
  // word comes before its extensions), with `depth` the number of letters
  // above `list`. The visitor has
  //   WalkStep Enter(GraphEdge edge, int depth);
  //   void Leave(GraphEdge edge, int depth);  // unless Enter gave kSkip
  //   bool Stopped() const;                   // checked after every entry
  // and keeps its own letters; nothing is allocated. The loader bounds the
  // depth by kMaxGraphDepth.
  template <typename Visitor>
  void Walk(uint32_t list, int depth, Visitor& visitor) const {
    if (list == 0) return;
    for (uint32_t i = list;; ++i) {
      const GraphEdge e(edges_[i]);
      const WalkStep step = visitor.Enter(e, depth);
      if (step != WalkStep::kSkip) {
        if (step == WalkStep::kBelow && e.child() != 0) Walk(e.child(), depth + 1, visitor);
        visitor.Leave(e, depth);
      }
      if (e.last() || visitor.Stopped()) return;
    }
  }

 private:
  void Clear();
  bool Accept(const LexiconHeader& header, std::vector<uint32_t> edges);
  // Sorts every list of a valid graph; false when the sorted graph would
  // not fit the child index.
  static bool SortLists(std::vector<uint32_t>& edges);

  LexiconHeader header_;
  std::vector<uint32_t> edges_;
  uint32_t walk_steps_ = 0;
  mutable std::shared_ptr<const AnagramIndex> words_by_letters_;
  mutable int words_by_letters_asked_ = 0;
  mutable std::shared_ptr<const std::vector<uint32_t>> letters_below_;
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LEXICON_H_
