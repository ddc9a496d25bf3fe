#pragma once

#include "link/IoDeviceLink.h"

#include <QLocalSocket>

namespace line {

// The remote-access client's pipe: a local socket (a named pipe on Windows, a Unix-domain
// socket elsewhere) that passes the frames to and from a meter.
class PipeLink : public IoDeviceLink {
public:
    // A bare name lives where the platform keeps local sockets (the temporary folder on Linux),
    // an absolute path is used as it is. Null when nobody serves the pipe.
    static std::unique_ptr<PipeLink> open(const QString& name, OpenFailure* failure = nullptr);

    static constexpr int kConnectLimitMs = 1000;

    Kind kind() const override { return Kind::Pipe; }
    void close() override;

protected:
    QIODevice* device() const override { return socket_.get(); }
    bool canReceive() const override;
    void pollInput() override;
    QString lossReason() const override;

private:
    explicit PipeLink(std::unique_ptr<QLocalSocket> socket);
    std::unique_ptr<QLocalSocket> socket_;
};

} // namespace line
