// The main window's status bar, title and placement on the screen.

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cstdio>

#include "engine/probability.h"
#include "engine/tiles.h"
#include "resources/string_table.h"
#include "study/frame_state.h"
#include "study/settings_table.h"
#include "study/ui/main_frame.h"
#include "study/ui/tavrune_view.h"
#include "wordlist/list_settings.h"

namespace tavrune {
namespace {

// The texts that size the status panes.
constexpr const char* kPaneSizingTexts[] = {
    "PF 100.0000",
    "Ans  999 999",
    "Sc 999",
    "999999/999999",
    "North American and British: 26 September 2005",
};

// The part of the window's screen that windows may cover.
QRect AvailableScreen(const QWidget* widget) {
  const QScreen* screen =
      widget->screen() != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void MMainFrame::CreateStatusBar() {
  message_pane_ = new QLabel(this);
  statusBar()->addWidget(message_pane_, 1);
  for (int i = 0; i < kPaneCount; ++i) {
    auto* pane = new QLabel(this);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(kPaneSizingTexts[i]) + 8);
    statusBar()->addPermanentWidget(pane);
    panes_[i] = pane;
  }
  ShowStatusText(MessageText(kIdleText).c_str());
  connect(statusBar(), &QStatusBar::messageChanged, this, &MMainFrame::ShowPanesWhenIdle);
}

void MMainFrame::ShowStatusText(const QString& text) {
  if (message_pane_ == nullptr) return;
  message_pane_->setText(text);
  ShowPanesWhenIdle();
  // Long operations run on this thread: show the text before they start.
  statusBar()->layout()->activate();
  statusBar()->repaint();
}

void MMainFrame::ShowPanesWhenIdle() {
  const bool idle =
      statusBar()->currentMessage().isEmpty() && message_pane_->text().trimmed().isEmpty();
  for (QLabel* pane : panes_) pane->setVisible(idle);
}

QString MMainFrame::PaneText(Pane pane) const { return panes_[pane]->text(); }

void MMainFrame::UpdateTitle() {
  const QString title = QString::fromStdString(
      FrameTitle(context_.doc.Title(), ShownDescription(context_.doc.Description())));
  if (windowTitle() != title) setWindowTitle(title);
}

void MMainFrame::UpdatePanes() {
  const MTavruneDoc& doc = context_.doc;
  const int count = doc.EntryCount();
  const bool show_probability = view_->ShowProbabilityFactor();
  const std::string_view word = count > 0 ? doc.CurrentEntry() : std::string_view();

  QString probability;
  if (show_probability && count > 0) {
    char text[32];
    std::snprintf(text, sizeof text, "PF %.3f",
                  ProbabilityFactor(word, ProbabilityReference(context_.app.Source())));
    probability = QString::fromLatin1(text);
  }
  panes_[kProbabilityPane]->setText(probability);
  panes_[kProbabilityPane]->setEnabled(!probability.isEmpty());
  const QString answers = view_->AnswersPaneText();
  panes_[kAnswersPane]->setText(answers);
  panes_[kAnswersPane]->setEnabled(!answers.isEmpty());
  panes_[kScorePane]->setText(count > 0 ? QStringLiteral("Sc %1").arg(WordPoints(word))
                                        : QString());
  panes_[kScorePane]->setEnabled(count > 0);
  panes_[kPositionPane]->setText(
      QStringLiteral("%1 / %2").arg(count == 0 ? 0 : doc.CurrentIndex() + 1).arg(count));
  panes_[kLexiconPane]->setText(
      QString::fromStdString(StatusPaneText(context_.app.Header(context_.app.Source()))));
}

QSize MMainFrame::FirstRunSize() const {
  const int width = std::max({tool_bar_->sizeHint().width(), statusBar()->sizeHint().width(),
                              menuBar()->sizeHint().width(), view_->sizeHint().width()});
  const PlacementRect first_run = ParsePlacement("");
  return QSize(width, sizeHint().height()).expandedTo(QSize(first_run.Width(), first_run.Height()));
}

void MMainFrame::RestorePlacementAndShow() {
  const QRect screen = AvailableScreen(this);
  Settings& settings = context_.settings;
  const WindowPlacement placement = ReadPlacement(settings, screen.width(), screen.height());
  const PlacementRect& rect = placement.rect;
  QSize size(std::max(rect.Width(), kMinimumWidth), std::max(rect.Height(), kMinimumHeight));
  if (ReadSetting(settings, setting::window_size::kPosition).empty()) {
    size = FirstRunSize().boundedTo(screen.size());
  }
  resize(size);
  move(screen.left() + rect.left, screen.top() + rect.top);
  if (placement.maximized) {
    showMaximized();
  } else {
    show();
  }
}

void MMainFrame::WriteSettings() {
  Settings& settings = context_.settings;
  const QRect screen = AvailableScreen(this);
  // Placed as restored by RestorePlacementAndShow: the window's position and
  // its client size, those of the normal state while maximised.
  const QRect normal =
      isMaximized() && normalGeometry().isValid() ? normalGeometry() : QRect(pos(), size());
  const QPoint origin = normal.topLeft() - screen.topLeft();
  WindowPlacement placement;
  placement.rect = {origin.x(), origin.y(), origin.x() + normal.width(),
                    origin.y() + normal.height()};
  placement.maximized = isMaximized();
  WritePlacement(settings, placement, screen.width(), screen.height());
}

}  // namespace tavrune
