#include "search/ui/random_racks_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <memory>

#include "resources/string_table.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class RandomRacksDialogTest : public ::testing::Test {
 protected:
  RandomRacksDialogTest() { testing::EnsureQtApp(); }

  void Type(RandomRacksDialog& dialog, RackField field, const char* text) {
    dialog.Edit(field)->clear();
    QTest::keyClicks(dialog.Edit(field), text);
  }

  MemorySettings settings_;
  testing::RecordingPrompt prompt_;
};

TEST_F(RandomRacksDialogTest, AMaximumBelowItsMinimumKeepsTheDialogOpen) {
  auto dialog = std::make_unique<RandomRacksDialog>(settings_, prompt_);
  EXPECT_EQ(dialog->Edit(RackField::kNumRacks)->text(), "100");
  Type(*dialog, RackField::kMinPoints, "12");
  Type(*dialog, RackField::kMaxPoints, "10");
  dialog->accept();
  EXPECT_NE(dialog->result(), QDialog::Accepted);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].id, kIntegerRangeText);
  EXPECT_EQ(prompt_.messages[0].args, (std::vector<std::string>{"12", "100"}));
  EXPECT_EQ(dialog->focusWidget(), dialog->Edit(RackField::kMaxPoints));

  Type(*dialog, RackField::kMaxPoints, "20");
  dialog->IgnoreBlanksBox()->setChecked(true);
  dialog->accept();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  dialog.reset();
  EXPECT_EQ(settings_.GetInt("RandomRacks", "MaxPoints", -1), 20);
  EXPECT_EQ(settings_.GetInt("RandomRacks", "IgnoreBlanks", -1), 1);
}

TEST_F(RandomRacksDialogTest, CancelWritesBackTheValuesRead) {
  settings_.PutInt("RandomRacks", "NumRacks", 50);
  auto dialog = std::make_unique<RandomRacksDialog>(settings_, prompt_);
  Type(*dialog, RackField::kNumRacks, "150");
  dialog->reject();
  dialog.reset();
  EXPECT_EQ(settings_.GetInt("RandomRacks", "NumRacks", -1), 50);
  EXPECT_EQ(settings_.GetInt("RandomRacks", "LettersPerRack", -1), 8);
}

}  // namespace
}  // namespace tavrune
