#ifndef TAVRUNE_PLATFORM_UI_QT_USER_PROMPT_H_
#define TAVRUNE_PLATFORM_UI_QT_USER_PROMPT_H_

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/user_prompt.h"

namespace tavrune {

// Shows the wait cursor over the whole application for the life of a scope.
class ScopedWaitCursor {
 public:
  ScopedWaitCursor();
  ~ScopedWaitCursor();
  ScopedWaitCursor(const ScopedWaitCursor&) = delete;
  ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;
};

// UserPrompt over modal QMessageBoxes titled with the program's title and
// parented to the window set last (none at start-up). String-table texts are
// shown with their %1.. arguments filled in.
class QtUserPrompt : public UserPrompt {
 public:
  explicit QtUserPrompt(QString title, QWidget* parent = nullptr);

  void SetParent(QWidget* parent) { parent_ = parent; }
  QWidget* Parent() const { return parent_; }
  const QString& Title() const { return title_; }
  // Where status-bar texts go; without one they are dropped.
  void SetStatusSink(std::function<void(const QString&)> sink) { status_sink_ = std::move(sink); }

  void ShowMessage(int id, const std::vector<std::string>& args = {},
                   Icon icon = Icon::kWarning) override;
  Answer AskYesNo(int id, const std::vector<std::string>& args = {}) override;
  Answer AskYesNoCancel(int id, const std::vector<std::string>& args = {}) override;
  void SetStatusText(int id, const std::vector<std::string>& args = {}) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;

  static QString Text(int id, const std::vector<std::string>& args = {});
  static QMessageBox::Icon BoxIcon(Icon icon);
  // The box a message or question is shown in, under the prompt's title and
  // parent. Its text is shown as written, never read as markup: the
  // arguments (paths, words) come from outside.
  std::unique_ptr<QMessageBox> MakeBox(QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons buttons) const;

 private:
  QString title_;
  QPointer<QWidget> parent_;
  std::function<void(const QString&)> status_sink_;
  int wait_depth_ = 0;
};

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_UI_QT_USER_PROMPT_H_
