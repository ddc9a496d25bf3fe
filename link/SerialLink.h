#pragma once

#include "link/IoDeviceLink.h"

#include <QSerialPort>

namespace line {

// A serial port at 9600 baud, 8 data bits, no parity, one stop bit, no flow control, with DTR
// and RTS held off.
class SerialLink : public IoDeviceLink {
public:
    // Opens the port exclusively and sets it up; null when the port cannot be opened.
    // `path` is a device path (/dev/ttyUSB0) or a bare port name (ttyUSB0, COM3).
    static std::unique_ptr<SerialLink> open(const QString& path, const ReadTimeouts& timeouts,
                                            OpenFailure* failure = nullptr);

    Kind kind() const override { return Kind::Serial; }
    void discardInput() override;
    void close() override;

protected:
    QIODevice* device() const override { return port_.get(); }
    bool canReceive() const override { return port_->isOpen(); }
    void pollInput() override;
    QString lossReason() const override;

private:
    explicit SerialLink(std::unique_ptr<QSerialPort> port, const ReadTimeouts& timeouts);
    std::unique_ptr<QSerialPort> port_;
};

} // namespace line
