#include "print/print_layout.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tavrune {
namespace {

// One point: below that the letters are no longer type.
inline constexpr int kMinTypeSize = 20;
inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

int WidthOfMs(const TextMeasure& measure, PrintFont font, int count) {
  return count > 0 ? measure(font, std::string(static_cast<size_t>(count), 'M')) : 0;
}

// Lines an entry takes: one per answer, one for an entry without answers.
int LinesOf(const PrintContent& content, int entry) {
  return std::max(1, content.AnswerCount(entry));
}

// The widths of the word and answer fonts measured at `from` twips, as
// they come out at `to`: unhinted type scales with its size.
TextMeasure ScaledMeasure(const TextMeasure& measure, int from, int to) {
  return [&measure, from, to](PrintFont font, std::string_view text) {
    const int width = measure(font, text);
    if (from == to || (font != PrintFont::kWord && font != PrintFont::kAnswer)) return width;
    return static_cast<int>((static_cast<long long>(width) * to + from - 1) / from);
  };
}

// One column as its texts need it, before the page shares out its room.
ColumnMetrics NaturalColumn(const PageSetup& setup, const PrintContent& content,
                            const TextMeasure& measure) {
  ColumnMetrics m;
  m.word_width =
      WidthOfMs(measure, PrintFont::kWord, content.longest_word + (content.word_marks ? 1 : 0));
  m.answer_offset = setup.column_tab_spacing + m.word_width;
  const bool any_answers = content.answer_offsets.back() > 0;
  if (!any_answers) {
    m.column_width = setup.column_spacing + m.word_width;
  } else {
    m.answer_width = WidthOfMs(measure, PrintFont::kAnswer,
                               content.longest_answer + (content.answer_marks ? 1 : 0));
    m.column_width = m.answer_width + setup.column_spacing + m.answer_offset;
    if (content.hooks) {
      m.front_width = WidthOfMs(measure, PrintFont::kAnswer, content.longest_front);
      m.end_width = WidthOfMs(measure, PrintFont::kAnswer, content.longest_end);
      m.column_width += m.end_width + 2 * setup.ana_hooks_spacing + m.front_width;
    }
  }
  m.column_width = std::max(1, m.column_width);
  return m;
}

// The longest start of `text` that fits `width` with an ellipsis after it.
std::string CutWithEllipsis(std::string_view text, int width, const TextMeasure& measure) {
  // Where a UTF-8 character begins; the start always counts, so stray
  // continuation bytes from the settings still leave a place to cut.
  std::vector<size_t> cuts = {0};
  for (size_t i = 1; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) cuts.push_back(i);
  }
  const auto cut = [&](size_t k) { return std::string(text.substr(0, cuts[k])) += kEllipsis; };
  size_t low = 0;  // the ellipsis alone, even when it is too wide
  size_t high = cuts.size() - 1;
  while (low < high) {
    const size_t middle = (low + high + 1) / 2;
    if (measure(PrintFont::kHeaderFooter, cut(middle)) <= width) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return cut(low);
}

}  // namespace

PageGeometry ComputePageGeometry(const PageSetup& setup, const PrinterFacts& printer) {
  PageGeometry g;
  g.page_width = printer.landscape ? setup.height : setup.width;
  g.page_height = printer.landscape ? setup.width : setup.height;
  // Drawing starts at the printable area, so every distance from the paper
  // edge loses the unprintable offset.
  g.usable_width = g.page_width - printer.offset_x;
  g.usable_height = g.page_height - printer.offset_y;
  g.left_edge = setup.left_margin - printer.offset_x;
  g.right_edge = g.usable_width - setup.right_margin;
  g.body_top = setup.top_margin - printer.offset_y;
  g.header_line = setup.header_room - printer.offset_y;
  g.footer_line = g.usable_height - setup.footer_room;
  g.credit_line = g.usable_height - setup.bottom_margin + 100;
  g.line_height = std::max(1, setup.vertical_spacing + setup.font_size);
  g.lines_per_column =
      std::max(1, (g.usable_height - g.body_top - setup.bottom_margin) / g.line_height);
  return g;
}

ColumnMetrics ComputeColumnMetrics(const PageSetup& setup, const PageGeometry& geometry,
                                   const PrintContent& content, const TextMeasure& measure) {
  ColumnMetrics m = NaturalColumn(setup, content, measure);
  // The last column needs no spacing after it, hence the extra spacing.
  const int span =
      setup.column_spacing + geometry.usable_width - geometry.left_edge - setup.right_margin;
  m.columns_per_page = std::max(1, span / m.column_width);
  // Share out what is left over; a column too wide for the page keeps its width.
  m.column_width = std::max(m.column_width, span / m.columns_per_page);
  return m;
}

