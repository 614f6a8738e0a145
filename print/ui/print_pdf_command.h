#ifndef TAVRUNE_PRINT_UI_PRINT_PDF_COMMAND_H_
#define TAVRUNE_PRINT_UI_PRINT_PDF_COMMAND_H_

#include <ostream>
#include <string>
#include <vector>

#include "platform/data_folder.h"
#include "platform/settings.h"

namespace tavrune {

// `Tavrune --print-pdf OUT.pdf LIST.tvr` turns a list into a PDF study
// sheet with no window, so scripts can make them.
inline constexpr char kPrintPdfOption[] = "--print-pdf";

// Whether the program's arguments (after its name) ask for this command.
bool IsPrintPdfCommand(const std::vector<std::string>& args);

// Before the application object exists: without a display and without a
// chosen platform, run on the offscreen one; Qt's own warnings (about the
// session's folders, say) are kept off the error stream, whose lines are
// the command's own.
void PrepareForPrintPdf();

// Runs the command with the arguments after the program's name: reads the
// user's settings and the lexicons the list needs (the preselected one when
// none was ever chosen), opens the list and prints every page. Returns the
// exit status; every failure is one line on `err`. Needs a QApplication.
// The settings are only read: nothing of this run is stored. The lexicons
// and the rest of the program's data come from `data`.
int RunPrintPdfCommand(const std::vector<std::string>& args, const DataFolder& data,
                       const Settings& settings, std::ostream& err);

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_UI_PRINT_PDF_COMMAND_H_
