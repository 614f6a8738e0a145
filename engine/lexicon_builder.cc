#include "engine/lexicon_builder.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "engine/edge_layout.h"
#include "engine/lexicon.h"

namespace tavrune {
namespace {

constexpr int kNone = -1;

struct Arc {
  char letter;
  bool ends_word;
  int target;  // node index, kNone when the arc has no continuation
};

struct Node {
  std::vector<Arc> arcs;
};

// Incremental construction of the minimal acyclic automaton from sorted
// input: only the path of the previous word is ever unminimised, and each
// node leaving it is replaced by an equal registered node when there is one.
class GraphBuilder {
 public:
  GraphBuilder() { nodes_.emplace_back(); }

  // Words must come sorted and without duplicates.
  void Add(const std::string& word) {
    // Follow the previous word's path (always the last arcs) as far as the
    // new word shares it.
    int node = kRoot;
    size_t i = 0;
    while (i < word.size()) {
      const auto& arcs = nodes_[node].arcs;
      if (arcs.empty() || arcs.back().letter != word[i] || arcs.back().target == kNone) break;
      node = arcs.back().target;
      ++i;
    }
    Minimize(node);
    const auto& arcs = nodes_[node].arcs;
    if (i < word.size() && !arcs.empty() && arcs.back().letter == word[i]) {
      // The previous word ended on this arc and the new one continues it.
      const int target = NewNode();
      nodes_[node].arcs.back().target = target;
      node = target;
      ++i;
    }
    for (; i < word.size(); ++i) {
      const bool ends = i + 1 == word.size();
      const int target = ends ? kNone : NewNode();
      nodes_[node].arcs.push_back({word[i], ends, target});
      node = target;
    }
  }

  void Finish() { Minimize(kRoot); }

  // Lays the unique nodes out as sibling lists and returns the edge array.
  std::vector<uint32_t> Layout() const {
    std::vector<uint32_t> edges(2, 0);
    if (nodes_[kRoot].arcs.empty()) return edges;
    // Reverse post-order: every list lies after all the entries that lead
    // to it, so the loader checks the graph in one backward pass; and with
    // the children taken last to first, a list's first child follows it
    // closely, which keeps a word's lists near one another.
    std::vector<uint8_t> seen(nodes_.size(), 0);
    std::vector<int> post;
    std::vector<std::pair<int, size_t>> stack = {{kRoot, nodes_[kRoot].arcs.size()}};
    seen[kRoot] = 1;
    while (!stack.empty()) {
      auto& [n, left] = stack.back();
      if (left == 0) {
        post.push_back(n);
        stack.pop_back();
        continue;
      }
      const int target = nodes_[n].arcs[--left].target;
      if (target != kNone && !seen[target]) {
        seen[target] = 1;
        stack.emplace_back(target, nodes_[target].arcs.size());
      }
    }
    const std::vector<int> order(post.rbegin(), post.rend());
    std::vector<uint32_t> start(nodes_.size(), 0);
    uint32_t next = 2;
    for (int n : order) {
      start[n] = next;
      next += static_cast<uint32_t>(nodes_[n].arcs.size());
    }
    edges.resize(next, 0);
    edges[1] = start[kRoot];
    for (int n : order) {
      const auto& arcs = nodes_[n].arcs;
      for (size_t k = 0; k < arcs.size(); ++k) {
        const uint32_t child = arcs[k].target == kNone ? 0 : start[arcs[k].target];
        edges[start[n] + k] =
            EdgeLayout::Make(arcs[k].letter, child, arcs[k].ends_word, k + 1 == arcs.size());
      }
    }
    return edges;
  }

 private:
  static constexpr int kRoot = 0;

  int NewNode() {
    if (!free_.empty()) {
      const int n = free_.back();
      free_.pop_back();
      nodes_[n].arcs.clear();
      return n;
    }
    nodes_.emplace_back();
    return static_cast<int>(nodes_.size()) - 1;
  }

  std::string Signature(const Node& node) const {
    std::string key;
    key.reserve(node.arcs.size() * 6);
    for (const Arc& a : node.arcs) {
      key += a.letter;
      key += a.ends_word ? '1' : '0';
      key.append(reinterpret_cast<const char*>(&a.target), sizeof a.target);
    }
    return key;
  }

  // Minimises the chain of last arcs below `node`, deepest first.
  void Minimize(int node) {
    if (nodes_[node].arcs.empty()) return;
    Arc& last = nodes_[node].arcs.back();
    if (last.target == kNone) return;
    const int child = last.target;
    Minimize(child);
    std::string key = Signature(nodes_[child]);
    auto [it, inserted] = register_.try_emplace(std::move(key), child);
    if (!inserted) {
      nodes_[node].arcs.back().target = it->second;
      free_.push_back(child);
    }
  }

  std::vector<Node> nodes_;
  std::vector<int> free_;
  std::unordered_map<std::string, int> register_;
};

void CopyText(char* out, size_t size, const std::string& text) {
  std::memset(out, 0, size);
  std::memcpy(out, text.data(), std::min(text.size(), size - 1));
}

}  // namespace

void LexiconBuilder::SetName(std::string_view name) {
  name_ = std::string(name.substr(0, kMaxNameLength));
}

void LexiconBuilder::SetDescription(std::string_view description) {
  description_ = std::string(description.substr(0, kMaxDescriptionLength));
}

bool LexiconBuilder::AddWord(std::string_view word) {
  if (word.empty() || word.size() > kMaxWordLength) {
    ++rejected_;
    return false;
  }
  std::string upper(word);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') {
      ++rejected_;
      return false;
    }
  }
  words_.push_back(std::move(upper));
  return true;
}

std::vector<uint8_t> LexiconBuilder::Build(size_t* word_count) const {
  std::vector<std::string> words = words_;
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  GraphBuilder graph;
  for (const std::string& w : words) graph.Add(w);
  graph.Finish();
  const std::vector<uint32_t> edges = graph.Layout();

  LexiconHeader header;
  header.edge_offset = LexiconHeader::kSize;
  header.edge_count = static_cast<uint32_t>(edges.size());
  CopyText(header.name, sizeof header.name, name_);
  CopyText(header.description, sizeof header.description, description_);
  header.word_count = static_cast<int32_t>(words.size());

  std::vector<uint8_t> bytes(LexiconHeader::kSize + edges.size() * 4);
  header.ToBytes(std::span<uint8_t, LexiconHeader::kSize>(bytes.data(), LexiconHeader::kSize));
  uint8_t* out = bytes.data() + LexiconHeader::kSize;
  for (uint32_t e : edges) {
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<uint8_t>(e >> shift);
  }
  if (word_count != nullptr) *word_count = words.size();
  return bytes;
}

FileStatus LexiconBuilder::WriteFile(const std::string& path, size_t* word_count) const {
  const std::vector<uint8_t> bytes = Build(word_count);
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace tavrune
