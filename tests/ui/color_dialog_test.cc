#include "options/ui/color_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <vector>

#include "options/colour_palette.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class ColorDialogTest : public ::testing::Test {
 protected:
  ColorDialogTest() { testing::EnsureQtApp(); }

  std::function<void(Rgb)> Recorder() {
    return [this](Rgb colour) { applied_.push_back(colour); };
  }

  std::vector<Rgb> applied_;
};

TEST_F(ColorDialogTest, OpensOnTheCurrentColourWithoutApplyingIt) {
  ColorDialog dialog("Tile Background", {255, 255, 0}, Recorder());
  EXPECT_EQ(dialog.windowTitle(), "Tile Background");
  EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Available Co&lors");
  EXPECT_EQ(dialog.List()->count(), kPaletteSize);
  EXPECT_EQ(dialog.List()->currentRow(), 14);

  ColorDialog unknown("Slide Foreground", {1, 2, 3}, Recorder());
  EXPECT_EQ(unknown.List()->currentRow(), kFallbackPaletteIndex);
  EXPECT_EQ(unknown.Chosen(), (Rgb{1, 2, 3}));
  EXPECT_TRUE(applied_.empty());
}

TEST_F(ColorDialogTest, EachPickIsAppliedAndOkKeepsTheLast) {
  ColorDialog dialog("Slide Background", {128, 0, 128}, Recorder());
  dialog.List()->setCurrentRow(0);
  dialog.List()->setCurrentRow(12);
  EXPECT_EQ(applied_, (std::vector<Rgb>{{0, 0, 0}, {255, 0, 0}}));
  dialog.accept();
  EXPECT_EQ(dialog.Chosen(), (Rgb{255, 0, 0}));
  EXPECT_EQ(applied_.size(), 2u);
}

TEST_F(ColorDialogTest, CancelAppliesTheOldColourAgain) {
  ColorDialog dialog("Workspace Background", {192, 192, 192}, Recorder());
  dialog.List()->setCurrentRow(1);
  dialog.reject();
  EXPECT_EQ(dialog.Chosen(), (Rgb{192, 192, 192}));
  EXPECT_EQ(applied_, (std::vector<Rgb>{{0, 0, 255}, {192, 192, 192}}));

  applied_.clear();
  ColorDialog unchanged("Workspace Background", {192, 192, 192}, Recorder());
  unchanged.reject();
  EXPECT_TRUE(applied_.empty());
}

TEST_F(ColorDialogTest, SwatchesAreFramedAndTheSelectionFramedAgain) {
  const auto pixel = [](const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return Rgb{c.red(), c.green(), c.blue()};
  };
  struct Case {
    int row;
    Rgb frame;
  };
  for (const Case& c : {Case{14, {0, 0, 0}}, Case{2, {255, 255, 255}}}) {
    ColorDialog dialog("Tile Foreground", kColourPalette[static_cast<size_t>(c.row)], nullptr);
    dialog.show();
    QListWidget* list = dialog.List();
    const QImage image = list->viewport()->grab().toImage();
    const QColor list_colour = list->palette().color(QPalette::Base);
    const Rgb base = {list_colour.red(), list_colour.green(), list_colour.blue()};
    // Every swatch, the one in the dialog's own grey too, has a black
    // frame with the list's colour around it.
    for (int row = 0; row < kPaletteSize; ++row) {
      const QRect line = list->visualItemRect(list->item(row));
      const int y = line.center().y();
      EXPECT_EQ(pixel(image, line.center().x(), y), kColourPalette[static_cast<size_t>(row)]);
      EXPECT_EQ(pixel(image, line.left(), y), base) << row;
      EXPECT_EQ(pixel(image, line.left() + 2, y), (Rgb{0, 0, 0})) << row;
      if (row != c.row) {
        EXPECT_EQ(pixel(image, line.left() + 3, y), kColourPalette[static_cast<size_t>(row)]);
      }
    }
    const QRect selected = list->visualItemRect(list->item(c.row));
    EXPECT_EQ(pixel(image, selected.left() + 3, selected.center().y()), c.frame);
  }
}

}  // namespace
}  // namespace tavrune
