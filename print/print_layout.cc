#include "print/print_layout.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tavrune {
namespace {

int WidthOfMs(const TextMeasure& measure, PrintFont font, int count) {
  return count > 0 ? measure(font, std::string(static_cast<size_t>(count), 'M')) : 0;
}

// Lines an entry takes: one per answer, one for an entry without answers.
int LinesOf(const PrintContent& content, int entry) {
  return std::max(1, content.AnswerCount(entry));
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
  // The last column needs no spacing after it, hence the extra spacing.
  const int span =
      setup.column_spacing + geometry.usable_width - geometry.left_edge - setup.right_margin;
  m.columns_per_page = std::max(1, span / m.column_width);
  // Share out what is left over; a column too wide for the page keeps its width.
  m.column_width = std::max(m.column_width, span / m.columns_per_page);
  return m;
}

PrintLayout::PrintLayout(const PageSetup& setup, const PrinterFacts& printer, PrintContent content,
                         const TextMeasure& measure)
    : geometry_(ComputePageGeometry(setup, printer)),
      columns_(ComputeColumnMetrics(setup, geometry_, content, measure)),
      content_(std::move(content)) {
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
