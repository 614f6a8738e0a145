#include "wordlist/word_list_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_faults.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/tavrune_doc.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

using Strings = std::vector<std::string>;
using testing::Words;

// The bit-reversed characters of "Qm7;#x1!".
constexpr uint8_t kKeyStream[] = {0x8A, 0xB6, 0xEC, 0xDC, 0xC4, 0x1E, 0x8C, 0x84};

// A word-list file written out by hand.
class FileBytes {
 public:
  FileBytes& Int32(int64_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    return *this;
  }
  FileBytes& Int16(int value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
    return *this;
  }
  FileBytes& Letter(char c) {
    bytes.push_back(static_cast<uint8_t>(c));
    return *this;
  }
  FileBytes& Text(std::string_view text) {
    Int32(static_cast<int64_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
  }
  FileBytes& Zeros(int n) {
    bytes.insert(bytes.end(), static_cast<size_t>(n), 0);
    return *this;
  }
  // One archive record: the front-coded text under the key stream.
  FileBytes& Record(std::string_view plain) {
    Int16(static_cast<int>(plain.size()));
    for (size_t i = 0; i < plain.size(); ++i) {
      bytes.push_back(static_cast<uint8_t>(plain[i]) ^ kKeyStream[i % sizeof kKeyStream]);
    }
    return *this;
  }
  // Magic, version, texts and the settings of a List (build fields when the
  // version is above 20), up to the reserved bytes.
  FileBytes& Header(int version, char list_type = 'L', char sort_type = 'A') {
    Int32(0xBEEFCAFE).Int32(version).Text("Suffixes").Text("notes");
    Letter('A').Text("ABCDEFGHIJKLMNOPQRSTUVWXYZ").Text("");
    Letter(list_type).Letter('B').Int32(1).Int32(1).Letter('A').Letter(sort_type);
    if (version > 20) Int32(2).Int32(15);
    return Zeros(20);
  }

  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class WordListFileTest : public testing::DocTest {
 protected:
  std::string Write(const FileBytes& file, std::string_view name = "list.tvr") {
    const std::string path = folder_.File(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.bytes.data()),
               static_cast<std::streamsize>(file.bytes.size()));
    return path;
  }
  // Opens with a fresh document; true when it opened.
  bool OpenFresh(const std::string& path) {
    prompt_.Clear();
    return MakeDoc().OpenDocument(path);
  }

  testing::TempFolder folder_;
};

TEST_F(WordListFileTest, WritesTheFormatByteForByte) {
  MTavruneDoc& doc = MakeList({"ABLY", "ABLE", "ABLER"});
  doc.SetDescription("Suffixes");
  doc.SetNotes("notes");
  const std::string path = folder_.File("made.tvr");
  ASSERT_TRUE(doc.SaveDocumentAs(path));
  EXPECT_FALSE(doc.IsModified());

  FileBytes expected;
  expected.Header(31).Int32(3).Record("ABLE").Record("4R").Record("3Y").Int32(0);
  EXPECT_EQ(ReadAll(path), expected.bytes);
}

TEST_F(WordListFileTest, EverySettingComesBackAsSaved) {
  const auto round_trip = [&](ListType list_type, SortType sort_type, bool descending,
                              AnagramOrder order) {
    SCOPED_TRACE(::testing::Message()
                 << "list type " << static_cast<int>(list_type) << ", sort "
                 << static_cast<int>(sort_type) << ", order " << static_cast<int>(order));
    MTavruneDoc& saved = MakeList({"SPARE", "PEARS", "TOE", "CATS", "ACT", "OATS", "AT"});
    saved.SetListType(list_type);
    saved.SetHookOptions(HookType::kEnd, 3, 2);
    saved.SetBuildLimits(3, 7);
    saved.SetAnagramOrder(order, "ZYXWVUTSRQPONMLKJIHGFEDCBA", "aes");
    saved.SetSortOptions(sort_type, descending);
    saved.GoToEntry(2);
    const ListSettings settings = saved.GetListSettings();
    const Strings master = Master();
    const Strings entries = Entries();
    const std::string path = folder_.File("trip.tvr");
    ASSERT_TRUE(saved.SaveDocumentAs(path));

    ASSERT_TRUE(OpenFresh(path));
    EXPECT_EQ(doc_->GetListSettings(), settings);
    EXPECT_EQ(Master(), master);
    EXPECT_EQ(doc_->CurrentIndex(), 2);
    // Shuffled letters are shuffled anew unless the list order is stored.
    if (order != AnagramOrder::kRandom || sort_type == SortType::kRandom) {
      EXPECT_EQ(Entries(), entries);
    }
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_TRUE(prompt_.messages.empty());
  };
  for (int type = 0; type <= 4; ++type) {
    for (int sort = 0; sort <= 4; ++sort) {
      round_trip(static_cast<ListType>(type), static_cast<SortType>(sort), sort % 2 == 1,
                 AnagramOrder::kStem);
    }
  }
  for (int order = 0; order <= 5; ++order) {
    round_trip(ListType::kAnagrams, SortType::kRandom, false, static_cast<AnagramOrder>(order));
    round_trip(ListType::kAnagramsAndHooks, SortType::kProbability, true,
               static_cast<AnagramOrder>(order));
  }
}

TEST_F(WordListFileTest, OlderVersionKeepsTheBuildLimits) {
  FileBytes file;
  file.Header(20, 'B').Int32(2).Record("ABLE").Record("3Y").Int32(1);
  const std::string path = Write(file);
  MTavruneDoc& doc = MakeDoc();
  doc.SetBuildLimits(4, 6);
  doc.SetModifiedFlag(false);
  ASSERT_TRUE(doc.OpenDocument(path));
  EXPECT_EQ(doc.GetListType(), ListType::kBuild);
  EXPECT_EQ(doc.GetListSettings().build_minimum, 4);
  EXPECT_EQ(doc.GetListSettings().build_maximum, 6);
  EXPECT_EQ(Master(), (Strings{"ABLE", "ABLY"}));
  EXPECT_EQ(doc.CurrentIndex(), 1);
}

TEST_F(WordListFileTest, EmptyListSavesAndOpens) {
  MTavruneDoc& doc = MakeDoc();
  const std::string path = folder_.File("empty.tvr");
  ASSERT_TRUE(doc.SaveDocumentAs(path));
  const std::vector<uint8_t> bytes = ReadAll(path);
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 8, bytes.end()),
            (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(OpenFresh(path));
  EXPECT_EQ(doc_->EntryCount(), 0);
}

TEST_F(WordListFileTest, RandomListKeepsItsOrderAndCursor) {
  WordCollection words = Words({});
  for (char a = 'A'; a <= 'Z'; ++a) words.Append(std::string("Q") + a + "T");
  MTavruneDoc& saved = MakeDoc();
  saved.MergeWords(words);
  saved.SetSortOptions(SortType::kRandom, false);
  saved.GoToEntry(17);
  const Strings shuffled = Entries();
  const std::string path = folder_.File("random.tvr");
  ASSERT_TRUE(saved.SaveDocumentAs(path));
  ASSERT_TRUE(OpenFresh(path));
  EXPECT_EQ(Entries(), shuffled);
  EXPECT_EQ(doc_->CurrentIndex(), 17);
  EXPECT_EQ(Master().front(), "QAT") << "the master list stays alphabetical";
  // Go to word finds every entry of the unsorted list.
  for (int i = 0; i < doc_->EntryCount(); ++i) EXPECT_EQ(doc_->FindEntry(shuffled[i]), i);
}

TEST_F(WordListFileTest, StoredRandomOrderIsTakenOnlyWhenItHoldsTheEntries) {
  const struct {
    char list_type;
    Strings order;
    bool taken;
  } kCases[] = {
      {'L', {"TOE", "ACT", "CAT"}, true},
      {'L', {"TOE", "CAT"}, false},                // ACT missing
      {'L', {"TOE", "ACT", "CAT", "CAT"}, false},  // CAT twice
      {'L', {"TOE", "ACT", "DOG"}, false},         // not a word of the list
      {'A', {"OTE", "TAC"}, true},                 // letter sets in any arrangement
      {'A', {"EOT", "ACT", "CAT"}, false},         // one letter set twice
  };
  for (const auto& c : kCases) {
    FileBytes file;
    file.Header(31, c.list_type, 'R').Int32(3).Record("ACT").Record("CAT").Record("TOE").Int32(2);
    file.Int32(static_cast<int64_t>(c.order.size()));
    for (const std::string& entry : c.order) file.Record(entry);
    const std::string path = Write(file);
    ASSERT_TRUE(OpenFresh(path)) << c.order.size();
    const Strings own_order = c.list_type == 'A' ? Strings{"ACT", "EOT"} : Master();
    const Strings& entries = c.taken ? c.order : own_order;
    EXPECT_EQ(Entries(), entries) << c.list_type << c.order.size();
    EXPECT_EQ(doc_->CurrentIndex(), std::min<int>(2, static_cast<int>(entries.size()) - 1));
    EXPECT_EQ(prompt_.MessageIds(),
              c.taken ? std::vector<int>{} : std::vector<int>{wordlist_text::kStoredOrderIgnored});
    // Undeleting after a delete brings back only what the list held.
    doc_->DeleteCurrentEntry();
    doc_->UndeleteAll();
    EXPECT_EQ(Master(), (Strings{"ACT", "CAT", "TOE"}));
  }
}

TEST_F(WordListFileTest, WrongMagicLeavesAnEmptyListWithItsSettings) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT"}, ListType::kHooks);
  const std::string good = folder_.File("good.tvr");
  ASSERT_TRUE(doc.SaveDocumentAs(good));
  doc.SetSortOptions(SortType::kWordLength, true);
  doc.SetModifiedFlag(false);
  const ListSettings before = doc.GetListSettings();

