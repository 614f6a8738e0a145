#ifndef TAVRUNE_PRINT_UI_PRINT_SUPPORT_H_
#define TAVRUNE_PRINT_UI_PRINT_SUPPORT_H_

#include <QString>
#include <memory>

#include "print/page_setup.h"
#include "print/print_job.h"
#include "print/print_layout.h"
#include "wordlist/tavrune_doc.h"

class QPagedPaintDevice;
class QWidget;

namespace tavrune {

// Printing a list: the page-setup record (read from the settings when made,
// written back when destroyed if a dialog changed it), the preparation of
// the list's texts, and the pages drawn on a printer, a PDF file or the
// preview through the same drawing code.
class PrintSupport {
 public:
  PrintSupport(MTavruneDoc& doc, Settings& settings, QWidget* parent);
  ~PrintSupport();
  PrintSupport(const PrintSupport&) = delete;
  PrintSupport& operator=(const PrintSupport&) = delete;

  const PageSetup& Setup() const { return setup_; }
  void SetSetup(const PageSetup& setup);

  // File > Page Setup: dialog 107 (and 108 from it).
  void EditPageSetup();
  // File > Print Preview.
  void Preview();
  // File > Print: the print dialog offers pages 1 to the page count.
  bool Print();
  // Every page into a PDF file, without a dialog. The file is replaced
  // only once every byte is written; otherwise false with the system's
  // `reason`, and an old file stays as it was.
  bool PrintToPdf(const QString& path, QString& reason);

  // Readies the list's texts, a step at a time, showing the percentage
  // in the status bar and keeping the window painted between steps.
  void Prepare();
  // Draws the device's page ranges (all pages when none is set); false
  // when the device could not be started. `paper_from_printer` takes the
  // device's paper instead of the stored size.
  bool PaintPages(QPagedPaintDevice& device, bool paper_from_printer = false);
  // The number of pages on `device` as it is set up now.
  int PageCount(QPagedPaintDevice& device, bool paper_from_printer = false);

 private:
  // The stored paper size, in portrait, with the least margins the
  // device allows.
  void ApplyPaper(QPagedPaintDevice& device) const;
  // The pages of the prepared list on `device`; the status line says so
  // when the type had to be made smaller to fit.
  PrintLayout Layout(const QPagedPaintDevice& device, bool paper_from_printer);

  MTavruneDoc& doc_;
  Settings& settings_;
  QWidget* parent_;
  PageSetup setup_;
  bool changed_ = false;
  PrintJob job_;
  bool prepared_ = false;
};

// The File menu's printing commands, each with a print support of its own.
void RunPageSetupCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent);
void RunPrintPreviewCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent);
void RunPrintCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent);

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_UI_PRINT_SUPPORT_H_
