#include "link/SerialLink.h"

namespace line {

SerialLink::SerialLink(std::unique_ptr<QSerialPort> port, const ReadTimeouts& timeouts)
    : IoDeviceLink(timeouts), port_(std::move(port)) {}

std::unique_ptr<SerialLink> SerialLink::open(const QString& path, const ReadTimeouts& timeouts,
                                             OpenFailure* failure) {
    if (path.isEmpty())
        return nullptr;
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    if (!port->open(QIODevice::ReadWrite)) {
        if (failure) {
            failure->reason = port->errorString();
            failure->permissionDenied = port->error() == QSerialPort::PermissionError;
        }
        return nullptr;
    }
    // Purge both directions, then the line settings. Their results do not matter: a line that
    // does not work shows up as transactions without answers.
    port->clear(QSerialPort::AllDirections);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setDataTerminalReady(false);
    port->setRequestToSend(false);
    port->clearError();
    return std::unique_ptr<SerialLink>(new SerialLink(std::move(port), timeouts));
}

void SerialLink::pollInput() { port_->waitForReadyRead(0); }

// An adapter pulled out, or the other end of a pseudo-terminal closed, shows as a resource
// error (EIO, hang-up): the port will not come back by waiting.
QString SerialLink::lossReason() const {
    if (port_->isOpen() && port_->error() == QSerialPort::ResourceError)
        return port_->errorString();
    return {};
}

void SerialLink::discardInput() {
    port_->clear(QSerialPort::Input);
    IoDeviceLink::discardInput();
}

void SerialLink::close() { port_->close(); }

} // namespace line
