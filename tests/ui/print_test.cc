#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QLineEdit>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/lexicon_builder.h"
#include "print/print_job.h"
#include "print/print_setting_keys.h"
#include "print/ui/page_setup_dialogs.h"
#include "print/ui/print_pdf_command.h"
#include "print/ui/print_support.h"
#include "resources/string_table.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
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

// A word as pdftotext places it, in points from the page's top left.
struct WordBox {
  double x0, y0, x1, y1;
  std::string text;
};

// The words of every page of a PDF, and each page's width.
std::vector<std::pair<double, std::vector<WordBox>>> WordsOnPages(const std::string& pdf) {
  std::vector<std::pair<double, std::vector<WordBox>>> pages;
  std::istringstream lines(Output("pdftotext -bbox '" + pdf + "' -"));
  for (std::string line; std::getline(lines, line);) {
    double width = 0;
    WordBox box;
    char text[256] = {};
    if (std::sscanf(line.c_str(), " <page width=\"%lf\"", &width) == 1) {
      pages.push_back({width, {}});
    } else if (!pages.empty() &&
               std::sscanf(line.c_str(),
                           " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%255[^<]",
                           &box.x0, &box.y0, &box.x1, &box.y1, text) == 5) {
      box.text = text;
      pages.back().second.push_back(box);
    }
  }
  return pages;
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
  PrintSupport support(doc, settings_, nullptr);
  support.Prepare();
  EXPECT_EQ(prompt_.StatusIds(), (std::vector<int>{40088, 40088, 40068, 57345, 57345}));
  EXPECT_EQ(prompt_.status_texts[0].args, std::vector<std::string>{"40"});
}

// 4 x 4 inch paper with 1.5 inch margins and 30-point type.
TEST_F(PrintSupportTest, TinyPagesShrinkTheTypeAndCutTheHeader) {
  MTavruneDoc& doc = MakeList({"CAT", "CATS", "SCAT", "ACT", "TOE", "SPARE", "PEARS", "REAPS",
                               "PARES", "AT", "TA", "AS", "OE", "TOES", "STOA", "OATS", "TACO"},
                              ListType::kAnagramsAndHooks);
  PageSetup setup;
  setup.width = setup.height = 4 * 1440;
  setup.left_margin = setup.right_margin = setup.top_margin = setup.bottom_margin = 2160;
  setup.font_size = 600;
  setup.header_left = "Club handout for the weekly session";
  setup.header_center = "\\F";
  setup.header_right = "Page \\#/\\P";
  testing::TempFolder folder;
  const std::string pdf = folder.File("tiny.pdf");
  {
    PrintSupport support(doc, settings_, nullptr);
    support.SetSetup(setup);
    QString reason;
    ASSERT_TRUE(support.PrintToPdf(QString::fromStdString(pdf), reason)) << reason.toStdString();
  }
  EXPECT_EQ(prompt_.CurrentStatus(), 40151);

  const auto pages = WordsOnPages(pdf);
  ASSERT_GT(pages.size(), 1u);
  for (const auto& [width, words] : pages) {
    // Every page has list words in its body, 1.5 to 2.5 inches down.
    EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                            [](const WordBox& w) { return w.y0 >= 108 && w.y1 <= 180; }));
    for (size_t i = 0; i < words.size(); ++i) {
      const WordBox& a = words[i];
      EXPECT_GE(a.x0, 0) << a.text;
      EXPECT_LE(a.x1, width) << a.text;
      for (size_t j = i + 1; j < words.size(); ++j) {
        const WordBox& b = words[j];
        const bool same_line = std::abs(a.y0 - b.y0) < 1;
        EXPECT_FALSE(same_line && a.x0 < b.x1 && b.x0 < a.x1) << a.text << " over " << b.text;
      }
    }
  }
}

