#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/word_collection.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using testing::TempFolder;

std::vector<std::string> Words(const WordCollection& c) {
  return std::vector<std::string>(c.begin(), c.end());
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

WordCollection Sorted(std::initializer_list<std::string_view> words) {
  WordCollection c;
  for (std::string_view w : words) c.Insert(w);
  return c;
}

TEST(WordCollectionTextTest, FrontCodedRoundTrip) {
  TempFolder folder;
  const std::string path = folder.File("words.txt");
  const WordCollection c = Sorted({"ABLY", "ABLE", "ABLER", "ZA", "ZA", "AB"});
  ASSERT_TRUE(c.SaveText(path, true));
  EXPECT_EQ(ReadAll(path), "AB\n2LE\n4R\n3Y\nZA\n2\n");
  WordCollection loaded;
  ASSERT_TRUE(loaded.LoadText(path, true));
  EXPECT_EQ(Words(loaded), Words(c));
  ASSERT_TRUE(c.SaveText(path, false));
  EXPECT_EQ(ReadAll(path), "AB\nABLE\nABLER\nABLY\nZA\nZA\n");
}

TEST(WordCollectionTextTest, FrontCodingNeverStartsARestWithADigit) {
  TempFolder folder;
  const std::string path = folder.File("digits.txt");
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  for (std::string_view w : {"A", "A5", "A5", "A5B"}) c.Append(w);
  ASSERT_TRUE(c.SaveText(path, true));
  EXPECT_EQ(ReadAll(path), "A\nA5\n2\n2B\n");
  WordCollection loaded;
  loaded.SetSortMode(false, SortKey::kAlphabetical, false);
  ASSERT_TRUE(loaded.LoadText(path, true));
  EXPECT_EQ(Words(loaded), Words(c));
  WriteAll(path, "AB 0 0C");  // "0" shares nothing and adds nothing
  WordCollection zero;
  ASSERT_TRUE(zero.LoadText(path, true));
  EXPECT_EQ(Words(zero), (std::vector<std::string>{"AB", "C"}));
}

TEST(WordCollectionTextTest, TokensOfAnyLayoutAndLength) {
  TempFolder folder;
  const std::string path = folder.File("in.txt");
  const std::string long_token(100, 'Q');
  WriteAll(path, "\xEF\xBB\xBF  CAT DOG\r\n\tEMU\n" + long_token + "\n99X\nZEBRA");
  WordCollection unsorted;
  unsorted.SetSortMode(false, SortKey::kAlphabetical, false);
  ASSERT_TRUE(unsorted.LoadText(path, false));
  EXPECT_EQ(Words(unsorted),
            (std::vector<std::string>{"CAT", "DOG", "EMU", std::string(64, 'Q'), "99X", "ZEBRA"}));
  // Front-coded, a shared count beyond the previous word takes all of it.
  WordCollection decoded;
  decoded.SetSortMode(false, SortKey::kAlphabetical, false);
  ASSERT_TRUE(decoded.LoadText(path, true));
  EXPECT_EQ(decoded.Word(4), std::string(64, 'Q'));  // "QQ..." + "X", cut at 64
  EXPECT_EQ(decoded.Word(5), "ZEBRA");

  WordCollection sorted;
  ASSERT_TRUE(sorted.LoadText(path, false));
  EXPECT_TRUE(sorted.IsInOrder());
  EXPECT_FALSE(sorted.LoadText(folder.File("missing.txt"), false));
  EXPECT_FALSE(sorted.LoadText(folder.path(), false));  // a folder cannot be read
  EXPECT_FALSE(sorted.SaveText(folder.File("no/such/folder.txt"), false));
}

TEST(WordCollectionTextTest, LoadingStopsAtTheLimit) {
  TempFolder folder;
  const std::string path = folder.File("big.txt");
  std::string text;
  for (int i = 0; i < WordCollection::kMaxWords + 10; ++i) text += "W" + std::to_string(i) + "\n";
  WriteAll(path, text);
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  EXPECT_TRUE(c.LoadText(path, false));
  EXPECT_EQ(c.Count(), WordCollection::kMaxWords);
  EXPECT_EQ(c.Word(WordCollection::kMaxWords - 1), "W63999");
}

// The record bytes of a word as stored, deciphered with a key stream.
std::string Decipher(const std::string& bytes, std::string_view key_stream) {
  std::string plain = bytes;
  for (size_t i = 0; i < plain.size(); ++i) plain[i] ^= key_stream[i % key_stream.size()];
  return plain;
}

TEST(WordCollectionArchiveTest, RecordsAreFrontCodedAndEnciphered) {
  const WordCollection c = Sorted({"ABLE", "ABLER", "ABLY"});
  std::ostringstream out;
  ASSERT_TRUE(c.WriteArchive(out, "Qm7;#x1!"));
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 4u + (2 + 4) + (2 + 2) + (2 + 2));
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\x00\x00\x00", 4));
  EXPECT_EQ(bytes.substr(4, 2), std::string("\x04\x00", 2));
  // "Qm7;" with each character's bits reversed.
  const std::string stream = "\x8A\xB6\xEC\xDC";
  EXPECT_EQ(Decipher(bytes.substr(6, 4), stream), "ABLE");
  EXPECT_EQ(Decipher(bytes.substr(12, 2), stream), "4R");  // the stream restarts per record
  EXPECT_EQ(Decipher(bytes.substr(16, 2), stream), "3Y");

  std::istringstream in(bytes);
  WordCollection read;
  ASSERT_TRUE(read.ReadArchive(in, "Qm7;#x1!"));
  EXPECT_EQ(Words(read), Words(c));
}

