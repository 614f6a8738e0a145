#include "engine/lexicon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/generators.h"
#include "engine/word_collection.h"
#include "engine/word_walk.h"
#include "tests/support/file_faults.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using testing::MakeLexicon;

// A lexicon file from raw parts, for the layouts a builder would never make.
std::vector<uint8_t> RawFile(const std::vector<uint32_t>& edges, uint32_t edge_offset = 64,
                             uint32_t claimed_count = UINT32_MAX) {
  LexiconHeader header;
  header.edge_offset = edge_offset;
  header.edge_count = claimed_count == UINT32_MAX ? edges.size() : claimed_count;
  std::strcpy(header.name, "Raw");
  std::strcpy(header.description, "hand made");
  header.word_count = 1;
  std::vector<uint8_t> bytes(edge_offset + edges.size() * 4, 0xEE);
  header.ToBytes(std::span<uint8_t, 64>(bytes.data(), 64));
  for (size_t i = 0; i < edges.size(); ++i) std::memcpy(&bytes[edge_offset + i * 4], &edges[i], 4);
  testing::KeepFuzzSeed(
      "lexicon_fuzz", std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return bytes;
}

// An entry packed as docs/lexicon-format.md documents it, for graphs a
// builder would never make.
constexpr uint32_t kLastOfList = 1u << 31;
constexpr uint32_t Packed(char letter, uint32_t child, bool ends_word, bool last) {
  return child | uint32_t{static_cast<unsigned char>(letter)} << 22 | uint32_t{ends_word} << 30 |
         (last ? kLastOfList : 0);
}

// The entries of a file as LexiconBuilder lays it out.
std::vector<uint32_t> EdgesOf(const std::vector<uint8_t>& bytes) {
  std::vector<uint32_t> edges((bytes.size() - 64) / 4);
  std::memcpy(edges.data(), bytes.data() + 64, edges.size() * 4);
  return edges;
}

// The graph of the single word A.
std::vector<uint32_t> OnlyA() {
  LexiconBuilder builder;
  builder.AddWord("A");
  return EdgesOf(builder.Build());
}

// 64 two-letter lists A, B, each ending words and leading to the next: 584
// bytes that spell 2^65 - 2 words.
std::vector<uint32_t> DoublingGraph() {
  std::vector<uint32_t> edges = {0, 2};
  for (uint32_t k = 0; k < 64; ++k) {
    const uint32_t next = k + 1 < 64 ? 2 + 2 * (k + 1) : 0;
    edges.push_back(Packed('A', next, true, false));
    edges.push_back(Packed('B', next, true, true));
  }
  return edges;
}

TEST(LexiconLoadTest, NewLexiconIsEmptyWithDefaultOffset) {
  Lexicon lexicon;
  EXPECT_EQ(lexicon.EdgeCount(), 0u);
  EXPECT_FALSE(lexicon.IsLoaded());
  EXPECT_EQ(lexicon.Header().edge_offset, 64u);
  EXPECT_FALSE(lexicon.Contains("A"));
  EXPECT_EQ(lexicon.FrontHooks("A"), "");
  EXPECT_EQ(lexicon.HookLine("CAT"), " CAT");
}

TEST(LexiconLoadTest, ArraysOfZeroOrOneEntryAreValidAndEmpty) {
  for (const auto& edges : {std::vector<uint32_t>{}, std::vector<uint32_t>{0}}) {
    Lexicon lexicon;
    EXPECT_TRUE(lexicon.LoadBytes(RawFile(edges)));
    EXPECT_EQ(lexicon.EdgeCount(), edges.size());
    EXPECT_FALSE(lexicon.IsLoaded());
    EXPECT_FALSE(lexicon.Contains("A"));
  }
}

TEST(LexiconLoadTest, OneLetterWordA) {
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadBytes(RawFile(OnlyA())));
  EXPECT_TRUE(lexicon.Contains("A"));
  EXPECT_FALSE(lexicon.Contains("AA"));
  EXPECT_FALSE(lexicon.Contains("B"));
  EXPECT_EQ(lexicon.Header().Name(), "Raw");
}

TEST(LexiconLoadTest, EdgesAreReadFromTheirOffset) {
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadBytes(RawFile(OnlyA(), /*edge_offset=*/100)));
  EXPECT_TRUE(lexicon.Contains("A"));
  EXPECT_EQ(lexicon.Header().edge_offset, 100u);
}

TEST(LexiconLoadTest, LoadsFromAnOpenFileAndByName) {
  testing::TempFolder dir;
  const std::string path = dir.File("x.TVD");
  testing::WriteBytes(path, RawFile(OnlyA()));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::fseek(file, 10, SEEK_SET);  // Load reads from the start whatever the position
  Lexicon from_file(file);
  std::fclose(file);
  EXPECT_TRUE(from_file.Contains("A"));

  Lexicon by_name;
  EXPECT_TRUE(by_name.LoadFile(path));
  EXPECT_TRUE(by_name.Contains("A"));
  EXPECT_FALSE(by_name.LoadFile(dir.File("missing.TVD")));
  EXPECT_EQ(by_name.EdgeCount(), 0u);
}

