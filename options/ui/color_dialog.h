#ifndef TAVRUNE_OPTIONS_UI_COLOR_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_COLOR_DIALOG_H_

#include <QDialog>
#include <QString>
#include <functional>

#include "platform/setting_keys.h"

class QListWidget;

namespace tavrune {

// "Color" (dialog 119): picks one of the fixed palette colours for one of
// the view's five colours. Each pick is applied at once so the user sees it
// in place; Cancel applies the old colour again.
class ColorDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 119;

  ColorDialog(const QString& title, Rgb current, std::function<void(Rgb)> apply,
              QWidget* parent = nullptr);

  // The colour picked last; the opening colour until a pick, and again
  // after Cancel.
  Rgb Chosen() const { return chosen_; }

  QListWidget* List() const { return list_; }

  void reject() override;

 private:
  void Pick(int row);

  Rgb initial_;
  Rgb chosen_;
  std::function<void(Rgb)> apply_;
  QListWidget* list_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_COLOR_DIALOG_H_
