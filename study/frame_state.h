#ifndef TAVRUNE_STUDY_FRAME_STATE_H_
#define TAVRUNE_STUDY_FRAME_STATE_H_

#include <string>
#include <string_view>

#include "platform/settings.h"

namespace tavrune {

// "Tavrune - FILE (DESCRIPTION)"; without a description no parentheses.
std::string FrameTitle(std::string_view document_title, std::string_view description);

// A window's normal rectangle in screen pixels, right and bottom exclusive.
struct PlacementRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

// Where the main window goes and whether it is maximised.
struct WindowPlacement {
  PlacementRect rect;
  bool maximized = false;
  friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The placement string "%04d %04d %04d %04d" read as four integers from the
// positions 0, 5, 10 and 15; what is missing reads as 0. Empty text gives the
// first-run rectangle.
PlacementRect ParsePlacement(std::string_view text);
std::string FormatPlacement(const PlacementRect& rect);

// Keeps a rectangle on the screen's top-left edge and within its size.
PlacementRect ClampPlacement(const PlacementRect& rect, int screen_width, int screen_height);

// The "WindowSize" keys, read clamped to the screen, and written back.
WindowPlacement ReadPlacement(const Settings& settings, int screen_width, int screen_height);
void WritePlacement(Settings& settings, const WindowPlacement& placement, int screen_width,
                    int screen_height);

// Where the file dialogs open: the folder of the open list, else the folder
// of the file last chosen in one; empty when there is neither.
std::string FileDialogFolder(std::string_view list_path, const Settings& settings);
// Remembers the folder of a file the user chose.
void RememberFileDialogFolder(Settings& settings, std::string_view chosen_path);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_FRAME_STATE_H_