  FileBytes file;
  file.Int32(0xBEEFCAFF).Header(31, 'A');
  const std::string path = Write(file, "bad.tvr");
  EXPECT_FALSE(doc.OpenDocument(path));
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{wordlist_text::kNotWordListFile}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{path}));
  EXPECT_EQ(doc.EntryCount(), 0);
  EXPECT_EQ(doc.GetListSettings(), before);
  // An untitled, unmodified list: nothing can be saved over the file.
  EXPECT_EQ(doc.PathName(), "");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.SaveDocument());
  EXPECT_EQ(ReadAll(path), file.bytes);
}

TEST_F(WordListFileTest, EveryTruncationIsRejected) {
  FileBytes file;
  file.Header(31, 'L', 'R').Int32(2).Record("ABLE").Record("3Y").Int32(1);
  file.Int32(2).Record("ABLY").Record("ABLE");
  ASSERT_TRUE(OpenFresh(Write(file)));
  EXPECT_EQ(Entries(), (Strings{"ABLY", "ABLE"}));
  for (size_t size = 0; size < file.bytes.size(); ++size) {
    FileBytes cut;
    cut.bytes.assign(file.bytes.begin(), file.bytes.begin() + static_cast<long>(size));
    EXPECT_FALSE(OpenFresh(Write(cut))) << size;
    EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{size < 4 ? wordlist_text::kNotWordListFile
                                                               : wordlist_text::kCorruptFile}))
        << size;
    EXPECT_EQ(doc_->EntryCount(), 0);
    EXPECT_TRUE(doc_->MasterWords().IsEmpty());
  }
}

