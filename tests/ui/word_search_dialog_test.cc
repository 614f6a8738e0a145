#include "search/ui/word_search_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "search/ui/paged_list_box.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class WordSearchDialogTest : public ::testing::Test {
 protected:
  WordSearchDialogTest() { testing::EnsureQtApp(); }

  Lexicon lexicon_ = testing::MakeLexicon({"STARE", "TEARS", "RATES", "TEA", "EAT"});
  MemorySettings settings_;
  testing::RecordingPrompt prompt_;
};

TEST_F(WordSearchDialogTest, StoredChoicesOpenAndCloseByTheirRules) {
  settings_.PutInt("ToolsSearch", "SearchType", 5);
  settings_.PutInt("ToolsSearch", "UseSmallCaps", 1);
  settings_.PutInt("ToolsSearch", "BuildBuild", 1);
  auto dialog = std::make_unique<WordSearchDialog>(lexicon_, settings_, prompt_, SourceMarker());
  EXPECT_TRUE(dialog->TypeButton(WordSearchType::kPattern)->isChecked());
  EXPECT_FALSE(dialog->SmallCapsBox()->isEnabled());
  EXPECT_TRUE(dialog->SmallCapsBox()->isChecked());
  EXPECT_TRUE(dialog->BuildBuildBox()->isHidden());
  QTest::mouseClick(dialog->TypeButton(WordSearchType::kBuild), Qt::LeftButton);
  EXPECT_TRUE(dialog->SmallCapsBox()->isEnabled());
  dialog.reset();
  EXPECT_EQ(settings_.GetInt("ToolsSearch", "SearchType", -1), 2);
  EXPECT_EQ(settings_.GetInt("ToolsSearch", "BuildBuild", -1), 0);
}

TEST_F(WordSearchDialogTest, SpacedInputFindsTheAnagramsOrSaysWhatIsWrong) {
  WordSearchDialog dialog(lexicon_, settings_, prompt_, SourceMarker());
  QTest::mouseClick(dialog.TypeButton(WordSearchType::kAnagram), Qt::LeftButton);
  QTest::keyClicks(dialog.InputEdit(), "a e r s t");
  QTest::mouseClick(dialog.SearchButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.CountLabel()->text(), "3");
  EXPECT_TRUE(prompt_.messages.empty());

  const std::pair<const char*, int> inputs[] = {{"   ", 40008}, {"AB.", 40033}, {"QZ", 40007}};
  for (const auto& [input, message] : inputs) {
    SCOPED_TRACE(input);
    prompt_.Clear();
    dialog.InputEdit()->clear();
    QTest::keyClicks(dialog.InputEdit(), input);
    QTest::mouseClick(dialog.SearchButton(), Qt::LeftButton);
    EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{message});
  }
  QTest::mouseClick(dialog.ClearButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.InputEdit()->text().isEmpty());
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
}

TEST_F(WordSearchDialogTest, DoubleClickingAResultNamesItsWordWithoutItsMark) {
  WordSearchDialog dialog(lexicon_, settings_, prompt_,
                          [](const WordCollection& words, WordCollection& marked) {
                            for (int i = 0; i < words.Count(); ++i) {
                              marked.Append(std::string(words[i]) + "#");
                            }
                          });
  QTest::mouseClick(dialog.TypeButton(WordSearchType::kAnagram), Qt::LeftButton);
  QTest::keyClicks(dialog.InputEdit(), "tae");
  QTest::mouseClick(dialog.SearchButton(), Qt::LeftButton);
  dialog.show();
  QSignalSpy spy(&dialog, &WordSearchDialog::wordDoubleClicked);
  QListWidget* rows = dialog.Results()->Rows();
  ASSERT_EQ(rows->item(1)->text(), "TEA#");
  QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {},
                     rows->visualItemRect(rows->item(1)).center());
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.takeFirst().at(0).toString(), "TEA");
}

}  // namespace
}  // namespace tavrune