TEST(WordCollectionArchiveTest, EmptyKeyUsesTheDefault) {
  const WordCollection c = Sorted({"QI"});
  std::ostringstream with_default;
  std::ostringstream with_empty;
  ASSERT_TRUE(c.WriteArchive(with_default, WordCollection::kDefaultArchiveKey));
  ASSERT_TRUE(c.WriteArchive(with_empty));
  EXPECT_EQ(with_default.str(), with_empty.str());
  EXPECT_EQ(Decipher(with_empty.str().substr(6), "\x5A\x2E"), "QI");  // 'Z' and 't' reversed
}

TEST(WordCollectionArchiveTest, DamagedBlocksFailWithoutHarm) {
  const WordCollection c = Sorted({"ABLE", "ABLER", "ABLY", "ZA"});
  std::ostringstream out;
  ASSERT_TRUE(c.WriteArchive(out));
  const std::string good = out.str();
  const auto read = [](const std::string& bytes, WordCollection* into = nullptr) {
    std::istringstream in(bytes);
    WordCollection scratch;
    return (into != nullptr ? into : &scratch)->ReadArchive(in);
  };
  // Every truncation fails; the words before the cut stay.
  for (size_t size = 0; size < good.size(); ++size) {
    EXPECT_FALSE(read(good.substr(0, size))) << size;
  }
  WordCollection partial;
  EXPECT_FALSE(read(good.substr(0, good.size() - 1), &partial));
  EXPECT_EQ(Words(partial), (std::vector<std::string>{"ABLE", "ABLER", "ABLY"}));

  EXPECT_FALSE(read(std::string("\xFF\xFF\xFF\xFF", 4)));  // negative count
  std::string too_long = good;
  too_long[4] = 65;
  EXPECT_FALSE(read(too_long));
  std::string negative = good;
  negative[5] = '\x80';
  EXPECT_FALSE(read(negative));
  // A first record "4R": four characters of a previous word that is empty.
  const std::string stream = "\x5A\x2E\x2C\xD6";  // "Zt4k" reversed
  std::string prefix = std::string("\x01\x00\x00\x00\x02\x00", 6) + Decipher("4R", stream);
  EXPECT_FALSE(read(prefix));
  EXPECT_TRUE(read(std::string("\x00\x00\x00\x00", 4)));
}

TEST(WordCollectionArchiveTest, OverlongWordsAreNotWritten) {
  WordCollection c;
  c.Insert(std::string(65, 'A'));
  std::ostringstream out;
  EXPECT_FALSE(c.WriteArchive(out));
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace tavrune