TEST_F(WordListFileTest, HostileFilesAreDamaged) {
  const auto words = [](std::initializer_list<std::string_view> records) {
    FileBytes file;
    file.Header(31).Int32(static_cast<int64_t>(records.size()));
    for (std::string_view r : records) file.Record(r);
    return file.Int32(0);
  };
  std::vector<std::pair<std::string, FileBytes>> cases;
  cases.emplace_back("huge text", FileBytes().Int32(0xBEEFCAFE).Int32(31).Int32(0x7FFFFFFF));
  cases.emplace_back("negative text", FileBytes().Int32(0xBEEFCAFE).Int32(31).Int32(-5));
  cases.emplace_back("huge count", FileBytes().Header(31).Int32(0x7FFFFFFF).Record("ABLE"));
  cases.emplace_back("negative count", FileBytes().Header(31).Int32(-1));
  cases.emplace_back("long record", FileBytes().Header(31).Int32(1).Int16(0x7FFF).Zeros(100));
  cases.emplace_back("prefix past word", words({"ABLE", "5R"}));
  cases.emplace_back("16 letters", words({"ABCDEFGHIJKLMNOP"}));
  cases.emplace_back("lower case", words({"able"}));
  cases.emplace_back("punctuation", words({"AB-LE"}));
  cases.emplace_back("empty word", words({""}));
  for (const auto& [name, file] : cases) {
    const std::string path = Write(file);
    MakeDoc();
    prompt_.Clear();
    EXPECT_FALSE(doc_->OpenDocument(path)) << name;
    EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{wordlist_text::kCorruptFile})) << name;
    EXPECT_EQ(prompt_.messages[0].args, (Strings{path})) << name;
  }
  // A text is read as far as the file backs it, not as far as it claims.
  std::istringstream in(std::string(cases[0].second.bytes.begin(), cases[0].second.bytes.end()));
  WordListFile file;
  EXPECT_EQ(ReadWordList(in, false, file).result, WordListReadResult::kDamaged);
  EXPECT_LT(file.description.capacity(), 1u << 20);

  // A question mark stands for a blank and is kept.
  ASSERT_TRUE(OpenFresh(Write(words({"AB?E"}))));
  EXPECT_EQ(Master(), (Strings{"AB?E"}));
}