// A file that cannot be read is told apart from a damaged one, by reason.
TEST(LexiconLoadTest, ReadErrorsAreToldApartFromDamage) {
  testing::TempFolder dir;
  const std::string path = dir.File("x.TVD");
  testing::WriteBytes(path, RawFile(OnlyA()));
  Lexicon lexicon;
  FileStatus status;
  EXPECT_FALSE(lexicon.LoadFile(dir.path(), &status));
  EXPECT_EQ(status.error(), EISDIR);
  EXPECT_FALSE(lexicon.LoadFile(dir.File("missing.TVD"), &status));
  EXPECT_EQ(status.error(), ENOENT);
  {
    testing::FileFaults faults;
    faults.FailReads(EIO);
    EXPECT_FALSE(lexicon.LoadFile(path, &status));
    EXPECT_EQ(status.error(), EIO);
  }
  testing::WriteBytes(dir.File("short.TVD"), std::vector<uint8_t>(40, 0));
  EXPECT_FALSE(lexicon.LoadFile(dir.File("short.TVD"), &status));
  EXPECT_TRUE(status.ok());
  EXPECT_FALSE(lexicon.IsLoaded());
}

TEST(LexiconLoadTest, RefusesDamagedFilesAndIsLeftEmpty) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<uint8_t> short_header(40, 0);
  std::vector<uint8_t> truncated = RawFile(OnlyA());
  truncated.pop_back();
  std::vector<uint8_t> far_offset = RawFile(OnlyA());
  far_offset[1] = 0x10;  // edges said to start at 4160
  std::vector<uint32_t> far_root = OnlyA();
  far_root[1] = 7;
  const std::vector<Case> cases = {
      {"shorter than a header", short_header},
      {"edges cut short", truncated},
      {"edge count beyond the file", RawFile(OnlyA(), 64, 1000)},
      {"edge offset beyond the file", far_offset},
      {"huge edge count", RawFile(OnlyA(), 64, 0xFFFFFFFF - 1)},
      {"root beyond the array", RawFile(far_root)},
      {"child beyond the array", RawFile({0, 2, Packed('A', 9, true, true)})},
      {"child pointing at the root entry", RawFile({0, 2, Packed('A', 1, true, true)})},
      {"last list without end", RawFile({0, 2, Packed('A', 0, true, false)})},
      {"cycle", RawFile({0, 2, Packed('A', 2, true, true)})},
      {"cycle through siblings",
       RawFile({0, 2, Packed('A', 3, false, false), Packed('B', 2, true, true)})},
      {"letter outside A-Z", RawFile({0, 2, Packed('a', 0, true, true)})},
      {"astronomically many words", RawFile(DoublingGraph())},
  };
  for (const Case& c : cases) {
    Lexicon lexicon;
    ASSERT_TRUE(lexicon.LoadBytes(RawFile(OnlyA())));
    EXPECT_FALSE(lexicon.LoadBytes(c.bytes)) << c.what;
    EXPECT_EQ(lexicon.EdgeCount(), 0u) << c.what;
    EXPECT_FALSE(lexicon.Contains("A")) << c.what;
  }
}

TEST(LexiconLoadTest, DepthLimit) {
  // A chain of n letters: A -> A -> ... with the last one ending a word.
  auto chain = [](int n) {
    std::vector<uint32_t> edges = {0, 2};
    for (int i = 0; i < n; ++i) {
      const bool last_letter = i + 1 == n;
      edges.push_back(Packed('A', last_letter ? 0 : 3 + i, last_letter, true));
    }
    return edges;
  };
  Lexicon lexicon;
  EXPECT_TRUE(lexicon.LoadBytes(RawFile(chain(kMaxGraphDepth))));
  EXPECT_TRUE(lexicon.Contains(std::string(kMaxGraphDepth, 'A')));
  EXPECT_TRUE(lexicon.FrontHooks(std::string(kMaxGraphDepth - 1, 'A')) == "A");
  EXPECT_FALSE(lexicon.LoadBytes(RawFile(chain(kMaxGraphDepth + 1))));
}

std::vector<std::string> AllWords(const Lexicon& lexicon) {
  std::vector<std::string> words;
  VisitWords(lexicon, [&](std::string_view w) { words.emplace_back(w); });
  return words;
}

std::vector<std::string> Matches(const Lexicon& lexicon, std::string_view pattern) {
  WordCollection found;
  PatternMatches(lexicon, pattern, found);
  return std::vector<std::string>(found.begin(), found.end());
}

