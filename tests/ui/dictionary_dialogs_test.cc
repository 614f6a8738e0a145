#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "options/ui/choose_dictionary_dialog.h"
#include "options/ui/dictionary_dialog.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class DictionaryDialogsTest : public ::testing::Test {
 protected:
  DictionaryDialogsTest() { testing::EnsureQtApp(); }

  static DictionaryChoices Choices(int source, int answer_source) {
    DictionaryChoices choices;
    choices.source = source;
    choices.answer_source = answer_source;
    choices.use_symbols = true;
    choices.symbols = {"*", " ", "$"};
    return choices;
  }

  static constexpr LexiconPresence kBritishAndAmerican = {true, true, true, false, false};
};

TEST_F(DictionaryDialogsTest, CombinedListAlwaysOpensWithAnswersFromBoth) {
  DictionaryDialog dialog(Choices(2, 0), kBritishAndAmerican);
  EXPECT_EQ(dialog.windowTitle(), "Dictionary Options");
  EXPECT_EQ(dialog.AnswerSourceButton(2)->text(), "Britain an&d North America");
  EXPECT_TRUE(dialog.AnswerSourceButton(2)->isChecked());
  EXPECT_TRUE(dialog.AnswerSourceBox()->isEnabled());
  EXPECT_TRUE(dialog.DictionaryButton(2)->isChecked());
  EXPECT_FALSE(dialog.DictionaryButton(3)->isEnabled());
  EXPECT_FALSE(dialog.DictionaryButton(4)->isEnabled());
  EXPECT_TRUE(dialog.BothSymbolEdit()->isEnabled());
}

TEST_F(DictionaryDialogsTest, AnswerSourceFollowsTheDictionaryClicked) {
  DictionaryDialog dialog(Choices(1, 0), kBritishAndAmerican);
  EXPECT_FALSE(dialog.AnswerSourceBox()->isEnabled());
  EXPECT_TRUE(dialog.AnswerSourceButton(0)->isChecked());
  dialog.DictionaryButton(2)->click();
  EXPECT_TRUE(dialog.AnswerSourceBox()->isEnabled());
  EXPECT_TRUE(dialog.AnswerSourceButton(2)->isChecked());
  dialog.AnswerSourceButton(1)->click();
  dialog.SymbolsCheck()->click();
  dialog.MainWordSymbolsCheck()->click();
  dialog.UkSymbolEdit()->setText("");
  const DictionaryChoices choices = dialog.Choices();
  EXPECT_EQ(choices.source, 2);
  EXPECT_EQ(choices.answer_source, 1);
  EXPECT_FALSE(choices.use_symbols);
  EXPECT_TRUE(choices.use_symbols_for_main_word);
  EXPECT_EQ(choices.symbols.both, "*");
  EXPECT_EQ(choices.symbols.uk_only, "");
  EXPECT_EQ(choices.symbols.na_only, "$");
  dialog.DictionaryButton(0)->click();
  EXPECT_FALSE(dialog.AnswerSourceBox()->isEnabled());
}

TEST_F(DictionaryDialogsTest, MarksNeedBritishAndAmericanLists) {
  DictionaryDialog dialog(Choices(2, 2), {false, true, true, true, true});
  for (QWidget* control : std::initializer_list<QWidget*>{
           dialog.SymbolsCheck(), dialog.MainWordSymbolsCheck(), dialog.BothSymbolEdit(),
           dialog.UkSymbolEdit(), dialog.NaSymbolEdit()}) {
    EXPECT_FALSE(control->isEnabled());
  }
  EXPECT_EQ(dialog.Choices().use_symbols, true);  // kept as it was
}

TEST_F(DictionaryDialogsTest, ChoiceOffersOnlyFoundDictionaries) {
  ChooseDictionaryDialog dialog(kBritishAndAmerican, 1);
  EXPECT_EQ(dialog.windowTitle(), "Choose a Dictionary");
  const char* labels[] = {"&Britain", "&North America", "Britain &and North America", "&French",
                          "North America Famil&y"};
  for (int id = 0; id < kLexiconCount; ++id) {
    EXPECT_EQ(dialog.DictionaryButton(id)->text(), labels[id]);
    EXPECT_EQ(dialog.DictionaryButton(id)->isEnabled(), kBritishAndAmerican[id]);
  }
  EXPECT_TRUE(dialog.DictionaryButton(1)->isChecked());
  dialog.DictionaryButton(0)->click();
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.Choice(), 0);
}

TEST_F(DictionaryDialogsTest, ClosingTheChoiceKeepsThePreselection) {
  ChooseDictionaryDialog dialog(kBritishAndAmerican, 2);
  dialog.DictionaryButton(0)->click();
  dialog.reject();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Choice(), 2);
}

}  // namespace
}  // namespace tavrune
