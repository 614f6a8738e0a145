#include "study/slide_geometry.h"

#include <algorithm>

namespace tavrune::slide {

FontSizes FontSizesFor(int font_size) {
  switch (font_size) {
    case 0:
      return {30, 14};
    case 2:
      return {40, 18};
    default:
      return {34, 16};
  }
}

Size TextPanelSize(int size, int places) {
  return {size * places * 4 / 5 + 2 * kPanelMargin, size + 2 * kPanelMargin};
}

int TileSide(int size) { return size + 2 * kTilePadding; }

Size RackSize(int size, int tiles) {
  const int side = TileSide(size);
  return {2 * kRackMargin + tiles * (side + 2), side + 2 + 2 * kRackMargin};
}

int TileSlotAt(int x, int size, int tiles) {
  if (tiles <= 0) return 0;
  return std::clamp(x / (TileSide(size) + 2), 0, tiles - 1);
}

std::string MoveTile(std::string_view tiles, int from, int to) {
  std::string moved(tiles);
  const int count = static_cast<int>(moved.size());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return moved;
  const char tile = moved[from];
  moved.erase(moved.begin() + from);
  moved.insert(moved.begin() + to, tile);
  return moved;
}

ListMetrics ListMetricsFor(int size, int answer_width, bool three_columns, int front_width,
                           int end_width) {
  ListMetrics metrics;
  metrics.row_height = size;
  metrics.three_columns = three_columns;
  if (three_columns) {
    metrics.front_width = size * front_width * 4 / 5;
    metrics.word_width = size * answer_width * 4 / 5;
    metrics.end_width = size * end_width * 4 / 5;
    metrics.column_width = metrics.front_width + metrics.word_width + metrics.end_width +
                           2 * kListSpacing + kMarkWidth;
  } else {
    metrics.column_width = size * answer_width * 4 / 5 + kMarkWidth;
  }
  return metrics;
}

Size ListSize(const ListMetrics& metrics, int columns, int rows) {
  return {columns * metrics.column_width + (columns - 1) * kListSpacing + 2 * kListMargin +
              kScrollBarWidth,
          rows * metrics.row_height + (rows - 1) * kListSpacing + 2 * kListMargin};
}

int VisibleRows(int height, int row_height) {
  if (row_height <= 0) return 0;
  return std::max(0, (kListSpacing + height - 2 * kListMargin) / (kListSpacing + row_height));
}

int FittedListHeight(int available, int row_height) {
  const int rows = std::max(1, VisibleRows(available, row_height));
  return row_height * rows + 2 * kListMargin + kListSpacing * (rows - 1) + 3;
}

int CellTop(int index, int first_row, int row_height) {
  return kListMargin + (index - first_row) * (kListSpacing + row_height);
}

Size AreaSize(Size word, Size list) {
  return {std::max(word.width, kAreaGap + 2 * (list.width + kAreaMargin)),
          kAreaGap + 2 * kAreaMargin + list.height + word.height};
}

FontSizes FittedFontSizes(int font_size, const AreaContent& content, int width) {
  const FontSizes smallest = FontSizesFor(0);
  auto fits = [&](const FontSizes& sizes) {
    const Size word = content.tiles ? RackSize(sizes.word, content.word_places)
                                    : TextPanelSize(sizes.word, content.word_places);
    const int list =
        ListSize(ListMetricsFor(sizes.list, content.answer_width, content.three_columns,
                                content.hook_width, content.hook_width),
                 1, kInitialRows)
            .width;
    // The word may reach the edges; the lists keep their margins.
    const int lists = content.list_count == 2   ? 2 * list + kAreaGap + 2 * kAreaMargin
                      : content.list_count == 1 ? list + 2 * kAreaMargin
                                                : 0;
    return std::max(word.width, lists) <= width;
  };
  FontSizes sizes = FontSizesFor(font_size);
  while (!fits(sizes) && (sizes.word > smallest.word || sizes.list > smallest.list)) {
    sizes.word = std::max(smallest.word, sizes.word - 1);
    sizes.list = std::max(smallest.list, sizes.list - 1);
  }
  return sizes;
}

}  // namespace tavrune::slide
