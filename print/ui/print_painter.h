#ifndef TAVRUNE_PRINT_UI_PRINT_PAINTER_H_
#define TAVRUNE_PRINT_UI_PRINT_PAINTER_H_

#include <QFont>

#include "print/header_footer.h"
#include "print/page_setup.h"
#include "print/print_job.h"
#include "print/print_layout.h"

class QPainter;

namespace tavrune {

// The four print fonts. Sizes are pixel sizes in twips, because pages are
// drawn on a painter scaled to twips.
class PrintFonts {
 public:
  explicit PrintFonts(const PageSetup& setup);
  const QFont& Font(PrintFont font) const;
  // Widths in twips, as the layout measures them.
  int Width(PrintFont font, std::string_view text) const;
  TextMeasure Measure() const;

 private:
  QFont word_;
  QFont answer_;
  QFont header_;
  QFont credit_;
};

// Draws page `page` (from 1): header, columns, footer and credit line, with
// the fonts of the layout's setup. The painter must already map twips, with
// its origin at the printable area.
void DrawPrintPage(QPainter& painter, const PrintJob& job, const PrintLayout& layout,
                   const PrintFonts& fonts, int page, const PageFacts& facts);

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_UI_PRINT_PAINTER_H_
