#include "tools/lexicon_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/file_io.h"
#include "tests/support/fixed_time.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"

namespace tavrune {
namespace {

using testing::RunTool;
using Result = testing::ToolResult;

class LexiconToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(words_) << "cat\r\nCATS\nscat\n\n  dog  \nqi\nza\nR2D2\nice-cream\n";
    const Result r =
        RunTool({"compile", "--name", "Small", "--description", "tiny list", words_, lexicon_});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "6 words written, 2 rejected\n");
  }

  testing::TempFolder dir_;
  std::string words_ = dir_.File("words.txt");
  std::string lexicon_ = dir_.File("small.TVD");
};

TEST_F(LexiconToolTest, Queries) {
  EXPECT_EQ(RunTool({"info", lexicon_}).out, "Small, tiny list, 6 words\n17 edges\n");
  EXPECT_EQ(RunTool({"contains", lexicon_, "QI", "XYZZY"}).out, "QI\t1\nXYZZY\t0\n");
  EXPECT_EQ(RunTool({"contains", lexicon_}, "CAT\r\nZA\nCWM\n").out, "CAT\t1\nZA\t1\nCWM\t0\n");
  EXPECT_EQ(RunTool({"hooks", lexicon_, "CAT", "DOG"}).out, "S CAT S\n DOG\n");
  EXPECT_EQ(RunTool({"hooks", lexicon_}, "CAT\n").out, "S CAT S\n");
  EXPECT_EQ(RunTool({"words", lexicon_}).out, "CAT\nCATS\nDOG\nQI\nSCAT\nZA\n");
}

