#include "firmware/Programming.h"

#include "app/core/Frontend.h"
#include "app/core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "link/Crc8.h"
#include "link/LinkOpener.h"

#include <QElapsedTimer>
#include <QThread>

namespace programming {

std::array<quint8, 4> request() {
    std::array<quint8, 4> frame{kRequestCommand, 0xFF, 0xFF, 0};
    frame[3] = crc8(frame.data(), 3);
    return frame;
}

namespace {

// The raw exchange on the open port, with the trace and the window kept alive.
class Exchange {
public:
    Exchange(Link& link, Frontend& frontend, const Options& options)
        : link_(link), frontend_(frontend), options_(options) {
        sinceEvents_.start();
    }

    bool send(const quint8* data, int count) {
        const bool ok = link_.write(data, count);
        trace(Protocol::Direction::Sent, data, count, false);
        return ok;
    }
    bool sendByte(quint8 byte) { return send(&byte, 1); }

    // One awaited byte; empty when none came within the current time-outs.
    std::optional<quint8> receiveByte() {
        quint8 byte = 0;
        const int got = link_.read(&byte, 1);
        trace(Protocol::Direction::Received, &byte, got, got < 1);
        keepWindowAlive();
        if (got < 1)
            return std::nullopt;
        return byte;
    }

    // Waits in short slices so the window repaints meanwhile.
    void pause(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QThread::msleep(ulong(std::min<qint64>(ms - clock.elapsed(), 10)));
            keepWindowAlive();
        }
    }

    // The window handles its pending messages a few dozen times a second, no more.
    void keepWindowAlive() {
        if (sinceEvents_.elapsed() >= kEventsEveryMs) {
            frontend_.processEvents();
            sinceEvents_.restart();
        }
    }

private:
    static constexpr int kEventsEveryMs = 30;

    void trace(Protocol::Direction d, const quint8* data, int count, bool timedOut) {
        if (options_.trace)
            options_.trace(d, QByteArray(reinterpret_cast<const char*>(data), count), timedOut);
    }

    Link& link_;
    Frontend& frontend_;
    const Options& options_;
    QElapsedTimer sinceEvents_;
};

// Steps 5 to the end, with the port open and the question answered Yes. Returns the status.
QString program(Exchange& x, Link& link, Frontend& frontend, const FirmwareImage& image) {
    // A request or probe that the line refused cannot be acknowledged.
    const auto frame = request();
    if (!x.send(frame.data(), int(frame.size())))
        return firmware_texts::cannotEnter();
    x.pause(kRequestPauseMs);
    if (!x.sendByte(kProbe))
        return firmware_texts::cannotEnter();
    x.pause(kProbePauseMs);
    const auto acknowledgement = x.receiveByte();
    if (acknowledgement != kAcknowledge)
        return firmware_texts::cannotEnter();

    link.setTimeouts(kTransferTimeouts);
    frontend.showInformation(firmware_texts::noticeCaption(), firmware_texts::notice());

    // From the start of the image on, a byte that the line refused ends the run at once: the
    // meter did not get the image (or the finish), whatever else it may answer.
    frontend.setStatus(firmware_texts::programming());
    frontend.processEvents();
    frontend.setProgressMaximum(kBlocks - 1);
    if (!x.sendByte(kStartOfImage))
        return firmware_texts::completedWithErrorsRepeat();
    for (int block = 0; block < kBlocks; ++block) {
        for (int i = 0; i < kBlockSize; ++i)
            if (!x.sendByte(image.bytes[std::size_t(block * kBlockSize + i)]))
                return firmware_texts::completedWithErrorsRepeat();
        const auto answer = x.receiveByte();
        if (!answer)
            return firmware_texts::completedWithErrorsRepeat();
        frontend.setProgressPosition(kBlocks - *answer);
    }

    frontend.setProgressMaximum(FirmwareImage::kSize);
    frontend.setStatus(firmware_texts::verifying());
    frontend.processEvents();
    bool match = true;
    for (int i = 0; i < FirmwareImage::kSize; ++i) {
        const auto byte = x.receiveByte();
        if (!byte)
            return firmware_texts::completedWithErrorsRepeat();
        if (*byte != image.bytes[std::size_t(i)])
            match = false;
        frontend.setProgressPosition(i);
    }
    if (!match || !x.sendByte(kFinish))
        return firmware_texts::completedWithErrorsRepeat();
    return texts::completedOk();
}

} // namespace

void run(Frontend& frontend, const LinkOpener& opener, const QString& portEntry,
         FirmwareImage& image, const QDate& today, const Options& options) {
    run(frontend, opener, portEntry, image, std::function<QDate()>([today] { return today; }),
        options);
}

void run(Frontend& frontend, const LinkOpener& opener, const QString& portEntry,
         FirmwareImage& image, const std::function<QDate()>& today, const Options& options) {
    OpenResult opened = opener.openForProgramming(portEntry, kEntryTimeouts);
    if (!opened.link) {
        frontend.setStatus(texts::cannotOpenPort() + opened.portName);
        frontend.setProgressPosition(0);
        return;
    }
    Link& link = *opened.link;
    link.setIdleHook([&frontend] { frontend.processEvents(); });
    if (frontend.askYesNo(texts::attentionCaption(), firmware_texts::startQuestion(),
                          Frontend::DefaultButton::No)) {
        // The day of the programming is the day of the Yes, however long the question stood.
        image.stampDate(today());
        Exchange exchange(link, frontend, options);
        frontend.setStatus(program(exchange, link, frontend, image));
    }
    link.close();
    frontend.setProgressPosition(0);
}

} // namespace programming