int FittingTypeSize(const PageSetup& setup, const PageGeometry& geometry,
                    const PrintContent& content, const TextMeasure& measure) {
  const int body = geometry.right_edge - geometry.left_edge;
  // The last column needs no spacing after it.
  const auto fits = [&](int size) {
    const TextMeasure scaled = ScaledMeasure(measure, setup.font_size, size);
    return NaturalColumn(setup, content, scaled).column_width - setup.column_spacing <= body;
  };
  if (fits(setup.font_size)) return setup.font_size;
  // The texts shrink with the type, the spacings do not: start from the
  // size that shares the rest in proportion, then step past rounding.
  const ColumnMetrics full = NaturalColumn(setup, content, measure);
  const long long texts = full.word_width + full.answer_width + full.front_width + full.end_width;
  const int spacings = full.column_width - setup.column_spacing - static_cast<int>(texts);
  int size = texts > 0 ? static_cast<int>(setup.font_size * std::max(0, body - spacings) / texts)
                       : kMinTypeSize;
  size = std::min(std::max(size, kMinTypeSize), setup.font_size);
  while (size > kMinTypeSize && !fits(size)) --size;
  return size;
}

std::array<std::string, 3> FitThreeParts(std::array<std::string, 3> parts, int width,
                                         const TextMeasure& measure) {
  std::array<int, 3> widths{};
  for (size_t i = 0; i < parts.size(); ++i) {
    widths[i] = parts[i].empty() ? 0 : measure(PrintFont::kHeaderFooter, parts[i]);
  }
  // Left from the start, the centre around the middle, right to the end.
  const int centre_start = (width - widths[1]) / 2;
  const bool fit =
      *std::max_element(widths.begin(), widths.end()) <= width &&
      (widths[1] == 0 ? widths[0] + widths[2] <= width
                      : widths[0] <= centre_start && centre_start + widths[1] <= width - widths[2]);
  if (fit) return parts;
  const int third = width / 3;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (widths[i] > third) parts[i] = CutWithEllipsis(parts[i], third, measure);
  }
  return parts;
}

PrintLayout::PrintLayout(const PageSetup& setup, const PrinterFacts& printer, PrintContent content,
                         const TextMeasure& measure)
    : setup_(setup), content_(std::move(content)) {
  setup_.font_size = FittingTypeSize(setup, ComputePageGeometry(setup, printer), content_, measure);
  type_shrunk_ = setup_.font_size < setup.font_size;
  geometry_ = ComputePageGeometry(setup_, printer);
  columns_ = ComputeColumnMetrics(setup_, geometry_, content_,
                                  ScaledMeasure(measure, setup.font_size, setup_.font_size));
  const int lines = geometry_.lines_per_column;
  int used = lines;  // so the first entry opens the first column
  for (int entry = 0; entry < content_.EntryCount(); ++entry) {
    const int total = LinesOf(content_, entry);
    for (int placed = 0; placed < total;) {
      if (used == lines) {
        starts_.push_back({entry, placed});
        used = 0;
      }
      const int take = std::min(total - placed, lines - used);
      placed += take;
      used += take;
    }
  }
}

int PrintLayout::PageCount() const {
  const int per_page = columns_.columns_per_page;
  return std::max(1, (ColumnCount() + per_page - 1) / per_page);
}

std::vector<PrintLine> PrintLayout::ColumnLines(int page, int column) const {
  std::vector<PrintLine> out;
  const long long index = static_cast<long long>(page - 1) * columns_.columns_per_page + column;
  if (page < 1 || column < 0 || column >= columns_.columns_per_page || index >= ColumnCount()) {
    return out;
  }
  int entry = starts_[static_cast<size_t>(index)].entry;
  int answer = starts_[static_cast<size_t>(index)].answer;
  while (static_cast<int>(out.size()) < geometry_.lines_per_column &&
         entry < content_.EntryCount()) {
    const bool has_answers = content_.AnswerCount(entry) > 0;
    out.push_back(
        {entry, has_answers ? static_cast<long long>(content_.answer_offsets[entry]) + answer : -1,
         answer == 0});
    if (++answer >= LinesOf(content_, entry)) {
      ++entry;
      answer = 0;
    }
  }
  return out;
}

}  // namespace tavrune
