#ifndef TAVRUNE_STUDY_UI_STARTUP_BANNER_H_
#define TAVRUNE_STUDY_UI_STARTUP_BANNER_H_

#include <QWidget>

class QLabel;

namespace tavrune {

// The borderless window with the logo and the title line that stands in the
// middle of the screen while the lexicons load. The caller shows it, lets
// the event loop paint it, and deletes it when loading is over.
class StartupBanner : public QWidget {
  Q_OBJECT

 public:
  StartupBanner();

  QLabel* TitleLine() const { return title_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* title_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_STARTUP_BANNER_H_
