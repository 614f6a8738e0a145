#include "print/ui/print_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "resources/program_info.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

inline constexpr int kCreditText = 40120;
inline constexpr int kHeaderFooterHeight = 160;
inline constexpr int kCreditHeight = 140;

QFont MakeFont(const std::string& family, int height, bool bold, bool italic) {
  QFont font(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
  font.setPixelSize(height);
  font.setBold(bold);
  font.setItalic(italic);
  // Hinting would make the widths depend on the device the page goes to.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Positions are of the text's top, as the layout counts lines.
void DrawAt(QPainter& painter, const QFont& font, double x, double top, const QString& text) {
  if (text.isEmpty()) return;
  painter.setFont(font);
  painter.drawText(QPointF(x, top + QFontMetricsF(font).ascent()), text);
}

// Left part at the left edge, centre part centred, right part ending at the
// right edge, each cut short when they would run into each other; empty
// parts print nothing.
void DrawThreeParts(QPainter& painter, const PrintFonts& fonts, const PageGeometry& g, int top,
                    const std::array<std::string, 3>& texts, const PageFacts& facts) {
  std::array<std::string, 3> expanded;
  for (size_t i = 0; i < texts.size(); ++i) expanded[i] = ExpandPageCodes(texts[i], facts);
  const std::array<std::string, 3> parts =
      FitThreeParts(std::move(expanded), g.right_edge - g.left_edge, fonts.Measure());
  const QFont& font = fonts.Font(PrintFont::kHeaderFooter);
  const QFontMetricsF metrics(font);
  DrawAt(painter, font, g.left_edge, top, Text(parts[0]));
  const QString middle = Text(parts[1]);
  DrawAt(painter, font, (g.left_edge + g.right_edge - metrics.horizontalAdvance(middle)) / 2, top,
         middle);
  const QString end = Text(parts[2]);
  DrawAt(painter, font, g.right_edge - metrics.horizontalAdvance(end), top, end);
}

}  // namespace

PrintFonts::PrintFonts(const PageSetup& setup)
    : word_(MakeFont(setup.font_family, setup.font_size, setup.word_bold, setup.word_italic)),
      answer_(MakeFont(setup.font_family, setup.font_size, setup.answer_bold, setup.answer_italic)),
      header_(MakeFont(setup.font_family, kHeaderFooterHeight, false, false)),
      credit_(MakeFont("Arial", kCreditHeight, true, false)) {}

const QFont& PrintFonts::Font(PrintFont font) const {
  switch (font) {
    case PrintFont::kWord:
      return word_;
    case PrintFont::kAnswer:
      return answer_;
    case PrintFont::kHeaderFooter:
      return header_;
    case PrintFont::kCredit:
      return credit_;
  }
  return word_;
}

int PrintFonts::Width(PrintFont font, std::string_view text) const {
  return static_cast<int>(std::ceil(QFontMetricsF(Font(font)).horizontalAdvance(Text(text))));
}

TextMeasure PrintFonts::Measure() const {
  return [this](PrintFont font, std::string_view text) { return Width(font, text); };
}

void DrawPrintPage(QPainter& painter, const PrintJob& job, const PrintLayout& layout,
                   const PrintFonts& fonts, int page, const PageFacts& facts) {
  const PageSetup& setup = layout.Setup();
  const PageGeometry& g = layout.Geometry();
  const ColumnMetrics& m = layout.Columns();
  painter.setPen(Qt::black);
  DrawThreeParts(painter, fonts, g, g.header_line,
                 {setup.header_left, setup.header_center, setup.header_right}, facts);

  const QFont& word_font = fonts.Font(PrintFont::kWord);
  const QFont& answer_font = fonts.Font(PrintFont::kAnswer);
  const QFontMetricsF answer_metrics(answer_font);
  const bool hooks = layout.Content().hooks;
  for (int column = 0; column < m.columns_per_page; ++column) {
    const std::vector<PrintLine> lines = layout.ColumnLines(page, column);
    const int x = layout.ColumnX(column);
    for (size_t i = 0; i < lines.size(); ++i) {
      const PrintLine& line = lines[i];
      const int y = layout.LineY(static_cast<int>(i));
      if (line.shows_word) DrawAt(painter, word_font, x, y, Text(job.WordText(line.entry)));
      if (line.answer < 0) continue;
      const AnswerLineParts parts = job.Answer(line.answer);
      if (!hooks) {
        DrawAt(painter, answer_font, x + m.answer_offset, y, Text(parts.anagram));
        continue;
      }
      const QString front = Text(parts.front);
      const int hooks_end = x + m.answer_offset + m.front_width;
      DrawAt(painter, answer_font, hooks_end - answer_metrics.horizontalAdvance(front), y, front);
      const int word_x = hooks_end + setup.ana_hooks_spacing;
      DrawAt(painter, answer_font, word_x, y, Text(parts.anagram));
      DrawAt(painter, answer_font, word_x + m.answer_width + setup.ana_hooks_spacing, y,
             Text(parts.end));
    }
  }

  DrawThreeParts(painter, fonts, g, g.footer_line,
                 {setup.footer_left, setup.footer_center, setup.footer_right}, facts);
  DrawAt(painter, fonts.Font(PrintFont::kCredit), g.left_edge, g.credit_line,
         Text(MessageText(kCreditText, {kStudyProgramName, kStudyVersion})));
}

}  // namespace tavrune
