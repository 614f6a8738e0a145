#include "engine/lexicon_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

void WriteLexicon(const std::string& path, const char* name, const char* description,
                  std::initializer_list<const char*> words) {
  LexiconBuilder builder;
  builder.SetName(name);
  builder.SetDescription(description);
  for (const char* w : words) builder.AddWord(w);
  ASSERT_TRUE(builder.WriteFile(path));
}

TEST(LexiconIdTest, NormalisationAndSlots) {
  EXPECT_EQ(NormalizeLexiconId(0), LexiconId::kUK);
  EXPECT_EQ(NormalizeLexiconId(1), LexiconId::kNA);
  EXPECT_EQ(NormalizeLexiconId(3), LexiconId::kFR);
  EXPECT_EQ(NormalizeLexiconId(4), LexiconId::kNAF);
  EXPECT_EQ(NormalizeLexiconId(5), LexiconId::kUKNA);
  EXPECT_EQ(NormalizeLexiconId(-1), LexiconId::kUKNA);
  EXPECT_EQ(NormalizeLexiconId(1LL << 40), LexiconId::kUKNA);
  EXPECT_EQ(SlotForNumber(2), LexiconId::kUKNA);
  EXPECT_EQ(SlotForNumber(7), LexiconId::kNA);
  EXPECT_EQ(SlotForNumber(-3), LexiconId::kNA);
  EXPECT_EQ(LexiconFileName(LexiconId::kNAF), "Lexicons/NAF.TVD");
}

TEST(LexiconDirectoryTest, FindsPresentFilesAndReadsTheirHeaders) {
  testing::TempFolder dir;
  std::filesystem::create_directory(dir.File("Lexicons"));
  WriteLexicon(dir.File("Lexicons/UKNA.TVD"), "Both", "mixed", {"AA", "QI"});
  WriteLexicon(dir.File("Lexicons/FR.TVD"), "French", "mots", {"OUI"});
  WriteLexicon(dir.File("Lexicons/NA.TVD"), "American", "us", {"COLOR"});
  WriteLexicon(dir.File("Lexicons/uk.tvd"), "Wrong case", "", {"X"});  // names are exact

  for (const std::string& folder : {dir.path(), dir.path() + "/"}) {
    const LexiconDirectory found = LexiconDirectory::Discover(folder);
    EXPECT_TRUE(found.AnyPresent());
    EXPECT_TRUE(found.Present(LexiconId::kUKNA));
    EXPECT_TRUE(found.Present(LexiconId::kFR));
    EXPECT_TRUE(found.Present(LexiconId::kNA));
    EXPECT_FALSE(found.Present(LexiconId::kUK));
    EXPECT_FALSE(found.Present(LexiconId::kNAF));
    EXPECT_EQ(found.PathOf(LexiconId::kFR), dir.path() + "/Lexicons/FR.TVD");
    EXPECT_EQ(found.Header(LexiconId::kUKNA).word_count, 2);
    EXPECT_EQ(found.AboutText(),
              "American, us, 1 words\nBoth, mixed, 2 words\nFrench, mots, 1 words");
  }
}

TEST(LexiconDirectoryTest, NoLexiconFolder) {
  testing::TempFolder dir;
  const LexiconDirectory found = LexiconDirectory::Discover(dir.path());
  EXPECT_FALSE(found.AnyPresent());
  EXPECT_EQ(found.AboutText(), "");
}

TEST(LexiconDirectoryTest, UnreadableFileIsPresentWithAnEmptyHeader) {
  testing::TempFolder dir;
  std::filesystem::create_directories(dir.File("Lexicons/UK.TVD"));  // a folder, not a file
  const LexiconDirectory found = LexiconDirectory::Discover(dir.path());
  EXPECT_TRUE(found.Present(LexiconId::kUK));
  EXPECT_EQ(found.Header(LexiconId::kUK).word_count, 0);
  Lexicon lexicon;
  EXPECT_FALSE(lexicon.LoadFile(found.PathOf(LexiconId::kUK)));
}

}  // namespace
}  // namespace tavrune
