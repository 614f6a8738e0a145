#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "engine/lexicon_builder.h"
#include "print/ui/page_setup_dialogs.h"
#include "print/ui/print_pdf_command.h"
#include "print/ui/print_support.h"
#include "study/settings_table.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/ui/qt_test_app.h"
#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

int PageCountOf(const std::string& pdf) {
  const std::string info = Output("pdfinfo '" + pdf + "'");
  const size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

class PrintSupportTest : public testing::DocTest {
 protected:
  PrintSupportTest() { testing::EnsureQtApp(); }
};

TEST_F(PrintSupportTest, PreparesInStepsWithPercentAndMarks) {
  WordCollection words = testing::Words({"CAT", "TOE"});
  for (int i = 0; i < 60; ++i) {
    words.Append(std::string("QX") + static_cast<char>('A' + i / 26) +
                 static_cast<char>('A' + i % 26));
  }
  MTavruneDoc& doc = MakeList({}, ListType::kHooks);
  doc.MergeWords(words);
  app_.SetUseSymbols(true);
  prompt_.Clear();
  PrintSupport support(doc, nullptr);
  support.Prepare();
  EXPECT_EQ(prompt_.StatusIds(), (std::vector<int>{40088, 40088, 40068, 57345, 57345}));
  EXPECT_EQ(prompt_.status_texts[0].args, std::vector<std::string>{"40"});
}

TEST_F(PrintSupportTest, WritesThePageSetupBackOnlyWhenChanged) {
  MTavruneDoc& doc = MakeList({"CAT"});
  const size_t before = settings_.size();
  { PrintSupport support(doc, nullptr); }
  EXPECT_EQ(settings_.size(), before);
  {
    PrintSupport support(doc, nullptr);
    PageSetupDialog dialog(support.Setup());
    dialog.MarginBox(2)->setValue(1.5);
    support.SetSetup(dialog.Result());
  }
  EXPECT_EQ(ReadSetting(settings_, setting::page_setup::kTopMargin), 2160);
  EXPECT_EQ(ReadSetting(settings_, setting::page_setup::kHeaderRoom), 1080);
}

TEST(FontsSpacingDialogTest, ShowsAndReturnsPoints) {
  testing::EnsureQtApp();
  FontsSpacingDialog dialog(FontDialogValuesOf(PageSetup()));
  EXPECT_EQ(dialog.windowTitle(), "Fonts and Spacing");
  EXPECT_DOUBLE_EQ(dialog.SizeBox()->value(), 10);
  dialog.LineSpacingBox()->setValue(9);  // beyond the range
  dialog.ColumnSpacingBox()->setValue(12.5);
  PageSetup setup;
  ApplyFontDialog(dialog.Values(), setup);
  EXPECT_EQ(setup.vertical_spacing, 60);
  EXPECT_EQ(setup.column_spacing, 250);
}

// A program folder with one lexicon, so no dictionary was ever chosen.
class PrintPdfCommandTest : public ::testing::Test {
 protected:
  PrintPdfCommandTest() {
    testing::EnsureQtApp();
    LexiconBuilder builder;
    words_ = testing::Words({});
    for (int i = 0; i < 300; ++i) {
      words_.Append(std::string("QX") + static_cast<char>('A' + i / 26) +
                    static_cast<char>('A' + i % 26));
      builder.AddWord(words_.Word(i));
    }
    std::filesystem::create_directories(folder_.File("Lexicons"));
    EXPECT_TRUE(builder.WriteFile(folder_.File("Lexicons/UKNA.TVD")));
  }

  // Every word of the lexicon as a List, described as "Q words".
  void SaveList() {
    testing::RecordingPrompt prompt;
    ApplicationState app(folder_.path(), settings_, prompt);
    ASSERT_TRUE(app.DiscoverLexicons());
    app.ReadSettings();
    ASSERT_TRUE(app.LoadNeededLexicons());
    RandomEngine random;
    MTavruneDoc doc(app, random);
    doc.MergeWords(words_);
    doc.SetDescription("Q words");
    ASSERT_TRUE(doc.SaveDocumentAs(folder_.File("q.tvr")));
  }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream err;
    const int status = RunPrintPdfCommand(args, folder_.path(), settings_, err);
    err_ = err.str();
    return status;
  }

  testing::TempFolder folder_;
  WordCollection words_;
  MemorySettings settings_;
  std::string err_;
};

TEST_F(PrintPdfCommandTest, PrintsEveryPageOfTheList) {
  SaveList();
  const size_t stored = settings_.size();
  // 21 lines and 5 columns a page at 30 points: 300 words take 3 pages.
  settings_.PutInt("PageSetup", "FontSize", 600);
  const std::string pdf = folder_.File("q.pdf");
  ASSERT_EQ(Run({kPrintPdfOption, pdf, folder_.File("q.tvr")}), 0) << err_;
  EXPECT_EQ(err_, "");
  EXPECT_EQ(PageCountOf(pdf), 3);
  const std::string text = Output("pdftotext -layout '" + pdf + "' -");
  for (const char* expected :
       {"QXAA", "QXLN", "q.tvr (Q words)", "Page 1/3", "Page 3/3", "Printed with Tavrune"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(settings_.size(), stored + 1);  // the run stores nothing
}

TEST_F(PrintPdfCommandTest, FailuresAreOneLineAndNonZero) {
  SaveList();
  const struct {
    std::vector<std::string> args;
    std::string message;
  } kCases[] = {
      {{kPrintPdfOption, "out.pdf"}, "Usage: Tavrune --print-pdf OUT.pdf LIST.tvr\n"},
      {{kPrintPdfOption, folder_.File("out.pdf"), folder_.File("none.tvr")},
       "Unable to open a needed file. Please close other applications and retry. " +
           folder_.File("none.tvr") + ": No such file or directory\n"},
      {{kPrintPdfOption, folder_.File("no/such/folder.pdf"), folder_.File("q.tvr")}, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_NE(Run(c.args), 0);
    if (!c.message.empty()) {
      EXPECT_EQ(err_, c.message);
    }
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;
  }
}

}  // namespace
}  // namespace tavrune
