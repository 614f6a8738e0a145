#include "wordlist/list_import.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "tests/support/file_faults.h"
#include "tests/support/fuzz_seed.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune::testing {
namespace {

namespace text = wordlist_text;
using Answer = UserPrompt::Answer;
using Strings = std::vector<std::string>;

// The n-th four-letter word of AAAA, AAAB, ... in order.
std::string Nth(int n) {
  std::string word = "AAAA";
  for (int p = 3; p >= 0; --p, n /= 26)
    word[static_cast<size_t>(p)] = static_cast<char>('A' + n % 26);
  return word;
}

WordCollection Sequence(int first, int count) {
  WordCollection words = Words({});
  for (int i = 0; i < count; ++i) words.Append(Nth(first + i));
  return words;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ImportTest : public DocTest {
 protected:
  std::string WriteText(const std::string& name, const std::string& content) {
    const std::string path = folder_.File(name);
    std::ofstream(path, std::ios::binary) << content;
    testing::KeepFuzzSeed("text_tokens_fuzz", content);
    return path;
  }

  // A list of every word from Nth(0), `room` short of full.
  MTavruneDoc& NearlyFullList(int room) {
    MTavruneDoc& doc = MakeDoc();
    doc.MergeWords(Sequence(0, MTavruneDoc::kMaxWords - room));
    views_.hints.clear();
    prompt_.Clear();
    return doc;
  }

  TempFolder folder_;
};

TEST_F(ImportTest, TextTokensAreCheckedCountedAndMerged) {
  MTavruneDoc& doc = MakeList({"ACT"});
  doc.SetModifiedFlag(false);
  const std::string path = WriteText("a.txt", "cat DOG do-g\n\tQ?Z ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(ImportTextFile(doc, path), 3);
  EXPECT_EQ(Master(), (Strings{"ACT", "CAT", "DOG", "Q?Z"}));
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kWordsNotImported}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{"2"}));
  EXPECT_EQ(MessageText(40027, {"2"}).substr(0, 29), "2 words will NOT be imported.");
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(prompt_.wait_depth, 0);
}

TEST_F(ImportTest, OneRejectedTokenHasItsOwnMessage) {
  MTavruneDoc& doc = MakeDoc();
  EXPECT_EQ(ImportTextFile(doc, WriteText("a.txt", "toe\nsixteenlettersxx\n")), 1);
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kWordNotImported}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{"1"}));
}

TEST_F(ImportTest, ImportingTheSameWordsAgainKeepsOneCopy) {
  MTavruneDoc& doc = MakeDoc();
  // The second file as another editor saves it: with a byte-order mark.
  const std::string path = WriteText("a.txt", "cat act CAT\ntoe");
  const std::string marked = WriteText("b.txt",
                                       "\xEF\xBB\xBF"
                                       "cat\r\nact\r\n");
  EXPECT_EQ(ImportTextFile(doc, path), 3);
  EXPECT_EQ(ImportTextFile(doc, path), 0);
  EXPECT_EQ(ImportTextFile(doc, marked), 0);
  EXPECT_EQ(Master(), (Strings{"ACT", "CAT", "TOE"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ImportTest, OddTextFilesLoseNothingAndReadNoFurtherThanTheyEnd) {
  MTavruneDoc& doc = MakeDoc();
  // Binary bytes around words, a 100-character run that splits before a
  // word, and no line end at the end.
  std::string content("\x00\xff\x01 cat\r\nt\x00oe\n", 14);
  content += std::string(100, 'x') + "OE \xc3\xa9t\xc3\xa9 ta";
  EXPECT_EQ(ImportTextFile(doc, WriteText("odd.txt", content)), 3);
  EXPECT_EQ(Master(), (Strings{"CAT", "OE", "TA"}));
  ASSERT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kWordsNotImported}));
  // "\0\xff\x01", "t\0oe", the 100 x's and the accented word.
  EXPECT_EQ(prompt_.messages[0].args, (Strings{"4"}));
}

TEST_F(ImportTest, FiftyMegabytesOfBinaryWithOneLineAndNoLineEnd) {
  MTavruneDoc& doc = MakeList({"ACT"});
  // Bytes of every value but the white-space ones, so every 100 bytes make
  // one rejected token, and a word at the very end.
  std::string content(50 << 20, '\0');
  uint32_t state = 1;
  for (char& c : content) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
    if (c == ' ' || (c >= '\t' && c <= '\r')) c = 'x';
  }
  content += " toe";
  EXPECT_EQ(ImportTextFile(doc, WriteText("huge.txt", content)), 1);
  EXPECT_EQ(Master(), (Strings{"ACT", "TOE"}));
  ASSERT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kWordsNotImported}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{std::to_string((50 << 20) / 100)}));
}

