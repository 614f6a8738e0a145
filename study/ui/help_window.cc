#include "study/ui/help_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace tavrune {

HelpWindow::HelpWindow(QString manual, QWidget* parent)
    : QWidget(parent, Qt::Window),
      manual_(std::move(manual)),
      browser_(new QTextBrowser(this)),
      search_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Tavrune Help"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);
  auto* find = new QLabel(tr("&Find:"), this);
  find->setBuddy(search_);
  connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);

  auto* search_row = new QHBoxLayout;
  search_row->addWidget(find);
  search_row->addWidget(search_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search_row);
  layout->addWidget(browser_, 1);

  // A comfortable page, but never larger than the screen.
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  QSize size(fontMetrics().averageCharWidth() * 130, fontMetrics().height() * 45);
  if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
}

bool HelpWindow::ShowChapter(const QString& chapter) {
  if (!QFileInfo(manual_).isFile()) return false;
  QUrl url = QUrl::fromLocalFile(manual_);
  if (!chapter.isEmpty()) url.setFragment(chapter);
  browser_->setSource(url);
  // The same page again does not move to the anchor by itself.
  if (!chapter.isEmpty()) browser_->scrollToAnchor(chapter);
  BringForward();
  return true;
}

bool HelpWindow::ShowSearch() {
  if (browser_->source().isEmpty() && !ShowChapter(QString())) return false;
  search_->clear();
  BringForward();
  search_->setFocus();
  return true;
}

void HelpWindow::BringForward() {
  show();
  raise();
  activateWindow();
}

void HelpWindow::FindNext() {
  const QString text = search_->text();
  if (text.isEmpty() || browser_->find(text)) return;
  browser_->moveCursor(QTextCursor::Start);
  browser_->find(text);
}

}  // namespace tavrune
