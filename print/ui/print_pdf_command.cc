#include "print/ui/print_pdf_command.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <map>

#include "dictionary/dictionary.h"
#include "engine/random_source.h"
#include "platform/user_prompt.h"
#include "print/ui/print_support.h"
#include "resources/program_info.h"
#include "resources/string_table.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {
namespace {

inline constexpr int kUsageText = 40121;
inline constexpr int kCannotWriteText = 40122;
inline constexpr int kCannotReadListText = 40123;

// Messages become lines on the error stream; questions are answered No so
// nothing is changed or saved; status texts and cursors are for windows.
class StreamPrompt : public UserPrompt {
 public:
  explicit StreamPrompt(std::ostream& err) : err_(err) {}

  void ShowMessage(int id, const std::vector<std::string>& args = {},
                   Icon = Icon::kWarning) override {
    // The table's line breaks (single or doubled) become single spaces.
    std::string line;
    for (char c : MessageText(id, args)) {
      if (c != '\n') {
        line += c;
      } else if (!line.empty() && line.back() != ' ') {
        line += ' ';
      }
    }
    err_ << line << '\n';
  }
  Answer AskYesNo(int, const std::vector<std::string>&) override { return Answer::kNo; }
  Answer AskYesNoCancel(int, const std::vector<std::string>&) override { return Answer::kNo; }
  void SetStatusText(int, const std::vector<std::string>&) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

 private:
  std::ostream& err_;
};

// Reads through to the user's store; what the run would write stays here.
class ReadThroughSettings : public Settings {
 public:
  explicit ReadThroughSettings(const Settings& store) : store_(store) {}

  long long GetInt(std::string_view section, std::string_view key,
                   long long default_value) const override {
    return written_.Has(section, key) ? written_.GetInt(section, key, default_value)
                                      : store_.GetInt(section, key, default_value);
  }
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) const override {
    return written_.Has(section, key) ? written_.GetString(section, key, default_value)
                                      : store_.GetString(section, key, default_value);
  }
  void PutInt(std::string_view section, std::string_view key, long long value) override {
    written_.PutInt(section, key, value);
  }
  void PutString(std::string_view section, std::string_view key, std::string_view value) override {
    written_.PutString(section, key, value);
  }

 private:
  const Settings& store_;
  MemorySettings written_;
};

QtMessageHandler qt_default_handler = nullptr;

void KeepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && qt_default_handler != nullptr) {
    qt_default_handler(type, context, text);
  }
}

}  // namespace

bool IsPrintPdfCommand(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == kPrintPdfOption;
}

void PrepareForPrintPdf() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qt_default_handler = qInstallMessageHandler(KeepQtQuiet);
}

int RunPrintPdfCommand(const std::vector<std::string>& args, const DataFolder& data,
                       const Settings& settings, std::ostream& err) {
  StreamPrompt prompt(err);
  if (args.size() != 3 || !IsPrintPdfCommand(args)) {
    prompt.ShowMessage(kUsageText, {kStudyProgramName}, UserPrompt::Icon::kError);
    return 2;
  }
  const std::string& out = args[1];
  const std::string& list = args[2];

  if (!data.has_lexicons) {
    prompt.ShowMessage(kNoLexiconsInFoldersText, {LexiconFoldersTried(data, " or ")},
                       UserPrompt::Icon::kError);
    return 1;
  }
  ReadThroughSettings store(settings);
  Dictionary dictionary(data.folder, store, prompt);
  if (!dictionary.DiscoverLexicons()) return 1;
  dictionary.ReadSettings();
  if (dictionary.NeedsDictionaryChoice()) {
    dictionary.ChooseDictionary(Index(dictionary.PreselectedDictionary()));
  }
  if (!dictionary.LoadNeededLexicons()) return 1;

  // The document's own message for a file it cannot open names neither the
  // file nor the reason.
  if (QFile file(QString::fromStdString(list)); !file.open(QIODevice::ReadOnly)) {
    prompt.ShowMessage(kCannotReadListText, {list, file.errorString().toStdString()});
    return 1;
  }
  RandomEngine random;
  MTavruneDoc doc(dictionary, store, prompt, random);
  // A file that is no list, or a damaged one, is reported by name.
  if (!doc.OpenDocument(list)) return 1;
  const QString pdf = QFileInfo(QString::fromStdString(out)).absoluteFilePath();
  PrintSupport support(doc, store, nullptr);
  if (QString reason; !support.PrintToPdf(pdf, reason)) {
    prompt.ShowMessage(kCannotWriteText, {out, reason.toStdString()}, UserPrompt::Icon::kError);
    return 1;
  }
  return 0;
}

}  // namespace tavrune
