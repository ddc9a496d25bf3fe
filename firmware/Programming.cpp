#include "firmware/Programming.h"

#include "core/ExchangeLog.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "link/Crc8.h"

#include <QElapsedTimer>
#include <QThread>

namespace firmware::programming {

std::array<quint8, 4> request() {
    std::array<quint8, 4> frame{kRequestCommand, 0xFF, 0xFF, 0};
    frame[3] = line::crc8(frame.data(), 3);
    return frame;
}

namespace {

// The raw exchange on the open port, with the trace, the exchange log and the window kept
// alive. The log gets a line per frame of the entry, per block and per 512 read-back bytes.
class Exchange {
public:
    Exchange(line::Link& link, core::Frontend& frontend, const line::Protocol::TraceHook& trace,
             core::ExchangeLog* log, const line::CancelToken& cancel)
        : link_(link), frontend_(frontend), trace_(trace), log_(log), cancel_(cancel) {
        sinceEvents_.start();
    }

    bool send(const quint8* data, int count) {
        const bool ok = link_.write(data, count);
        trace(line::Protocol::Direction::Sent, data, count, false);
        return ok;
    }
    bool sendByte(quint8 byte) { return send(&byte, 1); }
    // A frame of the entry or the end, with its line in the exchange log whether the line took
    // it or not.
    bool sendLogged(const QByteArray& bytes, const QString& meaning) {
        const bool ok = send(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
        log(line::Protocol::Direction::Sent, bytes, meaning);
        return ok;
    }

    // One awaited byte; empty when none came within the current time-outs.
    std::optional<quint8> receiveByte() {
        quint8 byte = 0;
        const int got = link_.read(&byte, 1);
        trace(line::Protocol::Direction::Received, &byte, got, got < 1);
        keepWindowAlive();
        if (got < 1)
            return std::nullopt;
        return byte;
    }

    // Waits in short slices so the window repaints meanwhile; a stop ends the wait.
    void pause(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && !stopNow()) {
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

    bool stopNow() const { return cancel_.stopNow(); }

    void log(line::Protocol::Direction d, const QByteArray& bytes, const QString& meaning) {
        if (log_)
            log_->frame(d, bytes, meaning);
    }
    // An awaited byte as the log tells it.
    void logAnswer(const std::optional<quint8>& byte, const QString& meaning) {
        log(line::Protocol::Direction::Received, byte ? QByteArray(1, char(*byte)) : QByteArray(),
            byte ? meaning : QStringLiteral("timeout"));
    }

private:
    static constexpr int kEventsEveryMs = 30;

    void trace(line::Protocol::Direction d, const quint8* data, int count, bool timedOut) {
        if (trace_)
            trace_(d, QByteArray(reinterpret_cast<const char*>(data), count), timedOut);
    }

    line::Link& link_;
    core::Frontend& frontend_;
    const line::Protocol::TraceHook& trace_;
    core::ExchangeLog* log_;
    const line::CancelToken& cancel_;
    QElapsedTimer sinceEvents_;
};

using core::Outcome;

Outcome failed(Outcome::Detail detail) {
    return Outcome::of(Outcome::Kind::FinishedWithErrors, detail);
}

QByteArray bytesOf(const FirmwareImage& image, int first, int count) {
    return QByteArray(reinterpret_cast<const char*>(image.bytes.data()) + first, count);
}

// The time left counts the bytes on the line: each block with its answer, then the read-back.
constexpr int kWorkUnits = kBlocks * (kBlockSize + 1) + FirmwareImage::kSize;
constexpr int kReadBackLogBytes = 512;

// Steps 5 to the end, with the port open and the question answered Yes. Until the erase
// command the engineer may stop; from it on nothing stops the run, since a meter without a
// complete program does not work.
Outcome program(Exchange& x, line::Link& link, core::Frontend& frontend, line::CancelToken& cancel,
                const FirmwareImage& image) {
    using Direction = line::Protocol::Direction;
    const Outcome stopped = Outcome::of(Outcome::Kind::Cancelled);
    // A request or probe that the line refused cannot be acknowledged.
    const auto frame = request();
    if (!x.sendLogged(QByteArray(reinterpret_cast<const char*>(frame.data()), int(frame.size())),
                      QStringLiteral("programming mode")))
        return failed(Outcome::Detail::NoProgrammingMode);
    x.pause(kRequestPauseMs);
    if (x.stopNow())
        return stopped;
    if (!x.sendLogged(QByteArray(1, char(kProbe)), QStringLiteral("probe")))
        return failed(Outcome::Detail::NoProgrammingMode);
    x.pause(kProbePauseMs);
    const auto acknowledgement = x.receiveByte();
    x.logAnswer(acknowledgement, acknowledgement == kAcknowledge
                                     ? QStringLiteral("ok")
                                     : QStringLiteral("wrong acknowledgement"));
    if (x.stopNow())
        return stopped;
    if (acknowledgement != kAcknowledge)
        return failed(Outcome::Detail::NoProgrammingMode);

    link.setTimeouts(kTransferTimeouts);
    frontend.showInformation(texts::noticeCaption(), texts::notice());
    frontend.processEvents();
    if (x.stopNow())
        return stopped;

    // From the start of the image on, a byte that the line refused ends the run at once: the
    // meter did not get the image (or the finish), whatever else it may answer.
    line::CancelToken::Scope toTheEnd(&cancel, line::CancelToken::Phase::Refused);
    frontend.setStatus(texts::programming());
    frontend.processEvents();
    frontend.setProgressMaximum(kBlocks - 1);
    frontend.planWork(kWorkUnits);
    if (!x.sendLogged(QByteArray(1, char(kStartOfImage)), QStringLiteral("start of image")))
        return failed(Outcome::Detail::ProgrammingFailed);
    for (int block = 0; block < kBlocks; ++block) {
        for (int i = 0; i < kBlockSize; ++i)
            if (!x.sendByte(image.bytes[std::size_t(block * kBlockSize + i)]))
                return failed(Outcome::Detail::ProgrammingFailed);
        x.log(Direction::Sent, bytesOf(image, block * kBlockSize, kBlockSize),
              QStringLiteral("block %1/%2").arg(block + 1).arg(kBlocks));
        const auto answer = x.receiveByte();
        x.logAnswer(answer, QStringLiteral("ok"));
        if (!answer)
            return failed(Outcome::Detail::ProgrammingFailed);
        frontend.setProgressPosition(kBlocks - *answer);
        frontend.workDone((block + 1) * (kBlockSize + 1));
    }

    frontend.setProgressMaximum(FirmwareImage::kSize);
    frontend.setStatus(texts::verifying());
    frontend.processEvents();
    bool match = true;
    QByteArray chunk;
    int chunkStart = 0;
    bool chunkMatches = true;
    auto logChunk = [&](const QString& verdict) {
        x.log(Direction::Received, chunk,
              QStringLiteral("read-back %1-%2/%3 %4")
                  .arg(chunkStart + 1)
                  .arg(chunkStart + chunk.size())
                  .arg(FirmwareImage::kSize)
                  .arg(verdict));
        chunkStart += int(chunk.size());
        chunk.clear();
        chunkMatches = true;
    };
    for (int i = 0; i < FirmwareImage::kSize; ++i) {
        const auto byte = x.receiveByte();
        if (!byte) {
            logChunk(QStringLiteral("timeout"));
            return failed(Outcome::Detail::ProgrammingFailed);
        }
        chunk.append(char(*byte));
        if (*byte != image.bytes[std::size_t(i)])
            match = chunkMatches = false;
        if (chunk.size() == kReadBackLogBytes)
            logChunk(chunkMatches ? QStringLiteral("ok") : QStringLiteral("differs"));
        frontend.setProgressPosition(i);
        frontend.workDone(kBlocks * (kBlockSize + 1) + i + 1);
    }
    if (!match)
        return failed(Outcome::Detail::ProgrammingFailed);
    if (!x.sendLogged(QByteArray(1, char(kFinish)), QStringLiteral("finish")))
        return failed(Outcome::Detail::ProgrammingFailed);
    return Outcome::of(Outcome::Kind::Succeeded);
}

} // namespace

Outcome run(core::Session& session, const line::LinkTarget& target, FirmwareImage& image,
            const QDate& today) {
    return run(session, target, image, std::function<QDate()>([today] { return today; }));
}

Outcome run(core::Session& session, const line::LinkTarget& target, FirmwareImage& image,
            const std::function<QDate()>& today) {
    return session.run(
        target, kEntryTimeouts, core::Session::LinkUse::SerialOnly, [&](line::Link& link) {
            core::Frontend& frontend = session.frontend();
            if (!frontend.askYesNo(core::texts::attentionCaption(), texts::startQuestion(),
                                   core::Frontend::DefaultButton::No))
                return Outcome::of(Outcome::Kind::Declined);
            // The day of the programming is the day of the Yes, however long the question stood.
            const QDate day = today();
            image.stampDate(day);
            // Four bits of year: from 2023 on the meter reads the date back as another year.
            if (image.creationDate() != day && session.exchangeLog())
                session.exchangeLog()->event(texts::stampedDateNote(
                    day.toString(QStringLiteral("dd.MM.yyyy")), image.creationDateText()));
            Exchange exchange(link, frontend, session.traceHook(), session.exchangeLog(),
                              session.cancel());
            const Outcome outcome = program(exchange, link, frontend, session.cancel(), image);
            frontend.endWork();
            return core::finish(frontend, outcome);
        });
}

} // namespace firmware::programming