TEST_F(WordListFileTest, StoredNumbersAreBroughtIntoRange) {
  FileBytes file;
  file.Int32(0xBEEFCAFE).Int32(31).Text("").Text("").Letter('S').Text("QWERTY").Text("ab-c");
  file.Letter('H').Letter('?').Int32(99).Int32(-3).Letter('x').Letter('?');
  file.Int32(0).Int32(40).Zeros(20).Int32(0).Int32(0);
  ASSERT_TRUE(OpenFresh(Write(file)));
  const ListSettings& s = doc_->GetListSettings();
  EXPECT_EQ(s.anagram_order, AnagramOrder::kStem);
  EXPECT_EQ(s.user_order, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(s.stem, "ABC");
  EXPECT_EQ(s.list_type, ListType::kHooks);
  EXPECT_EQ(s.hook_type, HookType::kBothEnds) << "an unknown hook letter";
  EXPECT_EQ(s.front_hook_letters, 7);
  EXPECT_EQ(s.end_hook_letters, 1);
  EXPECT_FALSE(s.descending);
  EXPECT_EQ(s.sort_type, SortType::kAlphabetical);
  EXPECT_EQ(s.build_minimum, 2);
  EXPECT_EQ(s.build_maximum, 15);
}

TEST_F(WordListFileTest, SettingsReadBeforeDamagedWordsStay) {
  FileBytes file;
  file.Header(31, 'H', 'W').Int32(1).Record("AB1");
  MTavruneDoc& doc = MakeDoc();
  EXPECT_FALSE(doc.OpenDocument(Write(file)));
  EXPECT_EQ(doc.GetListType(), ListType::kHooks);
  EXPECT_EQ(doc.GetSortType(), SortType::kWordLength);
  EXPECT_EQ(doc.Description(), "");
}

TEST_F(WordListFileTest, ImportReadsOnlyTheWords) {
  FileBytes file;
  file.Header(31, 'A', 'R').Int32(2).Record("ABLE").Record("3Y").Int32(1).Int32(0);
  MTavruneDoc& doc = MakeList({"CAT"});
  WordCollection target = Words({"TOE"});
  int stored = -1;
  ASSERT_TRUE(doc.Read(Write(file), false, &target, &stored));
  EXPECT_EQ(testing::AllWords(target), (Strings{"TOE", "ABLE", "ABLY"}));
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(doc.Description(), "");
  EXPECT_EQ(doc.GetListType(), ListType::kList);
  EXPECT_EQ(doc.GetSortType(), SortType::kAlphabetical);
}

TEST_F(WordListFileTest, FailedSaveLeavesTheOldFile) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT"});
  const std::string path = folder_.File("keep.tvr");
  ASSERT_TRUE(doc.SaveDocumentAs(path));
  const std::vector<uint8_t> old_bytes = ReadAll(path);
  doc.MergeWords(Words({"TOE"}));
  {
    testing::FileFaults faults;
    faults.FailWritesAfter(100, ENOSPC);
    EXPECT_FALSE(doc.SaveDocument());
  }
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{wordlist_text::kSaveFailed}));
  EXPECT_EQ(prompt_.messages[0].args, (Strings{path, "No space left on device"}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(ReadAll(path), old_bytes);

  // New on a list whose save failed goes no further.
  prompt_.Script({UserPrompt::Answer::kYes});
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(doc.NewDocument());
  EXPECT_EQ(prompt_.messages.back().args, (Strings{path, "the file is read-only"}));
  EXPECT_EQ(doc.EntryCount(), 3);
  EXPECT_EQ(ReadAll(path), old_bytes);
}

// A file that cannot be read is a read error (40004 with the reason), not
// a damaged one, and leaves an empty list.
TEST_F(WordListFileTest, UnreadableFile) {
  const std::string path = Write(FileBytes().Header(31).Int32(0).Int32(0));
  struct Case {
    std::string path;
    std::string reason;
    int failing_read = 0;
  };
  for (const Case& c : std::vector<Case>{{folder_.File("missing.tvr"), "No such file or directory"},
                                         {folder_.path(), "Is a directory"},
                                         {path, "Input/output error", EIO}}) {
    MakeList({"CAT"}).SetModifiedFlag(false);
    testing::FileFaults faults;
    if (c.failing_read != 0) faults.FailReads(c.failing_read);
    EXPECT_FALSE(doc_->OpenDocument(c.path));
    EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{wordlist_text::kCannotOpenFile})) << c.path;
    EXPECT_EQ(prompt_.messages[0].args, (Strings{c.path, c.reason}));
    EXPECT_EQ(doc_->EntryCount(), 0);
  }
}

