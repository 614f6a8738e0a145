#include "platform/ui/qt_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "judge/judge_session.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class QtSettingsTest : public ::testing::Test {
 protected:
  QtSettingsTest() { testing::EnsureQtApp(); }
  QString IniPath() const { return QString::fromStdString(dir_.File("settings.ini")); }
  void WriteIni(const std::string& text) const {
    std::ofstream out(dir_.File("settings.ini"), std::ios::binary);
    out << text;
  }

  std::string FileText() const {
    std::ifstream in(dir_.File("settings.ini"));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  testing::TempFolder dir_;
};

TEST_F(QtSettingsTest, RoundTripThroughTheFile) {
  {
    QtSettings settings(IniPath());
    settings.PutInt("General", "CurrentLexicon", 4);
    settings.PutString("General", "ChallengeLogDirectory", "/srv/club, room 2/");
    settings.PutInt("Window", "Big", 1LL << 40);
    EXPECT_EQ(settings.GetInt("General", "CurrentLexicon", 1), 4);  // before it is written out
  }
  const QtSettings settings(IniPath());
  EXPECT_EQ(settings.GetInt("General", "CurrentLexicon", 1), 4);
  EXPECT_EQ(settings.GetString("General", "ChallengeLogDirectory", ""), "/srv/club, room 2/");
  EXPECT_EQ(settings.GetInt("Window", "Big", 0), 1LL << 40);
  EXPECT_EQ(settings.GetString("General", "CurrentLexicon", ""), "4");
  EXPECT_EQ(settings.GetInt("General", "Missing", 17), 17);
  EXPECT_EQ(settings.GetString("Other", "CurrentLexicon", "none"), "none");
}

TEST_F(QtSettingsTest, OddValuesReadAsDefaults) {
  WriteIni(
      "[General]\n"
      "CurrentLexicon=99999999999999999999999\n"
      "NoMouseFlag=often\n"
      "ChallengeLogDirectory=a, b, c\n"
      "Spaced= 3 \n"
      "Bytes=@ByteArray(xyz)\n"
      "Long=" +
      std::string(40000, 'x') + "\n");
  const QtSettings settings(IniPath());
  EXPECT_EQ(settings.GetInt("General", "CurrentLexicon", 1), 1);
  EXPECT_EQ(settings.GetInt("General", "NoMouseFlag", 1), 1);
  EXPECT_EQ(settings.GetString("General", "ChallengeLogDirectory", "/d/"), "/d/");
  EXPECT_EQ(settings.GetInt("General", "Spaced", 0), 3);
  EXPECT_EQ(settings.GetString("General", "Bytes", "dflt"), "dflt");
  EXPECT_EQ(settings.GetString("General", "Long", "dflt"), "dflt");

  const JudgeSettings judge = ReadJudgeSettings(settings, "/home/judge");
  EXPECT_EQ(judge, (JudgeSettings{LexiconId::kNA, "/home/judge/", true}));
}

// A choice reaches the file while the program runs, and a program that did
// not change a value never puts its stale copy over another's choice.
TEST_F(QtSettingsTest, TwoProgramsOverOneFileKeepEachOthersChoices) {
  WriteIni("[General]\nSource=1\n[View]\nType=0\n");
  QtSettings first(IniPath());
  QtSettings second(IniPath());
  EXPECT_EQ(first.GetInt("General", "Source", 2), 1);
  EXPECT_EQ(second.GetInt("General", "Source", 2), 1);

  second.PutInt("General", "Source", 0);
  QCoreApplication::processEvents();
  EXPECT_NE(FileText().find("Source=0"), std::string::npos) << FileText();

  // The first program writes back all it holds, as at its end.
  first.PutInt("General", "Source", 1);
  first.PutString("View", "Type", "1");
  first.Sync();
  EXPECT_NE(FileText().find("Source=0"), std::string::npos) << FileText();
  EXPECT_NE(FileText().find("Type=1"), std::string::npos) << FileText();
}

// A user editing the file finds the General keys under [General]; values an
// earlier version kept in the [%General] group are still read, and a write
// puts the key in its place.
TEST_F(QtSettingsTest, GeneralIsTheFilesOwnSection) {
  WriteIni("[%General]\nSource=3\nShowWelcome=0\n");
  {
    QtSettings settings(IniPath());
    EXPECT_EQ(settings.GetInt("General", "Source", 1), 3);
    settings.PutInt("General", "Source", 4);
    settings.PutInt("View", "Type", 1);
  }
  std::ifstream in(dir_.File("settings.ini"));
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[General]\nSource=4"), std::string::npos) << text;
  EXPECT_EQ(text.find("Source=3"), std::string::npos) << text;
  EXPECT_NE(text.find("[View]\nType=1"), std::string::npos) << text;
  EXPECT_EQ(QtSettings(IniPath()).GetInt("General", "ShowWelcome", 1), 0);
}

TEST_F(QtSettingsTest, GarbageFileReadsAsEmpty) {
  WriteIni(std::string("\x00\xff[[[=\n\x01=\x02\n", 12));
  const QtSettings settings(IniPath());
  EXPECT_EQ(ReadJudgeSettings(settings, "/home/judge"),
            (JudgeSettings{LexiconId::kNA, "/home/judge/", true}));
}

}  // namespace
}  // namespace tavrune
