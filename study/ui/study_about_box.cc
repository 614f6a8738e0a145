#include "study/ui/study_about_box.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/program_info.h"
#include "study/ui/study_pictures.h"

namespace tavrune {

QString StudyTitleLine() {
  return QObject::tr("%1 Version %2")
      .arg(QString::fromUtf8(kStudyProgramName), QString::fromUtf8(kStudyVersion));
}

StudyAboutBox::StudyAboutBox(const QString& lexicon_lines, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About %1").arg(QString::fromUtf8(kStudyProgramName)));

  auto* logo = new QLabel(this);
  logo->setPixmap(StudyPicturePixmap(StudyPicture::kLogo, QSize(273, 48), devicePixelRatioF()));
  program_ = new QLabel(StudyTitleLine(), this);
  QFont bold = program_->font();
  bold.setBold(true);
  program_->setFont(bold);

  auto* frame = new QGroupBox(tr("Lexicons:"), this);
  lexicons_ = new QLabel(lexicon_lines, frame);
  lexicons_->setTextFormat(Qt::PlainText);
  lexicons_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->addWidget(lexicons_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  layout->addWidget(program_, 0, Qt::AlignHCenter);
  layout->addWidget(frame);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tavrune