// Whatever fails, from opening to the last byte, is told with the file and
// the reason (40004), and the list stays as it was.
TEST_F(ImportTest, UnreadableTextFilesChangeNothing) {
  MTavruneDoc& doc = MakeList({"ACT"});
  doc.SetModifiedFlag(false);
  const std::string words = WriteText("words.txt", "cat dog toe");
  const std::string big = WriteText("big.txt", "");
  std::filesystem::resize_file(big, kMaxWordListBytes + 1);
  struct Case {
    std::string path;
    std::string reason;
    int failing_read = 0;
  };
  const std::vector<Case> cases = {
      {folder_.File("missing.txt"), "No such file or directory"},
      {folder_.path(), "Is a directory"},
      {"/dev/zero", "not a regular file"},
      {"/proc/self/mem", "Input/output error"},  // a regular file that cannot be read
      {big, "the file is larger than 256 MB"},
      {words, "Input/output error", EIO},
  };
  for (const Case& c : cases) {
    prompt_.Clear();
    FileFaults faults;
    if (c.failing_read != 0) faults.FailReads(c.failing_read);
    EXPECT_EQ(ImportTextFile(doc, c.path), 0) << c.path;
    EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kCannotOpenFile})) << c.path;
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].args, (Strings{c.path, c.reason}));
  }
  EXPECT_EQ(MessageText(text::kCannotOpenFile, {words, "Input/output error"}),
            MessageText(text::kCannotOpenFile) + "\n\n" + words + ": Input/output error");
  EXPECT_EQ(Master(), (Strings{"ACT"}));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(views_.hints.empty());
}

TEST_F(ImportTest, MergeUpToTheLimitAsksNothing) {
  MTavruneDoc& doc = NearlyFullList(10);
  EXPECT_EQ(doc.MergeWords(Sequence(MTavruneDoc::kMaxWords - 10, 10)), 10);
  EXPECT_TRUE(prompt_.questions.empty());
  EXPECT_EQ(doc.MasterWords().Count(), MTavruneDoc::kMaxWords);
}

TEST_F(ImportTest, MergeOverTheLimitAsksAndTakesTheFirstThatFit) {
  MTavruneDoc& doc = NearlyFullList(10);
  // Twenty new words, listed backwards: the first ten in this order fit.
  WordCollection more = Words({});
  for (int i = 19; i >= 0; --i) more.Append(Nth(MTavruneDoc::kMaxWords + i));
  prompt_.Script({Answer::kNo, Answer::kYes});
  EXPECT_EQ(doc.MergeWords(more), 0);
  EXPECT_EQ(doc.MasterWords().Count(), MTavruneDoc::kMaxWords - 10);
  EXPECT_TRUE(views_.hints.empty());
  EXPECT_EQ(doc.MergeWords(more), 10);
  ASSERT_EQ(prompt_.QuestionIds(), (std::vector<int>{text::kMergeLimit, text::kMergeLimit}));
  EXPECT_EQ(prompt_.questions[1].args, (Strings{"10"}));
  EXPECT_TRUE(doc.MasterWords().Contains(Nth(MTavruneDoc::kMaxWords + 19)));
  EXPECT_TRUE(doc.MasterWords().Contains(Nth(MTavruneDoc::kMaxWords + 10)));
  EXPECT_FALSE(doc.MasterWords().Contains(Nth(MTavruneDoc::kMaxWords + 9)));
  EXPECT_TRUE(doc.MasterWords().IsInOrder());
}

TEST_F(ImportTest, WordsTheListHasTakeNoRoomNearTheLimit) {
  MTavruneDoc& doc = NearlyFullList(10);
  // Ten words the list has, then ten new ones: all of them fit.
  WordCollection more = Sequence(0, 10);
  more.AppendAll(Sequence(MTavruneDoc::kMaxWords, 10));
  EXPECT_EQ(doc.MergeWords(more), 10);
  EXPECT_TRUE(prompt_.questions.empty());
  EXPECT_EQ(doc.MasterWords().Count(), MTavruneDoc::kMaxWords);
}

