#include "link/PipeLink.h"

namespace line {

PipeLink::PipeLink(std::unique_ptr<QLocalSocket> socket)
    : IoDeviceLink(kPipeTimeouts), socket_(std::move(socket)) {}

std::unique_ptr<PipeLink> PipeLink::open(const QString& name, OpenFailure* failure) {
    if (name.isEmpty())
        return nullptr;
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(name, QIODevice::ReadWrite);
    if (!socket->waitForConnected(kConnectLimitMs)) {
        if (failure) {
            failure->reason = socket->errorString();
            failure->permissionDenied = socket->error() == QLocalSocket::SocketAccessError;
        }
        return nullptr;
    }
    return std::unique_ptr<PipeLink>(new PipeLink(std::move(socket)));
}

bool PipeLink::canReceive() const {
    return socket_->state() == QLocalSocket::ConnectedState || socket_->bytesAvailable() > 0;
}

void PipeLink::pollInput() {
    while (socket_->state() == QLocalSocket::ConnectedState && socket_->waitForReadyRead(0)) {
    }
}

// The client closing its end (or going away) leaves the socket unconnected; bytes it sent
// before are still read first.
QString PipeLink::lossReason() const {
    if (socket_->state() == QLocalSocket::ConnectedState || socket_->bytesAvailable() > 0)
        return {};
    return socket_->errorString();
}

void PipeLink::close() { socket_->abort(); }

} // namespace line
