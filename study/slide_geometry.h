#ifndef TAVRUNE_STUDY_SLIDE_GEOMETRY_H_
#define TAVRUNE_STUDY_SLIDE_GEOMETRY_H_

#include <string>
#include <string_view>

namespace tavrune {

// The sizes of the slide area's parts in logical pixels: the word as a text
// panel or as tiles, the answer lists, and how they are placed. Kept apart
// from the widgets so the arithmetic can be checked without a display.
namespace slide {

inline constexpr int kAreaMargin = 10;  // around the slide area's parts
inline constexpr int kAreaGap = 10;     // between the word and the lists
inline constexpr int kPanelMargin = 6;  // inside the text panel
inline constexpr int kRackMargin = 2;   // around the tiles
inline constexpr int kTilePadding = 3;  // inside a tile
inline constexpr int kListMargin = 6;   // inside an answer list
inline constexpr int kListSpacing = 6;  // between rows and columns
inline constexpr int kMarkWidth = 15;   // room for the check mark
inline constexpr int kScrollBarWidth = 15;
inline constexpr int kMarkSize = 10;
inline constexpr int kInitialRows = 8;
inline constexpr int kMinimumPlaces = 8;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The word's and the lists' font heights in pixels for a font size of 0
// (small), 1 (medium) or 2 (large); other values count as medium.
struct FontSizes {
  int word = 34;
  int list = 16;
};
FontSizes FontSizesFor(int font_size);

Size TextPanelSize(int size, int places);
int TileSide(int size);
Size RackSize(int size, int tiles);
// The slot a point `x` pixels into the rack falls on, limited to the last.
int TileSlotAt(int x, int size, int tiles);
// The arrangement after the tile at `from` was dropped on slot `to`.
std::string MoveTile(std::string_view tiles, int from, int to);

// An answer list's cells. Three columns split each line into front hooks,
// word and end hooks.
struct ListMetrics {
  int column_width = 0;
  int row_height = 0;
  bool three_columns = false;
  int front_width = 0;
  int word_width = 0;
  int end_width = 0;
};
ListMetrics ListMetricsFor(int size, int answer_width, bool three_columns, int front_width,
                           int end_width);
Size ListSize(const ListMetrics& metrics, int columns, int rows);
int VisibleRows(int height, int row_height);
// The height of a list fitted to whole rows in `available` pixels.
int FittedListHeight(int available, int row_height);
// Where entry `index` of a one-column list is drawn, with `first_row` at the
// top.
int CellTop(int index, int first_row, int row_height);

Size AreaSize(Size word, Size list);

// What the slide area holds, as far as its width goes.
struct AreaContent {
  bool tiles = false;
  int word_places = kMinimumPlaces;
  int answer_width = kMinimumPlaces;
  bool three_columns = false;
  int hook_width = 0;
  // 0, 1 (the middle list) or 2 (left and right side by side).
  int list_count = 0;
};
// The font sizes of `font_size`, made smaller until the word and the lists
// (with the area's margins) fit `width`, but never smaller than the small
// size's. The area's preferred width at `font_size` always fits.
FontSizes FittedFontSizes(int font_size, const AreaContent& content, int width);

}  // namespace slide
}  // namespace tavrune

#endif  // TAVRUNE_STUDY_SLIDE_GEOMETRY_H_
