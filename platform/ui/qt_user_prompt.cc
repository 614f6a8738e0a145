#include "platform/ui/qt_user_prompt.h"

#include <QApplication>
#include <QCursor>

#include "resources/string_table.h"

namespace tavrune {

ScopedWaitCursor::ScopedWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

ScopedWaitCursor::~ScopedWaitCursor() { QApplication::restoreOverrideCursor(); }

QtUserPrompt::QtUserPrompt(QString title, QWidget* parent)
    : title_(std::move(title)), parent_(parent) {}

QString QtUserPrompt::Text(int id, const std::vector<std::string>& args) {
  return QString::fromStdString(MessageText(id, args));
}

QMessageBox::Icon QtUserPrompt::BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::kNone:
      return QMessageBox::NoIcon;
    case Icon::kInformation:
      return QMessageBox::Information;
    case Icon::kWarning:
      return QMessageBox::Warning;
    case Icon::kError:
      return QMessageBox::Critical;
    case Icon::kQuestion:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

std::unique_ptr<QMessageBox> QtUserPrompt::MakeBox(QMessageBox::Icon icon, const QString& text,
                                                   QMessageBox::StandardButtons buttons) const {
  auto box = std::make_unique<QMessageBox>(icon, title_, text, buttons, parent_);
  box->setTextFormat(Qt::PlainText);
  return box;
}

void QtUserPrompt::ShowMessage(int id, const std::vector<std::string>& args, Icon icon) {
  MakeBox(BoxIcon(icon), Text(id, args), QMessageBox::Ok)->exec();
}

UserPrompt::Answer QtUserPrompt::AskYesNo(int id, const std::vector<std::string>& args) {
  const auto box =
      MakeBox(QMessageBox::Question, Text(id, args), QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::Yes);
  return box->exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

UserPrompt::Answer QtUserPrompt::AskYesNoCancel(int id, const std::vector<std::string>& args) {
  const auto box = MakeBox(QMessageBox::Question, Text(id, args),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box->setDefaultButton(QMessageBox::Yes);
  switch (box->exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

void QtUserPrompt::SetStatusText(int id, const std::vector<std::string>& args) {
  if (status_sink_) status_sink_(Text(id, args));
}

void QtUserPrompt::BeginWaitCursor() {
  if (wait_depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserPrompt::EndWaitCursor() {
  if (wait_depth_ > 0 && --wait_depth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace tavrune