TEST_F(PrintSupportTest, WritesThePageSetupBackOnlyWhenChanged) {
  MTavruneDoc& doc = MakeList({"CAT"});
  const size_t before = settings_.size();
  { PrintSupport support(doc, settings_, nullptr); }
  EXPECT_EQ(settings_.size(), before);
  {
    PrintSupport support(doc, settings_, nullptr);
    PageSetupDialog dialog(support.Setup(), prompt_);
    dialog.MarginEdit(2)->setText("1.5");
    dialog.accept();
    support.SetSetup(dialog.Result());
  }
  EXPECT_EQ(ReadSetting(settings_, setting::page_setup::kTopMargin), 2160);
  EXPECT_EQ(ReadSetting(settings_, setting::page_setup::kHeaderRoom), 1080);
}

TEST_F(PrintSupportTest, CaptionShowsTheFirstLineOfTheDescription) {
  MTavruneDoc& doc = MakeList({"CAT"});
  const std::string description = std::string(300, 'D') + "\nmore";
  doc.SetDescription(description);
  EXPECT_EQ(PrintJob(doc).Caption(), "Untitled (" + std::string(200, 'D') + ")");
  EXPECT_EQ(doc.Description(), description);
}

// A value typed into a field and OK pressed: the range message in the
// dialog's units with the focus back on the field, or the value taken.
struct FieldCase {
  QLineEdit* field;
  const char* text;
  std::vector<std::string> range;  // empty when taken or not a number
  int message;                     // 0 when taken
};

void PressOk(QDialog& dialog, const FieldCase& c, testing::RecordingPrompt& prompt) {
  prompt.Clear();
  dialog.show();
  c.field->setText(c.text);
  dialog.accept();
  if (c.message == 0) {
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.text;
    EXPECT_TRUE(prompt.messages.empty()) << c.text;
  } else {
    EXPECT_TRUE(dialog.isVisible()) << c.text;
    ASSERT_EQ(prompt.MessageIds(), std::vector<int>{c.message}) << c.text;
    EXPECT_EQ(prompt.messages[0].args, c.range) << c.text;
    EXPECT_EQ(dialog.focusWidget(), c.field) << c.text;
  }
  dialog.hide();
}

TEST(PageSetupDialogTest, OutOfRangeSizesAndMarginsKeepTheDialogOpen) {
  testing::EnsureQtApp();
  testing::RecordingPrompt prompt;
  PageSetupDialog dialog(PageSetup(), prompt);
  EXPECT_EQ(dialog.SizeEdit(0)->text(), "8.50");
  const std::vector<std::string> sizes = {"4", "17"};
  const std::vector<std::string> margins = {"0.5", "1.5"};
  for (const FieldCase& c : {FieldCase{dialog.SizeEdit(0), "3", sizes, kIntegerRangeText},
                             FieldCase{dialog.SizeEdit(1), "18", sizes, kIntegerRangeText},
                             FieldCase{dialog.SizeEdit(0), "wide", {}, kIntegerText},
                             FieldCase{dialog.MarginEdit(3), "1.6", margins, kIntegerRangeText},
                             FieldCase{dialog.MarginEdit(0), "0.25", margins, kIntegerRangeText}}) {
    const QString opening = c.field->text();
    PressOk(dialog, c, prompt);
    c.field->setText(opening);
  }
  EXPECT_EQ(dialog.Result(), PageSetup());
  PressOk(dialog, {dialog.SizeEdit(0), "4", {}, 0}, prompt);
  EXPECT_EQ(dialog.Result().width, 4 * 1440);
}

