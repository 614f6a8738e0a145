#include "study/ui/startup_banner.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/ui/center_window.h"
#include "study/ui/study_about_box.h"
#include "study/ui/study_pictures.h"

namespace tavrune {

StartupBanner::StartupBanner()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAutoFillBackground(true);

  auto* logo = new QLabel(this);
  logo->setPixmap(StudyPicturePixmap(StudyPicture::kLogo, QSize(364, 64), devicePixelRatioF()));
  title_ = new QLabel(StudyTitleLine(), this);
  QFont font = title_->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.4);
  title_->setFont(font);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 24, 28, 24);
  layout->setSpacing(14);
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  layout->addWidget(title_, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StartupBanner::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace tavrune
