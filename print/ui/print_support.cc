#include "print/ui/print_support.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "print/header_footer.h"
#include "print/ui/page_setup_dialogs.h"
#include "print/ui/print_painter.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

inline constexpr int kProgressText = 40088;

int Twips(double inches) { return static_cast<int>(std::lround(inches * kTwipsPerInch)); }

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  return PrintDate(local);
}

PrinterFacts FactsOf(const QPrinter& printer) {
  PrinterFacts facts;
  facts.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  // The painter starts at the printable area, this far from the paper edge.
  const QRectF page = printer.pageRect(QPrinter::Inch);
  facts.offset_x = Twips(page.left());
  facts.offset_y = Twips(page.top());
  return facts;
}

// The printer's own paper, in portrait, for a job whose paper the user picked.
PageSetup WithPrinterPaper(PageSetup setup, const QPrinter& printer) {
  const QSizeF paper = printer.pageLayout().pageSize().size(QPageSize::Inch);
  setup.width = Twips(std::min(paper.width(), paper.height()));
  setup.height = Twips(std::max(paper.width(), paper.height()));
  return setup;
}

}  // namespace

PrintSupport::PrintSupport(MTavruneDoc& doc, QWidget* parent)
    : doc_(doc), parent_(parent), setup_(ReadPageSetup(doc.App().GetSettings())), job_(doc) {}

PrintSupport::~PrintSupport() {
  if (changed_) WritePageSetup(doc_.App().GetSettings(), setup_);
}

void PrintSupport::SetSetup(const PageSetup& setup) {
  if (setup == setup_) return;
  setup_ = setup;
  changed_ = true;
}

void PrintSupport::EditPageSetup() {
  PageSetupDialog dialog(setup_, doc_.App().Prompt(), parent_);
  if (dialog.exec() == QDialog::Accepted) SetSetup(dialog.Result());
}

void PrintSupport::Prepare() {
  if (prepared_) return;
  UserPrompt& prompt = doc_.App().Prompt();
  WaitCursor wait(prompt);
  job_.Start();
  int percent = 0;
  while (!job_.Step(percent)) {
    prompt.SetStatusText(kProgressText, {std::to_string(percent)});
    // Repaint, but take no input: the list must not change under the job.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  job_.Finish();
  prompt.SetStatusText(kIdleText);
  prepared_ = true;
}

void PrintSupport::ApplyPaper(QPrinter& printer) const {
  const QPageSize paper(QSizeF(TwipsToInches(setup_.width), TwipsToInches(setup_.height)),
                        QPageSize::Inch);
  printer.setPageSize(paper);
  printer.setFullPage(false);
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
}

int PrintSupport::PageCount(QPrinter& printer, bool paper_from_printer) {
  Prepare();
  const PageSetup setup = paper_from_printer ? WithPrinterPaper(setup_, printer) : setup_;
  const PrintFonts fonts(setup);
  return PrintLayout(setup, FactsOf(printer), job_.Content(), fonts.Measure()).PageCount();
}

bool PrintSupport::PaintPages(QPrinter& printer, bool paper_from_printer) {
  Prepare();
  const PageSetup setup = paper_from_printer ? WithPrinterPaper(setup_, printer) : setup_;
  const PrintFonts fonts(setup);
  const PrintLayout layout(setup, FactsOf(printer), job_.Content(), fonts.Measure());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double scale = printer.resolution() / static_cast<double>(kTwipsPerInch);
  painter.scale(scale, scale);
  PageFacts facts;
  facts.page_count = layout.PageCount();
  facts.date = Today();
  facts.caption = job_.Caption();
  int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
  int last = printer.toPage() > 0 ? printer.toPage() : facts.page_count;
  last = std::min(last, facts.page_count);
  for (int page = first; page <= last; ++page) {
    if (page > first) printer.newPage();
    facts.page = page;
    DrawPrintPage(painter, job_, layout, fonts, setup, page, facts);
  }
  return painter.end();
}

void PrintSupport::Preview() {
  QPrinter printer(QPrinter::HighResolution);
  ApplyPaper(printer);
  QPrintPreviewDialog dialog(&printer, parent_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [this](QPrinter* target) { PaintPages(*target); });
  dialog.exec();
}

bool PrintSupport::Print() {
  QPrinter printer(QPrinter::HighResolution);
  ApplyPaper(printer);
  const QPageSize stored = printer.pageLayout().pageSize();
  QPrintDialog dialog(&printer, parent_);
  dialog.setMinMax(1, PageCount(printer));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool picked = !printer.pageLayout().pageSize().isEquivalentTo(stored);
  if (!picked) ApplyPaper(printer);
  return PaintPages(printer, picked);
}

bool PrintSupport::PrintToPdf(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setCreator(QStringLiteral("Tavrune"));
  printer.setDocName(QString::fromStdString(job_.Caption()));
  ApplyPaper(printer);
  return PaintPages(printer);
}

void RunPageSetupCommand(MTavruneDoc& doc, QWidget* parent) {
  PrintSupport(doc, parent).EditPageSetup();
}

void RunPrintPreviewCommand(MTavruneDoc& doc, QWidget* parent) {
  PrintSupport(doc, parent).Preview();
}

void RunPrintCommand(MTavruneDoc& doc, QWidget* parent) { PrintSupport(doc, parent).Print(); }

}  // namespace tavrune
