#include "wordlist/ui/predefined_lists_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

std::vector<std::string> Texts(const QListWidget* box) {
  std::vector<std::string> texts;
  for (int i = 0; i < box->count(); ++i) texts.push_back(box->item(i)->text().toStdString());
  return texts;
}

std::string Current(const QListWidget* box) {
  return box->currentItem() == nullptr ? "" : box->currentItem()->text().toStdString();
}

void Select(QListWidget* box, const char* text) {
  const QList<QListWidgetItem*> found = box->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.empty()) << text;
  box->setCurrentItem(found.front());
}

using Texts_ = std::vector<std::string>;

class PredefinedListsDialogTest : public ::testing::Test {
 protected:
  PredefinedListsDialogTest()
      : lexicon_(testing::MakeLexicon({"AA", "QI", "ZA", "CAT", "QAT", "SALTINE", "NASTIER"})),
        catalog_(prompt_) {
    testing::EnsureQtApp();
    std::filesystem::create_directory(program_.path() + "/PgmLists");
    Write("Master.txt",
          "Threes Threes.txt D\n2Letter Twos.txt D\nSevens Sevens.txt D\nGone Gone.txt D\n"
          "British UK.txt B\n");
    Write("Twos.txt", "2\nGeneral\n Zed CNT Z\n All PAT ??\n Q CNT Q\nHighTiles\n Q CNT Q\n");
    Write("Threes.txt", "3\nFirst\n Q CNT Q\n All PAT ???\nEmpty\n Bad NVW 99\n");
    Write("Sevens.txt", "7\nStems\n AEINST STM\n Top PBL ??????? 1 10\n");
    Write("UK.txt", "2\nGeneral\n All PAT ??\n");
    catalog_.SetLexicon(LexiconId::kUKNA, &lexicon_);
    catalog_.Load(program_.path() + "/");
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(program_.path() + "/PgmLists/" + name) << text;
  }

  PredefinedListsDialog& Open(PredefinedListChoice remembered = {"2Letter", "General", "All"}) {
    dialog_ = std::make_unique<PredefinedListsDialog>(catalog_, remembered);
    dialog_->show();
    return *dialog_;
  }

  testing::TempFolder program_;
  Lexicon lexicon_;
  testing::RecordingPrompt prompt_;
  PredefinedCatalog catalog_;
  std::unique_ptr<PredefinedListsDialog> dialog_;
};

TEST_F(PredefinedListsDialogTest, OpensOnTheRememberedChoice) {
  PredefinedListsDialog& dialog = Open();
  EXPECT_EQ(dialog.windowTitle(), "Predefined Lists");
  EXPECT_EQ(dialog.SortCheck()->text(), "So&rt List Names");
  EXPECT_FALSE(dialog.SortCheck()->isChecked());
  EXPECT_EQ(Texts(dialog.CategoryBox()),
            (Texts_{"Threes", "2Letter", "Sevens", "Gone", "British"}));
  EXPECT_EQ(Current(dialog.CategoryBox()), "2Letter");
  EXPECT_EQ(Texts(dialog.SubcategoryBox()), (Texts_{"General", "HighTiles"}));
  EXPECT_EQ(Current(dialog.SubcategoryBox()), "General");
  EXPECT_EQ(Texts(dialog.ListBox()), (Texts_{"Zed", "All", "Q"}));
  EXPECT_EQ(Current(dialog.ListBox()), "All");
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  // Only the category shown is read.
  EXPECT_TRUE(catalog_.IsLoaded(1));
  EXPECT_FALSE(catalog_.IsLoaded(0));

  catalog_.SetLexicon(LexiconId::kNA, &lexicon_);
  EXPECT_EQ(Texts(Open().CategoryBox()), (Texts_{"Threes", "2Letter", "Sevens", "Gone"}));
}

TEST_F(PredefinedListsDialogTest, UnknownRememberedNamesSelectTheFirstEntries) {
  PredefinedListsDialog& dialog = Open({"Nothing", "Nowhere", "None"});
  EXPECT_EQ(Current(dialog.CategoryBox()), "Threes");
  EXPECT_EQ(Current(dialog.SubcategoryBox()), "First");
  EXPECT_EQ(Current(dialog.ListBox()), "Q");
  EXPECT_EQ(dialog.Choice().list, "Q");
}

