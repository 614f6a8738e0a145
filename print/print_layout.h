#ifndef TAVRUNE_PRINT_PRINT_LAYOUT_H_
#define TAVRUNE_PRINT_PRINT_LAYOUT_H_

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "print/page_setup.h"

namespace tavrune {

enum class PrintFont { kWord, kAnswer, kHeaderFooter, kCredit };

// The width in twips of a text in one of the print fonts. The drawing code
// measures with the real fonts; tests count characters.
using TextMeasure = std::function<int(PrintFont font, std::string_view text)>;

// What the layout needs to know about a prepared list. Lengths are in
// characters; the answers of entry i are answer_offsets[i] up to
// answer_offsets[i + 1].
struct PrintContent {
  std::vector<size_t> answer_offsets = {0};
  int longest_word = 0;
  int longest_answer = 0;  // with hooks, the longest anagram
  int longest_front = 0;
  int longest_end = 0;
  bool word_marks = false;
  bool answer_marks = false;
  bool hooks = false;

  int EntryCount() const { return static_cast<int>(answer_offsets.size()) - 1; }
  int AnswerCount(int entry) const {
    return static_cast<int>(answer_offsets[entry + 1] - answer_offsets[entry]);
  }
};

// The printer's part: orientation and the unprintable offset, in twips.
struct PrinterFacts {
  bool landscape = false;
  int offset_x = 0;
  int offset_y = 0;
};

// Where things go on every page, in twips from the printable area's corner.
struct PageGeometry {
  int page_width = 0;
  int page_height = 0;
  int usable_width = 0;
  int usable_height = 0;
  int left_edge = 0;
  int right_edge = 0;  // where right-hand header and footer texts end
  int body_top = 0;
  int header_line = 0;
  int footer_line = 0;
  int credit_line = 0;
  int line_height = 0;
  int lines_per_column = 0;
};

PageGeometry ComputePageGeometry(const PageSetup& setup, const PrinterFacts& printer);

// Column widths: a word, then its answers at answer_offset; with hooks the
// answer is front hooks (front_width), a gap, the word (answer_width), a
// gap, end hooks (end_width).
struct ColumnMetrics {
  int word_width = 0;
  int answer_offset = 0;
  int answer_width = 0;
  int front_width = 0;
  int end_width = 0;
  int column_width = 0;
  int columns_per_page = 1;
};

ColumnMetrics ComputeColumnMetrics(const PageSetup& setup, const PageGeometry& geometry,
                                   const PrintContent& content, const TextMeasure& measure);

// The word and answer type size (twips, at most the setup's) at which one
// column fits between the margins, so a narrow page gets smaller letters
// rather than answers past its edge. Spacings keep their size.
int FittingTypeSize(const PageSetup& setup, const PageGeometry& geometry,
                    const PrintContent& content, const TextMeasure& measure);

// The three parts of a header or footer line, as they are when they fit
// side by side within `width`; otherwise each cut to a third of it, ending
// in an ellipsis. Cuts fall between UTF-8 characters.
std::array<std::string, 3> FitThreeParts(std::array<std::string, 3> parts, int width,
                                         const TextMeasure& measure);

// One printed line of a column: the entry, the index of its answer among
// all answers (-1 for an entry without answers) and whether the main word
// is printed on it.
struct PrintLine {
  int entry = 0;
  long long answer = -1;
  bool shows_word = true;
  friend bool operator==(const PrintLine&, const PrintLine&) = default;
};

// The newspaper columns of a whole list: columns are filled one after
// another, an entry taking one line per answer (at least one), and an entry
// whose answers do not fit goes on at the top of the next column without
// its word. `measure` measures the setup's fonts.
class PrintLayout {
 public:
  PrintLayout(const PageSetup& setup, const PrinterFacts& printer, PrintContent content,
              const TextMeasure& measure);

  // The setup the pages are drawn with: the given one, its type size
  // brought down to FittingTypeSize.
  const PageSetup& Setup() const { return setup_; }
  bool TypeShrunk() const { return type_shrunk_; }
  const PageGeometry& Geometry() const { return geometry_; }
  const ColumnMetrics& Columns() const { return columns_; }
  const PrintContent& Content() const { return content_; }
  // At least one, so an empty list still prints its header and footer.
  int PageCount() const;
  int ColumnCount() const { return static_cast<int>(starts_.size()); }
  // The lines of the column-th column (from 0) of page `page` (from 1).
  std::vector<PrintLine> ColumnLines(int page, int column) const;
  int ColumnX(int column) const { return geometry_.left_edge + column * columns_.column_width; }
  int LineY(int line) const { return geometry_.body_top + line * geometry_.line_height; }

 private:
  struct ColumnStart {
    int entry;
    int answer;  // within the entry
  };

  PageSetup setup_;
  bool type_shrunk_ = false;
  PageGeometry geometry_;
  ColumnMetrics columns_;
  PrintContent content_;
  std::vector<ColumnStart> starts_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_PRINT_LAYOUT_H_
