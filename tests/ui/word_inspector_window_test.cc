#include "inspect/ui/word_inspector_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/wordnet_fixture.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

// Clicks the link to `word` where the browser draws it; false when no
// link to it is shown.
bool ClickLink(QTextBrowser* browser, const QString& word) {
  QTextDocument* document = browser->document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != QStringLiteral("inspect:") + word) continue;
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position() + 1);
      QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                        browser->cursorRect(cursor).center());
      return true;
    }
  }
  return false;
}

class WordInspectorWindowTest : public ::testing::Test {
 protected:
  WordInspectorWindowTest() {
    testing::EnsureQtApp();
    testing::WordNetFixture()
        .Sense("noun", "qi", 'n', "the circulating life energy")
        .Sense("noun", "cat", 'n', "feline mammal")
        .Write(folder_.path());
  }

  std::unique_ptr<WordInspectorWindow> Window(const std::string& wordnet_folder) {
    wordnet_ = std::make_unique<WordNet>(wordnet_folder);
    auto window = std::make_unique<WordInspectorWindow>(
        std::make_unique<WordInspector>(lexicon_, LexiconId::kUKNA), *wordnet_);
    window->show();
    // Alt+Left is a window shortcut: it reaches only the active window.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  static QString Shown(const WordInspectorWindow& window) { return window.Facts()->toPlainText(); }

  const Lexicon lexicon_ =
      testing::MakeLexicon({"QI", "QIS", "AT", "CAT", "ACT", "CATS", "SCAT", "CAST"});
  testing::TempFolder folder_;
  std::unique_ptr<WordNet> wordnet_;
};

TEST_F(WordInspectorWindowTest, ReturnInspectsTheTypedWordWithItsDefinition) {
  auto window = Window(folder_.path());
  QTest::keyClicks(window->WordField(), "qi");
  QTest::keyClick(window->WordField(), Qt::Key_Return);
  EXPECT_EQ(window->ShownWord(), "QI");
  EXPECT_EQ(window->WordField()->text(), "QI");
  EXPECT_TRUE(Shown(*window).contains("QIS"));
  EXPECT_TRUE(Shown(*window).contains("noun: the circulating life energy"));
  EXPECT_TRUE(window->Note()->isHidden());
}

TEST_F(WordInspectorWindowTest, LinksInspectTheirWordAndAltLeftRetracesThem) {
  auto window = Window(folder_.path());
  ASSERT_TRUE(window->Inspect("CAT"));
  EXPECT_FALSE(window->BackButton()->isEnabled());
  // An end hook, then an anagram of it.
  ASSERT_TRUE(ClickLink(window->Facts(), "CATS"));
  EXPECT_EQ(window->ShownWord(), "CATS");
  EXPECT_TRUE(window->WordField()->hasFocus());
  ASSERT_TRUE(ClickLink(window->Facts(), "SCAT"));
  EXPECT_EQ(window->ShownWord(), "SCAT");
  EXPECT_TRUE(Shown(*window).contains("No definition in WordNet"));

  for (const char* expected : {"CATS", "CAT", "CAT"}) {
    QTest::keyClick(window->WordField(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(window->ShownWord(), expected);
  }
  EXPECT_FALSE(window->BackButton()->isEnabled());
}

TEST_F(WordInspectorWindowTest, ACharacterThatIsNoLetterIsNamedAndTheFactsStay) {
  auto window = Window(folder_.path());
  ASSERT_TRUE(window->Inspect("QI"));
  for (const QString& typed :
       {QStringLiteral("Q1S"), QStringLiteral("café"), QStringLiteral("CAT\U0001F431")}) {
    window->WordField()->setText(typed);
    QTest::keyClick(window->WordField(), Qt::Key_Return);
    const QString refused = typed.mid(typed.indexOf(QRegularExpression("[^A-Za-z]")));
    const QString character = refused.left(refused.at(0).isHighSurrogate() ? 2 : 1);
    EXPECT_TRUE(window->Note()->isVisible());
    EXPECT_TRUE(window->Note()->text().contains("'" + character + "'"))
        << window->Note()->text().toStdString();
    EXPECT_EQ(window->WordField()->text(), typed);
    EXPECT_EQ(window->WordField()->selectedText(), character);
    EXPECT_EQ(window->ShownWord(), "QI");
  }
}

TEST_F(WordInspectorWindowTest, WithoutWordNetTheFactsComeWithOneNote) {
  const std::string missing = folder_.File("absent");
  auto window = Window(missing);
  ASSERT_TRUE(window->Inspect("QI"));
  const QString shown = Shown(*window);
  EXPECT_TRUE(shown.contains("QIS"));
  EXPECT_TRUE(shown.contains(QString::fromStdString(missing)));
  EXPECT_FALSE(shown.contains("No definition"));
}

TEST_F(WordInspectorWindowTest, FollowsTheListOnlyWhenAsked) {
  auto window = Window(folder_.path());
  window->ListMoved("CAT");
  EXPECT_TRUE(window->ShownWord().isEmpty());
  QTest::keyClick(window->FollowBox(), Qt::Key_Space);
  window->ListMoved("CAT");
  EXPECT_EQ(window->ShownWord(), "CAT");
}

TEST_F(WordInspectorWindowTest, FirstDefinitionIsOfTheFirstWordWordNetDefines) {
  WordNet wordnet(folder_.path());
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"QI"}, "noun: the circulating life energy"},
      {{"SCAT", "CAT", "QI"}, "CAT \u2013 noun: feline mammal"},
      {{"SCAT"}, "No definition in WordNet"},
      {{}, "No definition in WordNet"},
  };
  for (const auto& [words, line] : kCases) EXPECT_EQ(FirstDefinition(wordnet, words), line);
  WordNet missing(folder_.File("absent"));
  EXPECT_EQ(FirstDefinition(missing, {"QI"}).rfind("Definitions are off", 0), 0u);
}

}  // namespace
}  // namespace tavrune
