#include "study/ui/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringList>
#include <QTest>
#include <fstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

// Sets (or, given a null value, unsets) an environment variable for a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    Set(value, value.isNull());
  }
  ~ScopedEnv() { Set(old_, !had_); }

 private:
  void Set(const QByteArray& value, bool unset) {
    if (unset) {
      qunsetenv(name_);
    } else {
      qputenv(name_, value);
    }
  }

  const char* name_;
  bool had_;
  QByteArray old_;
};

mode_t ModeOf(const std::string& path) {
  struct stat status = {};
  stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

class InstanceSocketTest : public ::testing::Test {
 protected:
  InstanceSocketTest() { testing::EnsureQtApp(); }

  testing::TempFolder runtime_;  // made 0700
  ScopedEnv runtime_env_{"XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_.path())};
  ScopedEnv wayland_env_{"WAYLAND_DISPLAY", QByteArray()};
};

TEST_F(InstanceSocketTest, EachDisplayAndSettingsFolderHasItsOwnProgram) {
  QString first_display;
  QString other_settings;
  QString second_display;
  {
    ScopedEnv display("DISPLAY", ":1");
    first_display = SingleInstance::DefaultName("/home/a/.config/Kestrelle");
    other_settings = SingleInstance::DefaultName("/media/stick/Kestrelle");
  }
  {
    ScopedEnv display("DISPLAY", ":2");
    second_display = SingleInstance::DefaultName("/home/a/.config/Kestrelle");
  }
  EXPECT_TRUE(first_display.startsWith(QString::fromStdString(runtime_.path() + "/")));
  EXPECT_NE(first_display, second_display);
  EXPECT_NE(first_display, other_settings);

  SingleInstance on_first(first_display);
  SingleInstance on_second(second_display);
  EXPECT_TRUE(on_first.Claim(QString()));
  EXPECT_TRUE(on_second.Claim(QString()));
}

TEST_F(InstanceSocketTest, PathsArriveWholeEvenWithALineBreak) {
  const QString name = SingleInstance::DefaultName("/settings");
  SingleInstance first(name);
  ASSERT_TRUE(first.Claim(QString()));
  QStringList received;
  QObject::connect(&first, &SingleInstance::activationRequested,
                   [&](const QString& path) { received << path; });
  const QString path = QStringLiteral("/lists/two\nlines.tvr");
  SingleInstance second(name);
  EXPECT_FALSE(second.Claim(path));
  SingleInstance third(name);
  EXPECT_FALSE(third.Claim(QString()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }));
  EXPECT_TRUE(received.contains(path));
  EXPECT_TRUE(received.contains(QString()));
}

TEST_F(InstanceSocketTest, WithoutAPrivateRuntimeFolderAPrivateOneIsMade) {
  testing::TempFolder temp;
  ScopedEnv tmpdir("TMPDIR", QByteArray::fromStdString(temp.path()));
  const std::string fallback = temp.path() + "/tavrune-" + std::to_string(geteuid());
  testing::TempFolder open_folder;
  chmod(open_folder.path().c_str(), 0755);
  std::ofstream(temp.File("a file")) << "x";

  const struct {
    const char* name;
    QByteArray runtime;
  } cases[] = {
      {"unset", QByteArray()},
      {"open to others", QByteArray::fromStdString(open_folder.path())},
      {"relative", "run/user"},
      {"a file", QByteArray::fromStdString(temp.File("a file"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
    chmod(fallback.c_str(), 0755);  // a folder of ours left open is closed again
    EXPECT_TRUE(SingleInstance::DefaultName("/s").startsWith(QString::fromStdString(fallback)));
    EXPECT_EQ(ModeOf(fallback), 0700u);
  }

  if (geteuid() == 0) {  // only root can give the folder to someone else
    ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray());
    ASSERT_EQ(chown(fallback.c_str(), 12345, 12345), 0);
    EXPECT_TRUE(SingleInstance::DefaultName("/s").isEmpty());
    SingleInstance alone{QString()};
    EXPECT_TRUE(alone.Claim(QStringLiteral("/lists/a.tvr")));
  }
}

TEST(PeerCheckTest, OnlyTheSameUserIsTrusted) {
  int pair[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_EQ(PeerUser(pair[0]), geteuid());
  close(pair[0]);
  close(pair[1]);
  EXPECT_EQ(PeerUser(-1), std::nullopt);

  EXPECT_TRUE(TrustedPeer(geteuid()));
  EXPECT_FALSE(TrustedPeer(geteuid() + 1));
  EXPECT_FALSE(TrustedPeer(std::nullopt));
}

}  // namespace
}  // namespace tavrune
