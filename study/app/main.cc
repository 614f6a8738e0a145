// Tavrune: the study program.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/data_folder.h"
#include "platform/ui/dialog_look.h"
#include "platform/ui/qt_settings.h"
#include "platform/ui/qt_user_prompt.h"
#include "print/ui/print_pdf_command.h"
#include "resources/program_info.h"
#include "resources/string_table.h"
#include "study/ui/single_instance.h"
#include "study/ui/startup_banner.h"
#include "study/ui/study_pictures.h"
#include "study/ui/study_program.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  // A study sheet for scripts: no window, no single instance, no display.
  const bool print_pdf = tavrune::IsPrintPdfCommand(args);
  if (print_pdf) tavrune::PrepareForPrintPdf();
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kestrelle"));
  QApplication::setApplicationName(QString::fromUtf8(tavrune::kStudyProgramName));
  QApplication::setApplicationVersion(QString::fromUtf8(tavrune::kStudyVersion));
  const tavrune::DataFolder data =
      tavrune::FindDataFolder(QCoreApplication::applicationDirPath().toStdString());
  if (print_pdf) {
    const tavrune::QtSettings settings(QStringLiteral("Kestrelle"),
                                       QString::fromUtf8(tavrune::kStudyProgramName));
    return tavrune::RunPrintPdfCommand(args, data, settings, std::cerr);
  }
  QApplication::setWindowIcon(tavrune::StudyIcon(QStringLiteral("tavrune")));
  tavrune::UseGreyDialogs(application);

  const QStringList arguments = QApplication::arguments();
  const QString file =
      arguments.size() > 1 ? QFileInfo(arguments[1]).absoluteFilePath() : QString();

  tavrune::QtSettings settings(QStringLiteral("Kestrelle"),
                               QString::fromUtf8(tavrune::kStudyProgramName));
  tavrune::SingleInstance instance(
      tavrune::SingleInstance::DefaultName(QFileInfo(settings.Store().fileName()).absolutePath()));
  if (!instance.Claim(file)) return 0;

  tavrune::QtUserPrompt prompt(QString::fromUtf8(tavrune::kStudyProgramName));
  if (!data.has_lexicons) {
    prompt.ShowMessage(tavrune::kNoLexiconsInFoldersText, {tavrune::LexiconFoldersTried(data)},
                       tavrune::UserPrompt::Icon::kError);
    return 1;
  }
  int result = 1;
  {
    std::unique_ptr<tavrune::StartupBanner> banner;
    tavrune::StudyProgram::Hooks hooks;
    hooks.before_loading = [&banner] {
      banner = std::make_unique<tavrune::StartupBanner>();
      banner->show();
      QApplication::processEvents();
    };
    hooks.after_loading = [&banner] { banner.reset(); };
    hooks.frame_created = [&prompt, &instance](tavrune::MMainFrame& frame) {
      prompt.SetParent(&frame);
      prompt.SetStatusSink([&frame](const QString& text) { frame.ShowStatusText(text); });
      QObject::connect(&instance, &tavrune::SingleInstance::activationRequested, &frame,
                       [&frame](const QString& path) { frame.Activate(path); });
    };
    tavrune::StudyProgram program(data.folder, settings, prompt, std::move(hooks));
    if (program.Start(file.toStdString())) result = QApplication::exec();
    prompt.SetStatusSink(nullptr);
    prompt.SetParent(nullptr);
  }
  settings.Sync();
  return result;
}
