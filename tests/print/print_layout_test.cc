#include "print/print_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tavrune {
namespace {

// Every character (not byte) of every font is 100 twips wide.
int Measure(PrintFont, std::string_view text) {
  int characters = 0;
  for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return 100 * characters;
}

// Content with `answers[i]` answers for entry i.
PrintContent ContentOf(const std::vector<int>& answers, int longest_word, int longest_answer) {
  PrintContent content;
  for (int n : answers) content.answer_offsets.push_back(content.answer_offsets.back() + n);
  content.longest_word = longest_word;
  content.longest_answer = longest_answer;
  return content;
}

TEST(PrintLayoutTest, DefaultPortraitPage) {
  const PageGeometry g = ComputePageGeometry(PageSetup(), PrinterFacts());
  EXPECT_EQ(g.header_line, 720);
  EXPECT_EQ(g.body_top, 1440);
  EXPECT_EQ(g.left_edge, 1440);
  EXPECT_EQ(g.right_edge, 12240 - 1440);
  EXPECT_EQ(g.footer_line, 15840 - 720);
  EXPECT_EQ(g.credit_line, 15840 - 1440 + 100);
  EXPECT_EQ(g.lines_per_column, (15840 - 2 * 1440) / 200);
}

TEST(PrintLayoutTest, LandscapeAndUnprintableOffset) {
  const PageGeometry g = ComputePageGeometry(PageSetup(), {true, 300, 200});
  EXPECT_EQ(g.usable_width, 15840 - 300);
  EXPECT_EQ(g.usable_height, 12240 - 200);
  EXPECT_EQ(g.left_edge, 1140);
  EXPECT_EQ(g.right_edge, 15840 - 300 - 1440);
  EXPECT_EQ(g.body_top, 1240);
  EXPECT_EQ(g.header_line, 520);
  EXPECT_EQ(g.lines_per_column, (12240 - 2 * 1440) / 200);
}

TEST(PrintLayoutTest, ColumnWidths) {
  const PageSetup setup;
  const PageGeometry g = ComputePageGeometry(setup, PrinterFacts());
  const int span = 300 + 12240 - 2 * 1440;  // 9660
  const struct {
    PrintContent content;
    int answer_offset;
    int natural_width;
  } kCases[] = {
      {ContentOf({0, 0}, 5, 0), 600, 300 + 500},
      {ContentOf({2, 1}, 5, 7), 600, 700 + 300 + 600},
      {[] {
         PrintContent c = ContentOf({2}, 5, 7);
         c.word_marks = c.answer_marks = true;
         return c;
       }(),
       700, 800 + 300 + 700},
      {[] {
         PrintContent c = ContentOf({2}, 5, 5);
         c.hooks = true;
         c.longest_front = 3;
         c.longest_end = 2;
         return c;
       }(),
       600, 500 + 300 + 600 + 200 + 200 + 300},
  };
  for (const auto& c : kCases) {
    const ColumnMetrics m = ComputeColumnMetrics(setup, g, c.content, Measure);
    EXPECT_EQ(m.answer_offset, c.answer_offset);
    EXPECT_EQ(m.columns_per_page, span / c.natural_width);
    EXPECT_EQ(m.column_width, span / m.columns_per_page);
  }
}

TEST(PrintLayoutTest, ColumnTooWideStillPrintsOnePerPage) {
  const PrintLayout layout(PageSetup(), PrinterFacts(), ContentOf({1, 1, 1}, 15, 90), Measure);
  EXPECT_EQ(layout.Columns().columns_per_page, 1);
  EXPECT_TRUE(layout.TypeShrunk());
  EXPECT_EQ(layout.PageCount(), 1);
  EXPECT_EQ(layout.ColumnLines(1, 0).size(), 3u);
}

TEST(PrintLayoutTest, AnswersContinueInTheNextColumnWithoutTheWord) {
  PageSetup setup;
  setup.font_size = 600;
  setup.vertical_spacing = 48;  // 20 lines a column
  const PrintLayout layout(setup, PrinterFacts(), ContentOf({0, 45, 1}, 5, 5), Measure);
  ASSERT_EQ(layout.Geometry().lines_per_column, 20);
  EXPECT_EQ(layout.ColumnCount(), 3);
  const std::vector<PrintLine> first = layout.ColumnLines(1, 0);
  ASSERT_EQ(first.size(), 20u);
  EXPECT_EQ(first[0], (PrintLine{0, -1, true}));
  EXPECT_EQ(first[1], (PrintLine{1, 0, true}));
  EXPECT_EQ(first[2], (PrintLine{1, 1, false}));
  const std::vector<PrintLine> second = layout.ColumnLines(1, 1);
  EXPECT_EQ(second.front(), (PrintLine{1, 19, false}));
  const std::vector<PrintLine> third = layout.ColumnLines(1, 2);
  ASSERT_EQ(third.size(), 7u);
  EXPECT_EQ(third[5], (PrintLine{1, 44, false}));
  EXPECT_EQ(third[6], (PrintLine{2, 45, true}));
}

TEST(PrintLayoutTest, PagesHoldTheirColumns) {
  // 64 lines a column, 12 columns a page: 1200 words make 19 columns.
  const PrintLayout layout(PageSetup(), PrinterFacts(), ContentOf(std::vector<int>(1200, 0), 5, 0),
                           Measure);
  EXPECT_EQ(layout.Columns().columns_per_page, 12);
  EXPECT_EQ(layout.ColumnCount(), 19);
  EXPECT_EQ(layout.PageCount(), 2);
  EXPECT_EQ(layout.ColumnLines(2, 0).front().entry, 12 * 64);
  EXPECT_TRUE(layout.ColumnLines(2, 7).empty());
  EXPECT_EQ(PrintLayout(PageSetup(), PrinterFacts(), PrintContent(), Measure).PageCount(), 1);
}

// A 4 x 4 inch page with 1.5 inch margins leaves a body one inch wide.
PageSetup TinyPage() {
  PageSetup setup;
  setup.width = setup.height = 4 * 1440;
  setup.left_margin = setup.right_margin = setup.top_margin = setup.bottom_margin = 2160;
  setup.font_size = 600;
  return setup;
}

TEST(PrintLayoutTest, TypeShrinksUntilAColumnFitsBetweenTheMargins) {
  const PrintContent hooked = [] {
    PrintContent c = ContentOf({3, 1}, 7, 7);
    c.hooks = true;
    c.longest_front = c.longest_end = 2;
    return c;
  }();
  const struct {
    PageSetup setup;
    PrintContent content;
    bool shrunk;
  } kCases[] = {
      {PageSetup(), ContentOf({3, 1}, 7, 7), false},
      {TinyPage(), ContentOf({3, 1}, 7, 7), true},
      {TinyPage(), hooked, true},
      {TinyPage(), ContentOf({0, 0}, 15, 0), true},
  };
  for (const auto& c : kCases) {
    const PrintLayout layout(c.setup, PrinterFacts(), c.content, Measure);
    const PageGeometry& g = layout.Geometry();
    const ColumnMetrics& m = layout.Columns();
    EXPECT_EQ(layout.TypeShrunk(), c.shrunk);
    const int size = layout.Setup().font_size;
    const int widest = c.content.answer_offsets.back() == 0
                           ? m.word_width
                           : m.answer_offset + m.front_width + m.answer_width + m.end_width +
                                 2 * c.setup.ana_hooks_spacing * c.content.hooks;
    EXPECT_LE(layout.ColumnX(0) + widest, g.right_edge);
    if (c.shrunk) {
      EXPECT_LT(size, c.setup.font_size);
      // As large as fits: the column fills the body, give or take rounding.
      EXPECT_GE(layout.ColumnX(0) + widest, g.right_edge - 10);
      EXPECT_EQ(g.line_height, size);
    } else {
      EXPECT_EQ(size, c.setup.font_size);
    }
  }
}

TEST(PrintLayoutTest, HeaderPartsThatWouldMeetAreCutToAThirdEach) {
  using Parts = std::array<std::string, 3>;
  const struct {
    Parts parts;
    int width;
    Parts expected;
  } kCases[] = {
      {{"Dec 08, 26", "q.tvr (Q words)", "Page 1/3"}, 9360, {}},
      {{"", "a centre that fits", ""}, 1800, {}},
      {{"Dec 08, 26", "q.tvr (Q words)", "Page 1/3"}, 1440, {"Dec…", "q.t…", "Pag…"}},
      {{"Dec 08, 26", "", "Page 1/3"}, 1440, {"Dec…", "", "Pag…"}},
      {{"A left part wider than the page", "", ""}, 1440, {"A l…", "", ""}},
      {{"Übergrößen", "", "Größe"}, 900, {"Üb…", "", "Gr…"}},
  };
  for (const auto& c : kCases) {
    const Parts expected = c.expected == Parts{} ? c.parts : c.expected;
    EXPECT_EQ(FitThreeParts(c.parts, c.width, Measure), expected) << c.parts[0];
  }
  // Bytes that begin no character, as a hand-edited setting may hold, are
  // still measured by the real fonts (as replacement characters).
  const auto bytes = [](PrintFont, std::string_view text) {
    return 100 * static_cast<int>(text.size());
  };
  EXPECT_EQ(FitThreeParts({"\x80\x80\x80\x80\x80\x80", "", ""}, 300, bytes), (Parts{"…", "", ""}));
}

}  // namespace
}  // namespace tavrune
