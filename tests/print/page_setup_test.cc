#include "print/page_setup.h"

#include <gtest/gtest.h>

#include <string>

#include "print/header_footer.h"
#include "print/print_setting_keys.h"

namespace tavrune {
namespace {

namespace ps = setting::page_setup;

TEST(PageSetupTest, ClampsStoredNumbersIntoTheDialogRanges) {
  MemorySettings settings;
  settings.PutInt(ps::kFontSize.section, ps::kFontSize.key, 0);
  settings.PutInt(ps::kVerticalSpacing.section, ps::kVerticalSpacing.key, -5);
  settings.PutInt(ps::kWidth.section, ps::kWidth.key, 99999);
  settings.PutInt(ps::kLeftMargin.section, ps::kLeftMargin.key, 100);
  settings.PutInt(ps::kAnaHooksSpacing.section, ps::kAnaHooksSpacing.key, 5000);
  const PageSetup setup = ReadPageSetup(settings);
  EXPECT_EQ(setup.font_size, 6 * kTwipsPerPoint);
  EXPECT_EQ(setup.vertical_spacing, 0);
  EXPECT_EQ(setup.width, 17 * kTwipsPerInch);
  EXPECT_EQ(setup.left_margin, kTwipsPerInch / 2);
  EXPECT_EQ(setup.ana_hooks_spacing, kTwipsPerInch);
  EXPECT_EQ(setup.height, PageSetup().height);
}

TEST(PageSetupTest, WritesWhatItReadsButNeverTheFontFamily) {
  PageSetup setup;
  setup.width = 8000;
  setup.footer_right = "p. \\#";
  setup.font_family = "Liberation Mono";
  setup.answer_italic = true;
  MemorySettings settings;
  WritePageSetup(settings, setup);
  EXPECT_FALSE(settings.Has(ps::kFontFamily.section, ps::kFontFamily.key));
  PageSetup expected = setup;
  expected.font_family = PageSetup().font_family;
  EXPECT_EQ(ReadPageSetup(settings), expected);
}

TEST(PageSetupTest, PageDialogTruncatesAndPutsHeaderAndFooterHalfwayIntoTheMargins) {
  PageSetup setup;
  PageDialogValues values = PageDialogValuesOf(setup);
  EXPECT_DOUBLE_EQ(values.width, 8.5);
  values.width = 8.2;
  values.top = 1.3;
  values.bottom = 0.77;
  values.texts[5] = "\\#";
  ApplyPageDialog(values, setup);
  EXPECT_EQ(setup.width, 11808);
  EXPECT_EQ(setup.top_margin, 1872);
  EXPECT_EQ(setup.header_room, 936);
  EXPECT_EQ(setup.bottom_margin, 1108);  // 1108.8
  EXPECT_EQ(setup.footer_room, 554);     // 554.4
  EXPECT_EQ(setup.footer_right, "\\#");
}

TEST(PageSetupTest, FontDialogShowsPointsAndTruncatesToTwips) {
  PageSetup setup;
  setup.font_size = 215;
  FontDialogValues values = FontDialogValuesOf(setup);
  EXPECT_DOUBLE_EQ(values.size, 10.75);
  EXPECT_DOUBLE_EQ(values.column_spacing, 15);
  values.line_spacing = 1.33;
  values.word_bold = false;
  ApplyFontDialog(values, setup);
  EXPECT_EQ(setup.font_size, 215);
  EXPECT_EQ(setup.vertical_spacing, 26);  // 26.6
  EXPECT_FALSE(setup.word_bold);
}

TEST(HeaderFooterTest, ExpandsCodes) {
  const PageFacts facts{3, 7, "Mar 07, 26", "twos.tvr (Two letter words)"};
  const struct {
    const char* text;
    const char* printed;
  } kCases[] = {
      {"Page \\#/\\P", "Page 3/7"},           {"\\p pages, \\d", "7 pages, Mar 07, 26"},
      {"\\F", "twos.tvr (Two letter words)"}, {"\\X and \\\\", "\\X and \\\\"},
      {"ends in \\", "ends in \\"},           {"", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(ExpandPageCodes(c.text, facts), c.printed) << c.text;
}

TEST(HeaderFooterTest, DateAndCaption) {
  std::tm date = {};
  date.tm_year = 2026 - 1900;
  date.tm_mon = 2;
  date.tm_mday = 7;
  EXPECT_EQ(PrintDate(date), "Mar 07, 26");
  EXPECT_EQ(PrintCaption("twos.tvr", ""), "twos.tvr");
  EXPECT_EQ(PrintCaption("twos.tvr", "Twos"), "twos.tvr (Twos)");
}

}  // namespace
}  // namespace tavrune