TEST_F(LexiconToolTest, Judge) {
  Result r = RunTool({"judge", lexicon_, "CAT DOG", "QI  ZA"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Play is Acceptable.\n");
  r = RunTool({"judge", lexicon_, "CAT", "XYZZY"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Play is NOT Acceptable.\n");
  r = RunTool({"judge", lexicon_, "  "});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "tavrune-lexicon: PLAY: There are no words to challenge!\n");
}

// Each command line with what it reads on stdin, its exit status and the
// first line it prints on stdout and on stderr ("" for nothing; a trailing
// '*' compares only what comes before it).
struct CommandLine {
  std::vector<std::string> args;
  std::string input;
  int status;
  std::string out;
  std::string err;
};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

void ExpectLine(const std::string& actual, const std::string& expected, const std::string& what) {
  if (expected.ends_with('*')) {
    EXPECT_TRUE(actual.starts_with(expected.substr(0, expected.size() - 1))) << what << actual;
  } else {
    EXPECT_EQ(FirstLine(actual), expected) << what;
  }
}

void ExpectCommandLines(const std::vector<CommandLine>& cases) {
  for (const CommandLine& c : cases) {
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    const Result r = RunTool(c.args, c.input, testing::TickingClock());
    EXPECT_EQ(r.status, c.status) << joined << r.err;
    ExpectLine(r.out, c.out, joined + "stdout: ");
    ExpectLine(r.err, c.err, joined + "stderr: ");
    // Every message is one line that says who speaks.
    if (!r.err.empty() && r.status == 2) {
      EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << joined;
      EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined;
    }
  }
}

TEST_F(LexiconToolTest, HelpAndUsageErrors) {
  const std::string usage = "Usage: tavrune-lexicon COMMAND ARGUMENTS...";
  ExpectCommandLines({
      {{"--help"}, "", 0, usage, ""},
      {{"-h"}, "", 0, usage, ""},
      {{"help"}, "", 0, usage, ""},
      {{"--version"}, "", 0, "tavrune-lexicon *", ""},
      {{"contains", "--help"}, "", 0, "Usage: tavrune-lexicon contains FILE.TVD [WORD...]", ""},
      {{"help", "racks"}, "", 0, "Usage: tavrune-lexicon racks FILE.TVD [OPTION...]", ""},
      {{"list", "make", "-h"}, "", 0, "Usage: tavrune-lexicon list show FILE.tvr", ""},
      {{"help", "frob"}, "", 2, "", "tavrune-lexicon: no command 'frob'*"},
      {{}, "", 2, "", "tavrune-lexicon: missing command; 'tavrune-lexicon --help' lists them"},
      {{"frob"}, "", 2, "", "tavrune-lexicon: unknown command 'frob'*"},
      {{"compile", "--name"}, "", 2, "", "tavrune-lexicon: --name needs a value"},
      {{"search", lexicon_, "Foo"},
       "",
       2,
       "",
       "tavrune-lexicon: unknown search type 'Foo'; the types are 'Pattern', *"},
      {{"search", lexicon_, "Word Length", "--n1", "2", "--n2", "16"},
       "",
       2,
       "",
       "tavrune-lexicon: --n2: Please enter an integer between 2 and 15."},
      {{"list", "make", words_, dir_.File("x.tvr"), "--sort", "size"},
       "",
       2,
       "",
       "tavrune-lexicon: --sort: unknown sort type 'size'; the sorts are alphabetical, *"},
  });
}

TEST_F(LexiconToolTest, LowerCaseIsReadAsUpperCaseAndOtherCharactersAreNamed) {
  ExpectCommandLines({
      {{"contains", lexicon_, "qi"}, "", 0, "QI\t1", ""},
      {{"contains", lexicon_, "QI", "XYZZY"}, "", 1, "QI\t1", ""},
      {{"contains", lexicon_},
       "za\nq i\nxyzzy\n",
       2,
       "ZA\t1",
       "tavrune-lexicon: line 2: WORD 'q i': ' ' is not allowed (letters A-Z only)"},
      {{"contains", lexicon_, "q-i"},
       "",
       2,
       "",
       "tavrune-lexicon: WORD 'q-i': '-' is not allowed (letters A-Z only)"},
      {{"hooks", lexicon_, "cat"}, "", 0, "S CAT S", ""},
      {{"anagram", lexicon_, "tca"}, "", 0, "CAT", ""},
      {{"anagram", lexicon_, "t\xc3\xa9"},
       "",
       2,
       "",
       "tavrune-lexicon: RACK 't\xc3\xa9': '\xc3\xa9' is not allowed*"},
      {{"pattern", lexicon_, "c?t*"}, "", 0, "CAT", ""},
      {{"pattern", lexicon_, "c@t"},
       "",
       2,
       "",
       "tavrune-lexicon: PATTERN 'c@t': '@' is not allowed*"},
      {{"stats", "qi"}, "", 0, "QI\t11\t1\t*", ""},
      {{"stats", "--header", "qi"}, "", 0, "word\tpoints\tvowels\tdraws\tprobability", ""},
      {{"stats", "UKNA.TVD", "QI"},
       "",
       2,
       "",
       "tavrune-lexicon: WORD 'UKNA.TVD': '.' is not allowed (letters A-Z and the blank '?' only)"},
  });
}

TEST_F(LexiconToolTest, JudgeReadsAPlayAsTheJudgeProgramDoes) {
  const std::string invalid =
      " found. Invalid characters such as spaces found in the words to challenge. Letters A "
      "through Z are the only characters allowed.";
  ExpectCommandLines({
      {{"judge", lexicon_, "xyzzy QI"}, "", 1, "Play is NOT Acceptable.", ""},
      {{"judge", lexicon_, "QIz"}, "", 1, "Play is NOT Acceptable.", ""},
      {{"judge", lexicon_, "Qi ZA"}, "", 0, "Play is Acceptable.", ""},
      {{"judge", lexicon_}, "qi\r\nza\n", 0, "Play is Acceptable.", ""},
      {{"judge", lexicon_, "QI-ZA"}, "", 2, "", "tavrune-lexicon: PLAY: '-'" + invalid},
      {{"judge", lexicon_, "ZA1QI"}, "", 2, "", "tavrune-lexicon: PLAY: '1'" + invalid},
      {{"judge", lexicon_, "ZA\xc3\x89QI"},
       "",
       2,
       "",
       "tavrune-lexicon: PLAY: '\xc3\x89'" + invalid},
      {{"judge", lexicon_, "QI\tZA"}, "", 2, "", "tavrune-lexicon: PLAY: byte \\x09" + invalid},
  });
}

TEST_F(LexiconToolTest, CompileRefusesWhatWouldLoseAFile) {
  const std::string notes = dir_.File("notes.txt");
  std::ofstream(notes) << "my notes\n";
  std::ofstream(dir_.File("empty.txt")) << "123\n\n";
  const std::string fresh = dir_.File("fresh.TVD");
  ExpectCommandLines({
      {{"compile", lexicon_, notes},
       "",
       2,
       "",
       "tavrune-lexicon: WORDS.txt '" + lexicon_ + "' is not a text file (it holds NUL bytes)"},
      {{"compile", words_, notes},
       "",
       2,
       "",
       "tavrune-lexicon: OUT.TVD '" + notes +
           "' exists and is not a lexicon; give --force to replace it"},
      {{"compile", dir_.File("empty.txt"), fresh},
       "",
       2,
       "",
       "tavrune-lexicon: WORDS.txt '" + dir_.File("empty.txt") +
           "' holds no usable word (1 rejected); nothing written"},
  });
  EXPECT_EQ(testing::ReadAll(notes), "my notes\n");
  EXPECT_FALSE(std::filesystem::exists(fresh));
  ExpectCommandLines({
      {{"compile", "--name", std::string(40, 'N'), "--description", std::string(20, 'D'), words_,
        lexicon_},
       "",
       0,
       "6 words written, 2 rejected",
       "tavrune-lexicon: --name cut to its first 31 characters"},
      {{"compile", "--force", words_, notes}, "", 0, "6 words written, 2 rejected", ""},
  });
  EXPECT_EQ(RunTool({"info", lexicon_}).out.substr(0, 33), std::string(31, 'N') + ", ");
  EXPECT_EQ(RunTool({"words", notes}).status, 0);
}

// Word lists are read as the imports read text: a byte-order mark, any line
// ends and several words a line.
TEST_F(LexiconToolTest, CompileReadsTextAsTheImportsDo) {
  const std::string marked = dir_.File("marked.txt");
  std::ofstream(marked) << "\xEF\xBB\xBF"
                           "cat\rza qi\r";
  Result r = RunTool({"compile", marked, dir_.File("marked.TVD")});
  EXPECT_EQ(r.out, "3 words written, 0 rejected\n");
  EXPECT_EQ(RunTool({"words", dir_.File("marked.TVD")}).out, "CAT\nQI\nZA\n");
  // A '?' is a list word but no lexicon word.
  std::ofstream(marked) << "aa\nq?\n";
  EXPECT_EQ(RunTool({"compile", marked, dir_.File("marked.TVD")}).out,
            "1 words written, 1 rejected\n");
}

TEST_F(LexiconToolTest, FileErrorsNameTheFileAndTheReason) {
  const std::string out = dir_.File("out.TVD");
  const std::string nowhere = dir_.File("no/folder/x.TVD");
  const std::string missing = dir_.File("missing.TVD");
  ExpectCommandLines({
      {{"compile", dir_.path(), out},
       "",
       2,
       "",
       "tavrune-lexicon: cannot read '" + dir_.path() + "': Is a directory"},
      {{"compile", "/proc/self/mem", out},
       "",
       2,
       "",
       "tavrune-lexicon: cannot read '/proc/self/mem': Input/output error"},
      // Refused at the first bytes, not after reading without end.
      {{"compile", "/dev/zero", out},
       "",
       2,
       "",
       "tavrune-lexicon: WORDS.txt '/dev/zero' is not a text file (it holds NUL bytes)"},
      {{"compile", words_, nowhere},
       "",
       2,
       "",
       "tavrune-lexicon: cannot write '" + nowhere + "': No such file or directory"},
      {{"compile", "--force", words_, dir_.path()},
       "",
       2,
       "",
       "tavrune-lexicon: cannot write '" + dir_.path() + "': Is a directory"},
      {{"info", missing},
       "",
       2,
       "",
       "tavrune-lexicon: cannot read '" + missing + "': No such file or directory"},
      {{"list", "make", dir_.path(), dir_.File("x.tvr")},
       "",
       2,
       "",
       "tavrune-lexicon: cannot read '" + dir_.path() + "': Is a directory"},
  });
  EXPECT_FALSE(std::filesystem::exists(out));
}

// judge LEX < FOLDER and the like: the failing read is an error, never an
// empty play or the end of a batch.
TEST_F(LexiconToolTest, UnreadableStandardInputIsAnError) {
  for (const std::string command : {"judge", "contains", "hooks"}) {
    InputFile folder;
    ASSERT_TRUE(folder.Open(dir_.path(), false));
    FileInputBuffer buffer(std::move(folder), kMaxWordListBytes);
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunLexiconTool({command, lexicon_}, in, out, err), 2) << command;
    EXPECT_EQ(err.str(), "tavrune-lexicon: cannot read standard input: Is a directory\n");
  }
}

TEST_F(LexiconToolTest, InfoShowsNoControlCharacters) {
  const std::string odd = dir_.File("odd.TVD");
  ASSERT_EQ(RunTool({"compile", "--name", "\x1b[2JRed\x07", "--description",
                     "caf\xc3\xa9 \xc2\x9b\xff", words_, odd})
                .status,
            0);
  EXPECT_EQ(RunTool({"info", odd}).out, "?[2JRed?, caf\xc3\xa9 ???, 6 words\n17 edges\n");
}

TEST_F(LexiconToolTest, RacksCheckTheDialogsRangesAndSayWhenTheyFallShort) {
  ExpectCommandLines({
      {{"racks", lexicon_, "--vowels", "5", "3"},
       "",
       2,
       "",
       "tavrune-lexicon: --vowels: Please enter an integer between 5 and 10."},
      {{"racks", lexicon_, "--phonies", "200", "300"},
       "",
       2,
       "",
       "tavrune-lexicon: --phonies: Please enter an integer between 0 and 100."},
      {{"racks", lexicon_, "--count", "1"},
       "",
       2,
       "",
       "tavrune-lexicon: --count: Please enter an integer between 20 and 200."},
      {{"racks", lexicon_, "--time", "ten"},
       "",
       2,
       "",
       "tavrune-lexicon: --time: Please enter an integer."},
      {{"racks", lexicon_, "--letters", "3", "--time", "0"},
       "",
       1,
       "",
       "tavrune-lexicon: Could not generate any rack that meets all the conditions."},
      {{"racks", lexicon_, "--count", "20", "--letters", "2", "--points", "0", "100", "--vowels",
        "0", "2", "--phonies", "0", "0", "--seed", "3"},
       "",
       1,
       "*",
       "tavrune-lexicon: Could not generate the requested number of racks. (*"},
  });
}

TEST_F(LexiconToolTest, BadInputGivesOneLineAndStatusTwo) {
  testing::WriteBytes(dir_.File("damaged.TVD"), std::vector<uint8_t>(64, 0xFF));
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", dir_.File("missing.TVD")},
      {"info", dir_.File("damaged.TVD")},
      {"contains", words_, "CAT"},  // a text file is no lexicon
      {"compile", words_},
      {"compile", "--name"},
      {"compile", "--colour", "red", words_, lexicon_},
      {"compile", dir_.File("missing.txt"), lexicon_},
      {"compile", words_, dir_.File("no/folder/x.TVD")},
      {"words", lexicon_, "extra"},
  };
  for (const auto& args : cases) {
    const Result r = RunTool(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_TRUE(r.out.empty()) << joined;
    ASSERT_FALSE(r.err.empty()) << joined;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined;
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << joined;
  }
}

}  // namespace
}  // namespace tavrune
