#include "engine/lexicon.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "engine/anagram_index.h"
#include "engine/byte_order.h"
#include "engine/edge_layout.h"

namespace tavrune {
namespace {

std::string_view BoundedText(const char* text, size_t size) {
  return std::string_view(text, strnlen(text, size));
}

// The edges as stored are little-endian; swap them on a big-endian host.
void FixByteOrder(std::vector<uint32_t>& edges) {
  if constexpr (std::endian::native == std::endian::big) {
    for (uint32_t& e : edges) e = __builtin_bswap32(e);
  }
}

bool EdgesFitFile(const LexiconHeader& header, uint64_t file_size) {
  const uint64_t end = uint64_t{header.edge_offset} + uint64_t{header.edge_count} * 4;
  return file_size >= LexiconHeader::kSize && end <= file_size;
}

}  // namespace

LexiconHeader LexiconHeader::FromBytes(std::span<const uint8_t, kSize> bytes) {
  LexiconHeader h;
  h.edge_offset = ReadLittleEndian32(bytes.data());
  h.edge_count = ReadLittleEndian32(bytes.data() + 4);
  std::memcpy(h.name, bytes.data() + 8, kNameSize);
  std::memcpy(h.description, bytes.data() + 40, kDescriptionSize);
  h.name[kNameSize - 1] = '\0';
  h.description[kDescriptionSize - 1] = '\0';
  h.word_count = static_cast<int32_t>(ReadLittleEndian32(bytes.data() + 60));
  return h;
}

void LexiconHeader::ToBytes(std::span<uint8_t, kSize> bytes) const {
  WriteLittleEndian32(bytes.data(), edge_offset);
  WriteLittleEndian32(bytes.data() + 4, edge_count);
  std::memcpy(bytes.data() + 8, name, kNameSize);
  std::memcpy(bytes.data() + 40, description, kDescriptionSize);
  WriteLittleEndian32(bytes.data() + 60, static_cast<uint32_t>(word_count));
}

std::string_view LexiconHeader::Name() const { return BoundedText(name, kNameSize); }

std::string_view LexiconHeader::Description() const {
  return BoundedText(description, kDescriptionSize);
}

std::string DescriptionLine(const LexiconHeader& header) {
  std::string line(header.Name());
  line += ", ";
  line += header.Description();
  line += ", ";
  line += std::to_string(header.word_count);
  line += " words";
  return line;
}

std::string StatusPaneText(const LexiconHeader& header) {
  std::string text(header.Name());
  text += ": ";
  text += header.Description();
  return text;
}

namespace {

// The layout every builder writes: each list lies after the entries that
// lead to it. Then one backward pass sees an entry's child list and next
// sibling before the entry itself, so no cycle is possible and depths and
// walk counts come in order. Any surprise returns nothing, and the general
// check decides. The same pass tells whether every list is alphabetical.
std::optional<uint32_t> ValidateForwardGraph(std::span<const uint32_t> edges, uint32_t root,
                                             bool& lists_in_order) {
  const size_t n = edges.size();
  // Depth (high half) and walk count (low half) of the list from each
  // entry on, packed so that reading a child's costs one memory access.
  auto facts = std::make_unique_for_overwrite<uint64_t[]>(n);
  facts[0] = 0;
  constexpr uint64_t kSaturated = uint64_t{kMaxWalkSteps} + 1;
  char next_letter = 0;  // of entry i + 1
  bool out_of_order = false;
  for (size_t i = n - 1; i >= 2; --i) {
    const uint32_t e = edges[i];
    const uint32_t child = EdgeLayout::Child(e);
    const char letter = EdgeLayout::Letter(e);
    const bool last = EdgeLayout::IsLast(e);
    if (letter < 'A' || letter > 'Z' || (child != 0 && (child <= i || child >= n)) ||
        (!last && i + 1 >= n)) {
      return std::nullopt;
    }
    const uint64_t below = facts[child];
    uint64_t d = (below >> 32) + 1;
    uint64_t s = (below & 0xFFFFFFFF) + 1;
    if (!last) {
      const uint64_t next = facts[i + 1];
      d = std::max(d, next >> 32);
      s += next & 0xFFFFFFFF;
    }
    if (d > kMaxGraphDepth) return std::nullopt;
    facts[i] = (d << 32) | std::min(s, kSaturated);
    // Without a branch: whether an entry closes its list is no pattern.
    out_of_order |= (letter > next_letter) & !last;
    next_letter = letter;
  }
  const uint64_t steps = facts[root] & 0xFFFFFFFF;
  if (steps > kMaxWalkSteps) return std::nullopt;
  lists_in_order = !out_of_order;
  return static_cast<uint32_t>(steps);
}

// Checks that a graph can be walked safely: every child index is in range,
// every list reachable from the root ends inside the array, the graph is
// acyclic with no path longer than kMaxGraphDepth letters, every reachable
// edge carries a letter A-Z, and a walk of every word visits at most
// kMaxWalkSteps entries. One linear pass; returns that number of entries,
// or nothing for a graph that fails. `lists_in_order` tells whether every
// list is alphabetical.
std::optional<uint32_t> ValidateGraph(std::span<const uint32_t> edges, bool& lists_in_order) {
  const size_t n = edges.size();
  lists_in_order = true;
  if (n <= 1) return 0;
  if (const uint32_t root = EdgeLayout::Child(edges[1]); root > 1 && root < n) {
    if (const auto steps = ValidateForwardGraph(edges, root, lists_in_order)) return steps;
  }
  for (size_t i = 2; i + 1 < n; ++i) {
    if (!EdgeLayout::IsLast(edges[i]) &&
        EdgeLayout::Letter(edges[i]) > EdgeLayout::Letter(edges[i + 1])) {
      lists_in_order = false;
    }
  }

  // Index of the last entry that closes a list: a list starting after it
  // would run off the end of the array.
  size_t last_closer = 0;
  for (size_t i = 2; i < n; ++i) {
    const uint32_t child = EdgeLayout::Child(edges[i]);
    if (child == 1 || child >= n) return std::nullopt;
    if (EdgeLayout::IsLast(edges[i])) last_closer = i;
  }
  const uint32_t root = EdgeLayout::Child(edges[1]);
  if (root == 0) return 0;
  if (root == 1 || root >= n) return std::nullopt;

  // Depth-first over "entry i leads to its child list and, unless it closes
  // its list, to entry i + 1"; gray entries on the path reveal a cycle. On
  // the way back each entry learns its depth and how many entries a walk
  // from it visits; shared lists make that count grow exponentially with
  // the file's size, so it saturates just past the limit.
  enum : uint8_t { kUnseen, kOpen, kDone };
  std::vector<uint8_t> state(n, kUnseen);
  std::vector<uint8_t> depth(n, 0);
  std::vector<uint32_t> steps(n, 0);
  std::vector<uint32_t> stack;
  stack.push_back(root);
  while (!stack.empty()) {
    const uint32_t i = stack.back();
    const uint32_t e = edges[i];
    const uint32_t child = EdgeLayout::Child(e);
    const uint32_t next = i + 1;
    if (state[i] == kDone) {
      stack.pop_back();
      continue;
    }
    if (state[i] == kUnseen) {
      const char letter = EdgeLayout::Letter(e);
      if (letter < 'A' || letter > 'Z' || i > last_closer) return std::nullopt;
      state[i] = kOpen;
      if (child != 0 && state[child] != kDone) {
        if (state[child] == kOpen) return std::nullopt;
        stack.push_back(child);
      }
      if (!EdgeLayout::IsLast(e) && state[next] != kDone) {
        if (state[next] == kOpen) return std::nullopt;
        stack.push_back(next);
      }
      continue;
    }
    int d = 1 + (child != 0 ? depth[child] : 0);
    uint64_t s = 1 + uint64_t{child != 0 ? steps[child] : 0};
    if (!EdgeLayout::IsLast(e)) {
      d = std::max<int>(d, depth[next]);
      s += steps[next];
    }
    if (d > kMaxGraphDepth) return std::nullopt;
    depth[i] = static_cast<uint8_t>(d);
    steps[i] = static_cast<uint32_t>(std::min<uint64_t>(s, uint64_t{kMaxWalkSteps} + 1));
    state[i] = kDone;
    stack.pop_back();
  }
  if (steps[root] > kMaxWalkSteps) return std::nullopt;
  return steps[root];
}

// Puts the entries of one list in A-Z order. Stable, so of two entries with
// one letter the one a scan met first still comes first.
void SortList(uint32_t* first, uint32_t* end) {
  for (uint32_t* e = first; e != end; ++e) *e &= ~EdgeLayout::kLast;
  std::stable_sort(first, end, [](uint32_t a, uint32_t b) {
    return EdgeLayout::Letter(a) < EdgeLayout::Letter(b);
  });
  end[-1] |= EdgeLayout::kLast;
}

}  // namespace

// A file whose lists are not alphabetical would make every search that stops
// at the first later letter miss words; its lists are sorted once here. A
// list may be the tail of a longer one (a child pointing into the middle of
// a run): the innermost tail is sorted in place and each longer list that
// holds it gets a sorted copy at the end of the array.
bool Lexicon::SortLists(std::vector<uint32_t>& edges) {
  const size_t n = edges.size();
  std::vector<uint8_t> is_head(n, 0);
  for (size_t i = 1; i < n; ++i) {
    if (const uint32_t child = EdgeLayout::Child(edges[i]); child != 0) is_head[child] = 1;
  }
  std::vector<uint32_t> moved(n, 0);
  std::vector<uint32_t> heads;
  size_t run_start = 2;
  for (size_t i = 2; i < n; ++i) {
    if (!EdgeLayout::IsLast(edges[i])) continue;
    heads.clear();
    for (size_t h = run_start; h <= i; ++h) {
      if (is_head[h]) heads.push_back(static_cast<uint32_t>(h));
    }
    run_start = i + 1;
    if (heads.empty()) continue;
    for (size_t k = 0; k + 1 < heads.size(); ++k) {
      const size_t copy = edges.size();
      if (copy + (i + 1 - heads[k]) > size_t{EdgeLayout::kChildMask} + 1) return false;
      edges.insert(edges.end(), edges.begin() + heads[k], edges.begin() + i + 1);
      SortList(edges.data() + copy, edges.data() + edges.size());
      moved[heads[k]] = static_cast<uint32_t>(copy);
    }
    SortList(edges.data() + heads.back(), edges.data() + i + 1);
  }
  for (size_t i = 1; i < edges.size(); ++i) {
    const uint32_t child = EdgeLayout::Child(edges[i]);
    if (child != 0 && moved[child] != 0) {
      edges[i] = (edges[i] & ~EdgeLayout::kChildMask) | moved[child];
    }
  }
  return true;
}

Lexicon::Lexicon(std::FILE* file) { Load(file); }

void Lexicon::Clear() {
  edges_.clear();
  edges_.shrink_to_fit();
  header_ = LexiconHeader();
  walk_steps_ = 0;
  words_by_letters_.reset();
  words_by_letters_asked_ = 0;
  letters_below_.reset();
}

const AnagramIndex* Lexicon::WordsByLetters(bool build) const {
  // Asked this often, a session is looking up racks in earnest.
  constexpr int kAskedBeforeBuilding = 4;
  if (words_by_letters_ == nullptr &&
      (build || ++words_by_letters_asked_ >= kAskedBeforeBuilding)) {
    words_by_letters_ = std::make_shared<const AnagramIndex>(*this);
  }
  return words_by_letters_.get();
}

std::span<const uint32_t> Lexicon::LettersBelow(bool build) const {
  if (letters_below_ == nullptr && build) {
    auto below = std::make_shared<std::vector<uint32_t>>(edges_.size(), 0);
    for (size_t i = edges_.size(); i-- > 2;) {
      const uint32_t e = edges_[i];
      const uint32_t child = EdgeLayout::Child(e);
      if (child != 0 && child <= i) {
        below->clear();
        break;
      }
      // Entries no walk reaches were never checked by the loader.
      const char letter = EdgeLayout::Letter(e);
      uint32_t letters = letter >= 'A' && letter <= 'Z' ? 1u << (letter - 'A') : 0;
      if (child != 0) letters |= (*below)[child];
      if (!EdgeLayout::IsLast(e) && i + 1 < edges_.size()) letters |= (*below)[i + 1];
      (*below)[i] = letters;
    }
    letters_below_ = std::move(below);
  }
  if (letters_below_ == nullptr) return {};
  return *letters_below_;
}

bool Lexicon::Accept(const LexiconHeader& header, std::vector<uint32_t> edges) {
  FixByteOrder(edges);
  bool lists_in_order = true;
  const std::optional<uint32_t> steps = ValidateGraph(edges, lists_in_order);
  if (!steps || (!lists_in_order && !SortLists(edges))) return false;
  header_ = header;
  walk_steps_ = *steps;
  edges_ = std::move(edges);
  return true;
}

bool Lexicon::Load(std::FILE* file) {
  Clear();
  if (file == nullptr || std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;

  uint8_t raw[LexiconHeader::kSize];
  if (std::fread(raw, 1, sizeof raw, file) != sizeof raw) return false;
  const LexiconHeader header = LexiconHeader::FromBytes(raw);
  if (!EdgesFitFile(header, static_cast<uint64_t>(size))) return false;

  std::vector<uint32_t> edges(header.edge_count);
  if (std::fseek(file, static_cast<long>(header.edge_offset), SEEK_SET) != 0) return false;
  if (std::fread(edges.data(), 4, edges.size(), file) != edges.size()) return false;
  return Accept(header, std::move(edges));
}

bool Lexicon::Load(InputFile& file, FileStatus* read_status) {
  Clear();
  uint8_t raw[LexiconHeader::kSize];
  size_t got = 0;
  FileStatus status = file.Seek(0);
  if (status.ok()) status = file.ReadFull(raw, sizeof raw, got);
  std::optional<LexiconHeader> header;
  if (status.ok() && got == sizeof raw) header = LexiconHeader::FromBytes(raw);
  if (header && !EdgesFitFile(*header, file.Size())) header.reset();
  std::vector<uint32_t> edges;
  if (header) {
    edges.resize(header->edge_count);
    status = file.Seek(header->edge_offset);
    if (status.ok()) status = file.ReadFull(edges.data(), edges.size() * 4, got);
    // A file that shrank while it was read is as damaged as a short one.
    if (got != edges.size() * 4) header.reset();
  }
  if (read_status != nullptr) *read_status = status;
  return status.ok() && header && Accept(*header, std::move(edges));
}

bool Lexicon::LoadFile(const std::string& path, FileStatus* read_status) {
  InputFile file;
  const FileStatus opened = file.Open(path, true);
  if (!opened.ok()) {
    Clear();
    if (read_status != nullptr) *read_status = opened;
    return false;
  }
  return Load(file, read_status);
}

bool Lexicon::LoadBytes(std::span<const uint8_t> bytes) {
  Clear();
  if (bytes.size() < LexiconHeader::kSize) return false;
  const LexiconHeader header = LexiconHeader::FromBytes(bytes.first<LexiconHeader::kSize>());
  if (!EdgesFitFile(header, bytes.size())) return false;
  std::vector<uint32_t> edges(header.edge_count);
  if (!edges.empty()) {
    std::memcpy(edges.data(), bytes.data() + header.edge_offset, edges.size() * 4);
  }
  return Accept(header, std::move(edges));
}

uint32_t Lexicon::FollowPrefix(std::string_view letters) const {
  uint32_t list = RootList();
  uint32_t found = 0;
  for (char c : letters) {
    found = Follow(list, c);
    if (found == 0) return 0;
    list = Entry(found).child();
  }
  return found;
}

bool Lexicon::Contains(std::string_view word) const {
  const uint32_t found = FollowPrefix(word);
  return found != 0 && Entry(found).ends_word();
}

std::string Lexicon::FrontHooks(std::string_view word) const {
  std::string hooks;
  if (!IsLoaded() || word.size() >= kMaxGraphDepth) return hooks;
  char buffer[kMaxGraphDepth + 1];
  std::memcpy(buffer + 1, word.data(), word.size());
  const std::string_view candidate(buffer, word.size() + 1);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    buffer[0] = letter;
    if (Contains(candidate)) hooks += letter;
  }
  return hooks;
}

std::string Lexicon::EndHooks(std::string_view word) const {
  std::string hooks;
  if (!IsLoaded() || word.size() >= kMaxGraphDepth) return hooks;
  char buffer[kMaxGraphDepth + 1];
  std::memcpy(buffer, word.data(), word.size());
  const std::string_view candidate(buffer, word.size() + 1);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    buffer[word.size()] = letter;
    if (Contains(candidate)) hooks += letter;
  }
  return hooks;
}

std::string Lexicon::HookLine(std::string_view word) const {
  std::string line = FrontHooks(word);
  line += ' ';
  line += word;
  const std::string end = EndHooks(word);
  if (!end.empty()) {
    line += ' ';
    line += end;
  }
  return line;
}

}  // namespace tavrune