TEST(FontsSpacingDialogTest, WholePointsWithinTheirRanges) {
  testing::EnsureQtApp();
  testing::RecordingPrompt prompt;
  FontsSpacingDialog dialog(FontDialogValuesOf(PageSetup()), prompt);
  EXPECT_EQ(dialog.windowTitle(), "Fonts and Spacing");
  EXPECT_EQ(dialog.SizeEdit()->text(), "10");
  EXPECT_EQ(dialog.ColumnSpacingEdit()->text(), "15");
  for (const FieldCase& c :
       {FieldCase{dialog.LineSpacingEdit(), "9", {"0", "3"}, kIntegerRangeText},
        FieldCase{dialog.ColumnSpacingEdit(), "12.5", {}, kIntegerText},
        FieldCase{dialog.SizeEdit(), "31", {"6", "30"}, kIntegerRangeText}}) {
    const QString opening = c.field->text();
    PressOk(dialog, c, prompt);
    c.field->setText(opening);
  }
  dialog.LineSpacingEdit()->setText("3");
  PressOk(dialog, {dialog.ColumnSpacingEdit(), "12", {}, 0}, prompt);
  PageSetup setup;
  ApplyFontDialog(dialog.Values(), setup);
  EXPECT_EQ(setup.vertical_spacing, 60);
  EXPECT_EQ(setup.column_spacing, 240);
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
    Dictionary app(folder_.path(), settings_, prompt);
    ASSERT_TRUE(app.DiscoverLexicons());
    app.ReadSettings();
    ASSERT_TRUE(app.LoadNeededLexicons());
    RandomEngine random;
    MTavruneDoc doc(app, settings_, prompt, random);
    doc.MergeWords(words_);
    doc.SetDescription("Q words");
    ASSERT_TRUE(doc.SaveDocumentAs(folder_.File("q.tvr")));
  }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream err;
    const int status =
        RunPrintPdfCommand(args, FindDataFolder(folder_.path(), nullptr), settings_, err);
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

// Qt's own warnings would be a second line on the error stream.
int qt_warnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtDebugMsg && type != QtInfoMsg) ++qt_warnings;
}

TEST_F(PrintPdfCommandTest, FailuresAreOneLineNamingTheFile) {
  SaveList();
  testing::WriteBytes(folder_.File("notes.tvr"), {'n', 'o', 't', 'e', 's'});
  const std::string missing = folder_.File("none.tvr");
  const struct {
    std::vector<std::string> args;
    std::string message;  // or a start of it
  } kCases[] = {
      {{kPrintPdfOption, "out.pdf"}, "Usage: Tavrune --print-pdf OUT.pdf LIST.tvr\n"},
      {{kPrintPdfOption, folder_.File("out.pdf"), missing},
       "Unable to read the word list " + missing + ": No such file or directory.\n"},
      {{kPrintPdfOption, folder_.File("out.pdf"), folder_.File("notes.tvr")},
       folder_.File("notes.tvr") + " is not a Tavrune word list file."},
      {{kPrintPdfOption, folder_.File("no/such/folder.pdf"), folder_.File("q.tvr")},
       "Unable to write " + folder_.File("no/such/folder.pdf") + ": "},
      {{kPrintPdfOption, folder_.path(), folder_.File("q.tvr")},
       "Unable to write " + folder_.path() + ": "},
  };
  qt_warnings = 0;
  const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
  for (const auto& c : kCases) {
    EXPECT_NE(Run(c.args), 0);
    EXPECT_EQ(err_.substr(0, c.message.size()), c.message);
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(qt_warnings, 0);
}

TEST_F(PrintPdfCommandTest, WithoutLexiconsItNamesTheFoldersTriedOnOneLine) {
  SaveList();
  std::ostringstream err;
  const DataFolder none = FindDataFolder(folder_.File("bin"), nullptr);
  const std::string pdf = folder_.File("q.pdf");
  EXPECT_EQ(RunPrintPdfCommand({kPrintPdfOption, pdf, folder_.File("q.tvr")}, none, settings_, err),
            1);
  const std::string message = err.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(folder_.File("bin/Lexicons or ") + folder_.File("share/tavrune/Lexicons")),
            std::string::npos)
      << message;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

// A limit on file sizes fails the writes as a full disk does.
TEST_F(PrintPdfCommandTest, AFailedWriteLeavesTheOldPdfAsItWas) {
  SaveList();
  const std::string pdf = folder_.File("q.pdf");
  const std::vector<uint8_t> old = {'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'};
  testing::WriteBytes(pdf, old);
  rlimit saved = {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  const sighandler_t handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const int status = Run({kPrintPdfOption, pdf, folder_.File("q.tvr")});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);

  EXPECT_EQ(status, 1);
  EXPECT_EQ(err_, "Unable to write " + pdf + ": File too large.\n");
  std::ifstream in(pdf, std::ios::binary);
  EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}), old);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Lexicons", "q.pdf", "q.tvr"}));
}

}  // namespace
}  // namespace tavrune
