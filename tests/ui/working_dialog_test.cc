#include "wordlist/ui/working_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <string>

#include "tests/ui/qt_test_app.h"
#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

class WorkingDialogTest : public testing::DocTest {
 protected:
  WorkingDialogTest() { testing::EnsureQtApp(); }

  // A Hooks list of CAT (hooked by SCAT and CATS) and `unhooked` words that
  // take no hook.
  MTavruneDoc& HooksList(int unhooked) {
    MTavruneDoc& doc = MakeList({"CAT"}, ListType::kHooks);
    WordCollection words = testing::Words({});
    for (int i = 0; i < unhooked; ++i) {
      words.Append(std::string("QX") + static_cast<char>('A' + i / 26) +
                   static_cast<char>('A' + i % 26));
    }
    doc.MergeWords(words);
    return doc;
  }
};

TEST_F(WorkingDialogTest, StepsUntilEveryEntryIsTested) {
  MTavruneDoc& doc = HooksList(59);
  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  WorkingDialog dialog(removal);
  EXPECT_EQ(dialog.windowTitle(), "Working ...");
  EXPECT_EQ(dialog.MessageLabel()->text(), "Removing words WITHOUT Answers ...");
  EXPECT_EQ(dialog.ProgressLabel()->text(), "0% complete");
  dialog.Tick();
  EXPECT_EQ(dialog.ProgressLabel()->text(), "41% complete");
  dialog.Tick();
  dialog.Tick();
  EXPECT_EQ(dialog.ProgressLabel()->text(), "100% complete");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(removal.Finish(), 59);
  EXPECT_EQ(Entries(), std::vector<std::string>{"CAT"});
}

TEST_F(WorkingDialogTest, CancelKeepsWhatWasRemovedSoFar) {
  MTavruneDoc& doc = HooksList(59);
  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  WorkingDialog dialog(removal);
  dialog.Tick();
  dialog.CancelButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(removal.Finish(), 24);  // the first 25 entries but CAT
  EXPECT_EQ(doc.EntryCount(), 36);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(WorkingDialogTest, RunRemovesAndReportsTheCount) {
  MTavruneDoc& doc = HooksList(3);
  EXPECT_EQ(RunAnswerRemoval(doc, true, nullptr), 1);
  EXPECT_EQ(doc.EntryCount(), 3);
  MTavruneDoc& plain = MakeList({"CAT", "TOE"}, ListType::kList);
  EXPECT_EQ(RunAnswerRemoval(plain, false, nullptr), 0);
  EXPECT_EQ(plain.EntryCount(), 2);
}

}  // namespace
}  // namespace tavrune
