#include "study/ui/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace tavrune {
namespace {

constexpr int kConnectMs = 500;
constexpr int kWriteMs = 2000;
// A message is a 4-byte big-endian length and that many bytes of UTF-8 path.
constexpr int kLengthBytes = 4;
// A path is all a message carries; anything longer is not one of ours.
constexpr quint32 kMaxMessageBytes = 64 * 1024;

// A directory of this user that nobody else may enter or list.
bool IsPrivateFolder(const QString& folder) {
  struct stat status;
  return lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == geteuid() && (status.st_mode & 077) == 0;
}

// "tavrune-<uid>" under the temporary folder, made private when it is ours.
// Someone else's folder of that name is never used.
QString FallbackFolder() {
  const QString folder = QDir::tempPath() + QStringLiteral("/tavrune-%1").arg(geteuid());
  const QByteArray path = QFile::encodeName(folder);
  mkdir(path.constData(), 0700);
  struct stat status;
  if (lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
      status.st_uid == geteuid()) {
    chmod(path.constData(), 0700);
  }
  return IsPrivateFolder(folder) ? folder : QString();
}

}  // namespace

std::optional<uid_t> PeerUser(qintptr socket_descriptor) {
  ucred credentials = {};
  socklen_t size = sizeof credentials;
  if (getsockopt(static_cast<int>(socket_descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                 &size) != 0 ||
      size != sizeof credentials) {
    return std::nullopt;
  }
  return credentials.uid;
}

bool TrustedPeer(std::optional<uid_t> peer) { return peer && *peer == geteuid(); }

QString SingleInstance::DefaultName(const QString& settings_folder) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || !IsPrivateFolder(folder)) {
    folder = FallbackFolder();
  }
  if (folder.isEmpty()) return QString();
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  // Hashed, so any display name or folder makes a short, plain file name.
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(display.toUtf8());
  hash.addData(QByteArrayView("\0", 1));
  hash.addData(settings_folder.toUtf8());
  return QStringLiteral("%1/Tavrune-%2-%3")
      .arg(folder)
      .arg(geteuid())
      .arg(QString::fromLatin1(hash.result().toHex().left(16)));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
}

bool SingleInstance::Claim(const QString& file_path) {
  if (name_.isEmpty()) return true;
  {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kConnectMs)) {
      // Not ours: nothing is sent to it, and this start runs by itself.
      if (!TrustedPeer(PeerUser(socket.socketDescriptor()))) return true;
      const QByteArray path = file_path.toUtf8();
      QByteArray message(kLengthBytes, '\0');
      qToBigEndian(static_cast<quint32>(path.size()), message.data());
      socket.write(message + path);
      socket.waitForBytesWritten(kWriteMs);
      socket.disconnectFromServer();
      if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteMs);
      return false;
    }
  }
  // Nobody answered: a socket left by a program that crashed is taken over.
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnection);
  // Without the socket this start still works, only alone.
  server_->listen(name_);
  return true;
}

void SingleInstance::AcceptConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!TrustedPeer(PeerUser(socket->socketDescriptor()))) {
      socket->abort();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessage(socket); });
    ReadMessage(socket);
  }
}

void SingleInstance::ReadMessage(QLocalSocket* socket) {
  if (socket->bytesAvailable() < kLengthBytes) return;
  const quint32 length = qFromBigEndian<quint32>(socket->peek(kLengthBytes).constData());
  if (length > kMaxMessageBytes) {
    socket->abort();
    return;
  }
  if (socket->bytesAvailable() < kLengthBytes + static_cast<qint64>(length)) return;
  socket->skip(kLengthBytes);
  const QString path = QString::fromUtf8(socket->read(length));
  socket->disconnectFromServer();
  emit activationRequested(path);
}

}  // namespace tavrune
