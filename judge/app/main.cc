// TavruneWordJudge: judges challenged plays at the board and logs them.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <optional>
#include <string>

#include "judge/app/judge_dialog.h"
#include "judge/app/lexicon_choice_dialog.h"
#include "judge/judge_messages.h"
#include "judge/judge_session.h"
#include "judge/ui/judge_icons.h"
#include "judge/ui/judge_message_box.h"
#include "platform/data_folder.h"
#include "platform/ui/dialog_look.h"
#include "platform/ui/qt_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kestrelle"));
  QApplication::setApplicationName(QString::fromUtf8(tavrune::kJudgeProgramName));
  QApplication::setApplicationVersion(QString::fromUtf8(tavrune::kJudgeVersion));
  QApplication::setWindowIcon(tavrune::JudgeIconSet(tavrune::JudgeIcon::kProgram));
  tavrune::UseReadableDisabledText();

  tavrune::QtSettings settings(QStringLiteral("Kestrelle"),
                               QString::fromUtf8(tavrune::kJudgeProgramName));
  tavrune::JudgePrompt prompt;
  const tavrune::DataFolder data =
      tavrune::FindDataFolder(QCoreApplication::applicationDirPath().toStdString());
  if (!data.has_lexicons) {
    prompt.ShowMessage(tavrune::kNoLexiconsInFoldersMessage, {tavrune::LexiconFoldersTried(data)},
                       tavrune::UserPrompt::Icon::kError);
    return 1;
  }
  tavrune::JudgeSession session(settings, prompt, QDir::homePath().toStdString());
  if (!session.Start(data.folder)) return 1;

  {
    tavrune::LexiconChoiceDialog choice(session.PresentLexicons(), session.Choice());
    if (choice.exec() == QDialog::Accepted) session.SetChoice(choice.Choice());
  }
  const bool loaded = session.Load();
  settings.Sync();
  if (!loaded) return 1;
  session.CheckLogFolder([](const std::string& current) -> std::optional<std::string> {
    const QString folder = QFileDialog::getExistingDirectory(
        nullptr, QObject::tr("Challenge Log Directory"), QString::fromStdString(current));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
  });
  settings.Sync();

  tavrune::JudgeDialog::Setup setup;
  setup.lexicon_caption = QString::fromStdString(session.Caption());
  setup.lexicon_lines = QString::fromStdString(session.Directory().AboutText());
  setup.no_mouse = session.NoMouse();
  tavrune::JudgeDialog dialog(session.CurrentLexicon(), session.Log(), prompt, setup);
  prompt.SetParent(&dialog);
  dialog.exec();

  session.End();
  return 0;
}