// Any file of the layout must work, whatever order its lists are in: every
// route that stops at the first later letter must still find every word.
TEST(LexiconSortTest, ListsInReverseOrderFindEveryWord) {
  std::mt19937 random(7);
  std::vector<std::string> words;
  LexiconBuilder builder;
  for (int i = 0; i < 504; ++i) {
    std::string w(3 + random() % 5, 'A');
    for (char& c : w) c = static_cast<char>('A' + random() % 8);
    if (builder.AddWord(w)) words.push_back(w);
  }
  const std::vector<uint8_t> bytes = builder.Build();
  std::vector<uint32_t> edges = EdgesOf(bytes);
  for (size_t start = 2, i = 2; i < edges.size(); ++i) {
    if ((edges[i] & kLastOfList) == 0) continue;
    edges[i] &= ~kLastOfList;
    std::reverse(edges.begin() + start, edges.begin() + i + 1);
    edges[i] |= kLastOfList;
    start = i + 1;
  }
  Lexicon sorted;
  ASSERT_TRUE(sorted.LoadBytes(bytes));
  Lexicon reversed;
  ASSERT_TRUE(reversed.LoadBytes(RawFile(edges)));
  for (const std::string& w : words) {
    EXPECT_TRUE(reversed.Contains(w)) << w;
    EXPECT_EQ(reversed.HookLine(w), sorted.HookLine(w)) << w;
  }
  EXPECT_EQ(AllWords(reversed), AllWords(sorted));
  for (const char* pattern : {"AB*", "?C??", "*H", "[A-C]*D*"}) {
    EXPECT_EQ(Matches(reversed, pattern), Matches(sorted, pattern)) << pattern;
  }
}

// A list may be the tail of a longer one; both come out alphabetical.
TEST(LexiconSortTest, ListsSharingATailAreSortedApart) {
  // Root: D -> [Y C A], B (a word) -> [C A], the tail of D's list.
  const std::vector<uint32_t> edges = {
      0,
      2,
      Packed('D', 4, false, false),
      Packed('B', 5, true, true),
      Packed('Y', 0, true, false),
      Packed('C', 0, true, false),
      Packed('A', 0, true, true),
  };
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadBytes(RawFile(edges)));
  EXPECT_EQ(AllWords(lexicon), (std::vector<std::string>{"B", "BA", "BC", "DA", "DC", "DY"}));
  for (const char* w : {"B", "BA", "BC", "DA", "DC", "DY"}) EXPECT_TRUE(lexicon.Contains(w)) << w;
  EXPECT_FALSE(lexicon.Contains("BY"));
  EXPECT_EQ(lexicon.FrontHooks("A"), "BD");
}

TEST(LexiconContainsTest, Lookups) {
  const Lexicon lexicon = MakeLexicon({"CAT", "CATS", "SCAT", "CATTLE", "A"});
  EXPECT_TRUE(lexicon.Contains("CAT"));
  EXPECT_TRUE(lexicon.Contains("A"));
  EXPECT_TRUE(lexicon.Contains("CATTLE"));
  EXPECT_FALSE(lexicon.Contains(""));
  EXPECT_FALSE(lexicon.Contains("CATT"));   // prefix of a word only
  EXPECT_FALSE(lexicon.Contains("CATSS"));  // runs past the graph
  EXPECT_FALSE(lexicon.Contains("cat"));    // blanks never match
  EXPECT_FALSE(lexicon.Contains("CA?"));
  EXPECT_FALSE(lexicon.Contains(std::string(200, 'C')));
}

TEST(LexiconHooksTest, HookLines) {
  const Lexicon lexicon = MakeLexicon({"AT", "CAT", "HAT", "CATS", "CATE", "ZZZ"});
  EXPECT_EQ(lexicon.FrontHooks("AT"), "CH");
  EXPECT_EQ(lexicon.EndHooks("CAT"), "ES");
  EXPECT_EQ(lexicon.HookLine("AT"), "CH AT");
  EXPECT_EQ(lexicon.HookLine("CAT"), " CAT ES");
  EXPECT_EQ(lexicon.HookLine("ZZZ"), " ZZZ");
  EXPECT_EQ(lexicon.HookLine("QQQQ"), " QQQQ");
  EXPECT_EQ(lexicon.EndHooks(std::string(500, 'C')), "");
}

TEST(LexiconHeaderTest, TextsAreBoundedAndFormatted) {
  std::vector<uint8_t> bytes(64, 'X');  // no terminators at all
  LexiconHeader header = LexiconHeader::FromBytes(std::span<const uint8_t, 64>(bytes.data(), 64));
  EXPECT_EQ(header.Name().size(), 31u);
  EXPECT_EQ(header.Description().size(), 19u);

  header = LexiconHeader();
  std::strcpy(header.name, "British");
  std::strcpy(header.description, "sowpods less US");
  header.word_count = 264135;
  EXPECT_EQ(DescriptionLine(header), "British, sowpods less US, 264135 words");
  EXPECT_EQ(StatusPaneText(header), "British: sowpods less US");

  std::vector<uint8_t> round(64);
  header.ToBytes(std::span<uint8_t, 64>(round.data(), 64));
  const LexiconHeader back =
      LexiconHeader::FromBytes(std::span<const uint8_t, 64>(round.data(), 64));
  EXPECT_EQ(DescriptionLine(back), DescriptionLine(header));
}

}  // namespace
}  // namespace tavrune
