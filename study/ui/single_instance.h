#ifndef TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_
#define TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_

#include <sys/types.h>

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace tavrune {

// The user at the other end of a connected local socket; nullopt when the
// system cannot tell.
std::optional<uid_t> PeerUser(qintptr socket_descriptor);
// Only processes of this program's own user may hand it files.
bool TrustedPeer(std::optional<uid_t> peer);

// One running study program per user, display and settings folder. The first
// start listens on a local socket in a folder only its user can enter; a
// later start hands it the file it was given (or nothing, to be brought
// forward) and ends. Each side checks that the other is the same user.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket for this user, the display ($WAYLAND_DISPLAY, else $DISPLAY)
  // and `settings_folder`: in $XDG_RUNTIME_DIR when that is this user's
  // private folder, else in a private folder made under the temporary
  // folder. Empty when neither can be had; the program then runs alone.
  static QString DefaultName(const QString& settings_folder);

  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process runs: it is the first one and now listens, or it
  // cannot reach a running one it trusts. Otherwise the running one was sent
  // `file_path` (may be empty) and false is returned.
  bool Claim(const QString& file_path);

 signals:
  // Another start asked to be shown, with the file it was given (may be
  // empty).
  void activationRequested(const QString& file_path);

 private:
  void AcceptConnection();
  void ReadMessage(QLocalSocket* socket);

  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_SINGLE_INSTANCE_H_
