#ifndef TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_
#define TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_

#include <QObject>
#include <QString>

class QLocalServer;

namespace tavrune {

// One running study program per user. The first start listens on a local
// socket of a per-user name; a later start hands it the file it was given
// (or nothing, to be brought forward) and ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket name for this user.
  static QString DefaultName();

  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is the first one and now listens. Otherwise the
  // running one was sent `file_path` (may be empty) and false is returned.
  bool Claim(const QString& file_path);

 signals:
  // Another start asked to be shown, with the file it was given (may be
  // empty).
  void activationRequested(const QString& file_path);

 private:
  void AcceptConnection();

  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_
