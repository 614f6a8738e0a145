#include "study/frame_state.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "resources/program_info.h"
#include "study/settings_table.h"

namespace tavrune {
namespace {

// Where the four numbers of a placement string start.
constexpr size_t kFieldStarts[] = {0, 5, 10, 15};
constexpr PlacementRect kFirstRunRect = {0, 0, 599, 479};

int Saturate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, -1000000, 1000000));
}

}  // namespace

std::string FrameTitle(std::string_view document_title, std::string_view description) {
  std::string title(kStudyProgramName);
  title += " - ";
  title += document_title;
  if (!description.empty()) {
    title += " (";
    title += description;
    title += ")";
  }
  return title;
}

PlacementRect ParsePlacement(std::string_view text) {
  if (text.empty()) return kFirstRunRect;
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    size_t pos = kFieldStarts[i];
    if (pos >= text.size()) break;
    const std::optional<long long> number = LeadingInteger(text, pos);
    values[i] = number ? Saturate(*number) : 0;
  }
  return {values[0], values[1], values[2], values[3]};
}

std::string FormatPlacement(const PlacementRect& rect) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d %04d %04d %04d", rect.left, rect.top, rect.right,
                rect.bottom);
  return text;
}

PlacementRect ClampPlacement(const PlacementRect& rect, int screen_width, int screen_height) {
  const int width = std::clamp(rect.Width(), 0, std::max(screen_width, 0));
  const int height = std::clamp(rect.Height(), 0, std::max(screen_height, 0));
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  return {left, top, left + width, top + height};
}

WindowPlacement ReadPlacement(const Settings& settings, int screen_width, int screen_height) {
  namespace keys = setting::window_size;
  WindowPlacement placement;
  placement.rect = ClampPlacement(ParsePlacement(ReadSetting(settings, keys::kPosition)),
                                  screen_width, screen_height);
  placement.maximized = ReadSetting(settings, keys::kIsMaximized) != 0;
  return placement;
}

void WritePlacement(Settings& settings, const WindowPlacement& placement, int screen_width,
                    int screen_height) {
  namespace keys = setting::window_size;
  WriteSetting(settings, keys::kPosition,
               FormatPlacement(ClampPlacement(placement.rect, screen_width, screen_height)));
  WriteSetting(settings, keys::kIsMaximized, placement.maximized ? 1 : 0);
}

std::string FileDialogFolder(std::string_view list_path, const Settings& settings) {
  if (!list_path.empty()) return std::filesystem::path(list_path).parent_path().string();
  return ReadSetting(settings, setting::file_dialog::kLastFolder);
}

void RememberFileDialogFolder(Settings& settings, std::string_view chosen_path) {
  WriteSetting(settings, setting::file_dialog::kLastFolder,
               std::filesystem::path(chosen_path).parent_path().string());
}

}  // namespace tavrune