TEST_F(ImportTest, TextWithMoreNewWordsThanAListHoldsAsks) {
  MTavruneDoc& doc = MakeDoc();
  std::string content;
  for (int i = 0; i < MTavruneDoc::kMaxWords + 500; ++i) content += Nth(i) + "\n";
  const std::string path = WriteText("big.txt", content);
  prompt_.Script({Answer::kNo, Answer::kYes});
  EXPECT_EQ(ImportTextFile(doc, path), 0);
  EXPECT_TRUE(doc.MasterWords().IsEmpty());
  EXPECT_EQ(ImportTextFile(doc, path), MTavruneDoc::kMaxWords);
  ASSERT_EQ(prompt_.QuestionIds(), (std::vector<int>{text::kMergeLimit, text::kMergeLimit}));
  EXPECT_EQ(prompt_.questions[0].args, (Strings{"64000"}));
  EXPECT_EQ(doc.MasterWords().Word(MTavruneDoc::kMaxWords - 1), Nth(MTavruneDoc::kMaxWords - 1));
  // A full list asks again, with room for none.
  prompt_.Script({Answer::kYes});
  EXPECT_EQ(ImportTextFile(doc, WriteText("one.txt", "ZZZZZ")), 0);
  EXPECT_EQ(prompt_.questions.back().args, (Strings{"0"}));
}

TEST_F(ImportTest, ListFileImportTakesOnlyTheWords) {
  MTavruneDoc& other = MakeList({"CAT", "TOE", "OATS"}, ListType::kHooks);
  other.SetDescription("other list");
  const std::string path = folder_.File("other.tvr");
  ASSERT_TRUE(other.OnSaveDocument(path));

  MTavruneDoc& doc = MakeList({"ACT", "CAT"}, ListType::kAnagrams);
  EXPECT_EQ(ImportListFile(doc, path), 2);
  EXPECT_EQ(Master(), (Strings{"ACT", "CAT", "OATS", "TOE"}));
  EXPECT_EQ(doc.GetListType(), ListType::kAnagrams);
  EXPECT_EQ(doc.Description(), "");
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
}

TEST_F(ImportTest, UnreadableListFilesChangeNothing) {
  MTavruneDoc& doc = MakeList({"ACT"});
  doc.SetModifiedFlag(false);
  EXPECT_EQ(ImportListFile(doc, folder_.File("missing.tvr")), 0);
  const std::string text_file = WriteText("words.tvr", "CAT DOG");
  EXPECT_EQ(ImportListFile(doc, text_file), 0);
  EXPECT_EQ(prompt_.MessageIds(),
            (std::vector<int>{text::kCannotOpenFile, text::kNotWordListFile}));
  EXPECT_EQ(prompt_.messages[1].args, (Strings{text_file}));
  EXPECT_EQ(Master(), (Strings{"ACT"}));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImportTest, CustomizedWordsReplaceTheList) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT", "TOE"});
  doc.DeleteCurrentEntry();
  views_.hints.clear();
  EXPECT_EQ(ReplaceWords(doc, Words({"TOE", "OE", "OE"})), 2);
  EXPECT_EQ(Master(), (Strings{"OE", "TOE"}));
  EXPECT_EQ(Entries(), (Strings{"OE", "TOE"}));
  EXPECT_FALSE(doc.CanUndelete());
  EXPECT_EQ(views_.hints.back(), hint::kContents);
  // The list's own words, as the dialog may hand them back unchanged.
  EXPECT_EQ(ReplaceWords(doc, doc.MasterWords()), 2);
  EXPECT_EQ(Master(), (Strings{"OE", "TOE"}));
  EXPECT_TRUE(prompt_.questions.empty());
}

TEST_F(ImportTest, ExportIsAlphabeticalWhateverTheOrderShown) {
  MTavruneDoc& doc = MakeList({"TOES", "CAT", "AT", "SPARE"});
  doc.SetSortOptions(SortType::kWordLength, true);
  ASSERT_EQ(Entries().front(), "SPARE");
  doc.SetModifiedFlag(false);
  const std::string path = folder_.File("out.txt");
  ASSERT_TRUE(ExportText(doc, path));
  EXPECT_EQ(ReadAll(path), "AT\nCAT\nSPARE\nTOES\n");
  EXPECT_FALSE(doc.IsModified());

  // And back: the same words.
  const std::vector<std::string> exported = Master();
  MTavruneDoc& copy = MakeDoc();
  EXPECT_EQ(ImportTextFile(copy, path), 4);
  EXPECT_EQ(Master(), exported);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ImportTest, FailedExportSaysWhereAndKeepsTheOldFile) {
  MTavruneDoc& doc = MakeList({"CAT"});
  const std::string path = folder_.File("no/such/folder/out.txt");
  EXPECT_FALSE(ExportText(doc, path));
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kSaveFailed}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{path, "No such file or directory"}));
  EXPECT_EQ(prompt_.wait_depth, 0);
}

}  // namespace
}  // namespace tavrune::testing