// Another program (or another copy of this one) changed the list since it
// was opened: Save asks before overwriting it.
TEST_F(WordListFileTest, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT"});
  const std::string path = folder_.File("shared.tvr");
  ASSERT_TRUE(doc.SaveDocumentAs(path));
  doc.MergeWords(Words({"TOE"}));
  ASSERT_TRUE(doc.SaveDocument());  // its own save is no change
  EXPECT_TRUE(prompt_.questions.empty());

  std::ofstream(path, std::ios::binary | std::ios::app) << "by someone else";
  const std::vector<uint8_t> theirs = ReadAll(path);
  doc.MergeWords(Words({"OE"}));
  prompt_.Script({UserPrompt::Answer::kNo});
  EXPECT_FALSE(doc.SaveDocument());
  EXPECT_EQ(prompt_.QuestionIds(), (std::vector<int>{wordlist_text::kChangedOnDisk}));
  EXPECT_EQ(prompt_.questions[0].args, (Strings{path}));
  EXPECT_EQ(ReadAll(path), theirs);
  EXPECT_TRUE(doc.IsModified());

  prompt_.Script({UserPrompt::Answer::kYes});
  EXPECT_TRUE(doc.SaveDocument());
  EXPECT_NE(ReadAll(path), theirs);
  // Removed meanwhile: nothing to lose, no question.
  std::filesystem::remove(path);
  doc.SetModifiedFlag();
  EXPECT_TRUE(doc.SaveDocument());
  EXPECT_EQ(prompt_.questions.size(), 2u);
  // Opened again, it is as this document last saw it.
  ASSERT_TRUE(OpenFresh(path));
  std::ofstream(path, std::ios::binary | std::ios::app) << "again";
  prompt_.Script({UserPrompt::Answer::kNo});
  EXPECT_FALSE(doc_->SaveDocument());
}

}  // namespace
}  // namespace tavrune
