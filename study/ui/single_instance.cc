#include "study/ui/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace tavrune {
namespace {

constexpr int kConnectMs = 500;
constexpr int kWriteMs = 2000;
// A path is all a message carries; anything longer is not one of ours.
constexpr qint64 kMaxMessageBytes = 64 * 1024;

}  // namespace

QString SingleInstance::DefaultName() {
  return QStringLiteral("Tavrune-%1").arg(static_cast<qulonglong>(getuid()));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
}

bool SingleInstance::Claim(const QString& file_path) {
  {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kConnectMs)) {
      socket.write(file_path.toUtf8() + '\n');
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
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() > kMaxMessageBytes) {
        socket->abort();
        return;
      }
      if (!socket->canReadLine()) return;
      const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
      socket->disconnectFromServer();
      emit activationRequested(path);
    });
  }
}

}  // namespace tavrune