TEST_F(PredefinedListsDialogTest, ChoosingACategoryReadsItAndSelectsTheRememberedNames) {
  PredefinedListsDialog& dialog = Open({"2Letter", "HighTiles", "Q"});
  EXPECT_EQ(Current(dialog.SubcategoryBox()), "HighTiles");
  Select(dialog.CategoryBox(), "Threes");
  EXPECT_TRUE(catalog_.IsLoaded(0));
  EXPECT_EQ(catalog_.RecentCategories()[0], 0);
  EXPECT_EQ(Texts(dialog.SubcategoryBox()), (Texts_{"First", "Empty"}));
  EXPECT_EQ(Current(dialog.SubcategoryBox()), "First");
  EXPECT_EQ(Current(dialog.ListBox()), "Q");  // the remembered list, present here too

  // A list the user selects is remembered when the subcategory changes.
  Select(dialog.ListBox(), "All");
  Select(dialog.CategoryBox(), "2Letter");
  EXPECT_EQ(Current(dialog.SubcategoryBox()), "HighTiles");
  EXPECT_EQ(Current(dialog.ListBox()), "Q");  // no All here: the first
  Select(dialog.SubcategoryBox(), "General");
  EXPECT_EQ(Current(dialog.ListBox()), "All");
}

TEST_F(PredefinedListsDialogTest, SortingKeepsTheSelectedListByName) {
  PredefinedListsDialog& dialog = Open();
  Select(dialog.ListBox(), "Q");
  QTest::mouseClick(dialog.SortCheck(), Qt::LeftButton);
  EXPECT_TRUE(dialog.SortCheck()->isChecked());
  EXPECT_EQ(Texts(dialog.ListBox()), (Texts_{"All", "Q", "Zed"}));
  EXPECT_EQ(Current(dialog.ListBox()), "Q");
  EXPECT_EQ(dialog.SelectedList()->name(), "Q");

  // Other subcategories are sorted too while the box is checked.
  Select(dialog.CategoryBox(), "Threes");
  EXPECT_EQ(Texts(dialog.ListBox()), (Texts_{"All", "Q"}));

  QTest::mouseClick(dialog.SortCheck(), Qt::LeftButton);
  EXPECT_EQ(Texts(dialog.ListBox()), (Texts_{"Q", "All"}));
  EXPECT_EQ(Current(dialog.ListBox()), "Q");
}

TEST_F(PredefinedListsDialogTest, OkNeedsASelectedList) {
  PredefinedListsDialog& dialog = Open();
  Select(dialog.CategoryBox(), "Threes");
  Select(dialog.SubcategoryBox(), "Empty");
  EXPECT_EQ(dialog.ListBox()->count(), 0);
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.SelectedList(), nullptr);

  // A category whose file is missing is reported and offers nothing.
  Select(dialog.CategoryBox(), "Gone");
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40003});
  EXPECT_EQ(dialog.SubcategoryBox()->count(), 0);
  EXPECT_FALSE(dialog.OkButton()->isEnabled());

  Select(dialog.CategoryBox(), "2Letter");
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
}

TEST_F(PredefinedListsDialogTest, AnEmptyCatalogOffersNothing) {
  std::filesystem::remove(program_.path() + "/PgmLists/Master.txt");
  catalog_.Load(program_.path() + "/");
  PredefinedListsDialog& dialog = Open();
  EXPECT_EQ(dialog.CategoryBox()->count(), 0);
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Choice().category, "");
}

TEST_F(PredefinedListsDialogTest, OkGivesTheChoiceItsDescriptionAndStem) {
  PredefinedListsDialog& dialog = Open();
  Select(dialog.CategoryBox(), "Sevens");
  EXPECT_EQ(Current(dialog.ListBox()), "AEINST");
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const PredefinedListChoice choice = dialog.Choice();
  EXPECT_EQ(choice.category, "Sevens");
  EXPECT_EQ(choice.subcategory, "Stems");
  EXPECT_EQ(choice.list, "AEINST");
  EXPECT_EQ(dialog.Description(), "Sevens.Stems.AEINST");
  EXPECT_EQ(dialog.Stem(), "AEINST");

  const auto built = catalog_.BuildList(choice.category, choice.subcategory, choice.list);
  ASSERT_TRUE(built);
  EXPECT_EQ(built->words.Count(), 2);
}

TEST_F(PredefinedListsDialogTest, CancelCloses) {
  PredefinedListsDialog& dialog = Open();
  QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace tavrune
