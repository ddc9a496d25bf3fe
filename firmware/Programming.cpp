#include "firmware/Programming.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "link/Crc8.h"

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
    Exchange(Link& link, Frontend& frontend, const Protocol::TraceHook& trace)
        : link_(link), frontend_(frontend), trace_(trace) {
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
        if (trace_)
            trace_(d, QByteArray(reinterpret_cast<const char*>(data), count), timedOut);
    }

    Link& link_;
    Frontend& frontend_;
    const Protocol::TraceHook& trace_;
    QElapsedTimer sinceEvents_;
};

using core::Outcome;

Outcome failed(const QString& wording) {
    return Outcome::of(Outcome::Kind::FinishedWithErrors, wording);
}

// Steps 5 to the end, with the port open and the question answered Yes.
Outcome program(Exchange& x, Link& link, Frontend& frontend, const FirmwareImage& image) {
    // A request or probe that the line refused cannot be acknowledged.
    const auto frame = request();
    if (!x.send(frame.data(), int(frame.size())))
        return failed(firmware_texts::cannotEnter());
    x.pause(kRequestPauseMs);
    if (!x.sendByte(kProbe))
        return failed(firmware_texts::cannotEnter());
    x.pause(kProbePauseMs);
    const auto acknowledgement = x.receiveByte();
    if (acknowledgement != kAcknowledge)
        return failed(firmware_texts::cannotEnter());

    link.setTimeouts(kTransferTimeouts);
    frontend.showInformation(firmware_texts::noticeCaption(), firmware_texts::notice());

    // From the start of the image on, a byte that the line refused ends the run at once: the
    // meter did not get the image (or the finish), whatever else it may answer.
    frontend.setStatus(firmware_texts::programming());
    frontend.processEvents();
    frontend.setProgressMaximum(kBlocks - 1);
    if (!x.sendByte(kStartOfImage))
        return failed(firmware_texts::completedWithErrorsRepeat());
    for (int block = 0; block < kBlocks; ++block) {
        for (int i = 0; i < kBlockSize; ++i)
            if (!x.sendByte(image.bytes[std::size_t(block * kBlockSize + i)]))
                return failed(firmware_texts::completedWithErrorsRepeat());
        const auto answer = x.receiveByte();
        if (!answer)
            return failed(firmware_texts::completedWithErrorsRepeat());
        frontend.setProgressPosition(kBlocks - *answer);
    }

    frontend.setProgressMaximum(FirmwareImage::kSize);
    frontend.setStatus(firmware_texts::verifying());
    frontend.processEvents();
    bool match = true;
    for (int i = 0; i < FirmwareImage::kSize; ++i) {
        const auto byte = x.receiveByte();
        if (!byte)
            return failed(firmware_texts::completedWithErrorsRepeat());
        if (*byte != image.bytes[std::size_t(i)])
            match = false;
        frontend.setProgressPosition(i);
    }
    if (!match || !x.sendByte(kFinish))
        return failed(firmware_texts::completedWithErrorsRepeat());
    return Outcome::of(Outcome::Kind::Succeeded);
}

} // namespace

Outcome run(core::Session& session, const LinkTarget& target, FirmwareImage& image,
            const QDate& today) {
    return run(session, target, image, std::function<QDate()>([today] { return today; }));
}

Outcome run(core::Session& session, const LinkTarget& target, FirmwareImage& image,
            const std::function<QDate()>& today) {
    return session.run(target, kEntryTimeouts, core::Session::LinkUse::SerialOnly, [&](Link& link) {
        Frontend& frontend = session.frontend();
        if (!frontend.askYesNo(texts::attentionCaption(), firmware_texts::startQuestion(),
                               Frontend::DefaultButton::No))
            return Outcome::of(Outcome::Kind::Declined);
        // The day of the programming is the day of the Yes, however long the question stood.
        image.stampDate(today());
        Exchange exchange(link, frontend, session.traceHook());
        return core::finish(frontend, program(exchange, link, frontend, image));
    });
}

} // namespace programming
