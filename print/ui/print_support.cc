#include "print/ui/print_support.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
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
inline constexpr int kTypeShrunkText = 40151;

int Twips(double inches) { return static_cast<int>(std::lround(inches * kTwipsPerInch)); }

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  return PrintDate(local);
}

PrinterFacts FactsOf(const QPagedPaintDevice& device) {
  const QPageLayout layout = device.pageLayout();
  PrinterFacts facts;
  facts.landscape = layout.orientation() == QPageLayout::Landscape;
  // The painter starts at the printable area, this far from the paper edge.
  const QRectF page = layout.paintRect(QPageLayout::Inch);
  facts.offset_x = Twips(page.left());
  facts.offset_y = Twips(page.top());
  return facts;
}

// The printer's own paper, in portrait, for a job whose paper the user picked.
PageSetup WithPrinterPaper(PageSetup setup, const QPagedPaintDevice& device) {
  const QSizeF paper = device.pageLayout().pageSize().size(QPageSize::Inch);
  setup.width = Twips(std::min(paper.width(), paper.height()));
  setup.height = Twips(std::max(paper.width(), paper.height()));
  return setup;
}

}  // namespace

PrintSupport::PrintSupport(MTavruneDoc& doc, Settings& settings, QWidget* parent)
    : doc_(doc), settings_(settings), parent_(parent), setup_(ReadPageSetup(settings)), job_(doc) {}

PrintSupport::~PrintSupport() {
  if (changed_) WritePageSetup(settings_, setup_);
}

void PrintSupport::SetSetup(const PageSetup& setup) {
  if (setup == setup_) return;
  setup_ = setup;
  changed_ = true;
}

void PrintSupport::EditPageSetup() {
  PageSetupDialog dialog(setup_, doc_.Prompt(), parent_);
  if (dialog.exec() == QDialog::Accepted) SetSetup(dialog.Result());
}

void PrintSupport::Prepare() {
  if (prepared_) return;
  UserPrompt& prompt = doc_.Prompt();
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

void PrintSupport::ApplyPaper(QPagedPaintDevice& device) const {
  const QPageSize paper(QSizeF(TwipsToInches(setup_.width), TwipsToInches(setup_.height)),
                        QPageSize::Inch);
  device.setPageSize(paper);
  const QPageLayout layout = device.pageLayout();
  device.setPageMargins(layout.minimumMargins(), layout.units());
}

PrintLayout PrintSupport::Layout(const QPagedPaintDevice& device, bool paper_from_printer) {
  Prepare();
  const PageSetup setup = paper_from_printer ? WithPrinterPaper(setup_, device) : setup_;
  const PrintFonts fonts(setup);
  PrintLayout layout(setup, FactsOf(device), job_.Content(), fonts.Measure());
  if (layout.TypeShrunk()) {
    const QString points = QString::number(TwipsToPoints(layout.Setup().font_size));
    doc_.Prompt().SetStatusText(kTypeShrunkText, {points.toStdString()});
  }
  return layout;
}

int PrintSupport::PageCount(QPagedPaintDevice& device, bool paper_from_printer) {
  return Layout(device, paper_from_printer).PageCount();
}

bool PrintSupport::PaintPages(QPagedPaintDevice& device, bool paper_from_printer) {
  const PrintLayout layout = Layout(device, paper_from_printer);
  const PrintFonts fonts(layout.Setup());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double scale = device.logicalDpiX() / static_cast<double>(kTwipsPerInch);
  painter.scale(scale, scale);
  PageFacts facts;
  facts.page_count = layout.PageCount();
  facts.date = Today();
  facts.caption = job_.Caption();
  // No ranges means every page.
  const QPageRanges ranges = device.pageRanges();
  bool first = true;
  for (int page = 1; page <= facts.page_count; ++page) {
    if (!ranges.isEmpty() && !ranges.contains(page)) continue;
    if (!first) device.newPage();
    first = false;
    facts.page = page;
    DrawPrintPage(painter, job_, layout, fonts, page, facts);
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

bool PrintSupport::PrintToPdf(const QString& path, QString& reason) {
  // Written beside the old file and put in its place only when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Tavrune"));
    writer.setTitle(QString::fromStdString(job_.Caption()));
    ApplyPaper(writer);
    painted = PaintPages(writer);
  }
  if (painted && file.commit()) return true;
  reason = file.errorString();
  return false;
}

void RunPageSetupCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent) {
  PrintSupport(doc, settings, parent).EditPageSetup();
}

void RunPrintPreviewCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent) {
  PrintSupport(doc, settings, parent).Preview();
}

void RunPrintCommand(MTavruneDoc& doc, Settings& settings, QWidget* parent) {
  PrintSupport(doc, settings, parent).Print();
}

}  // namespace tavrune
