#include "link/Protocol.h"

#include "link/Crc8.h"

#include <QThread>

#include <algorithm>
#include <cstring>

namespace line {

Protocol::Protocol() : pause_([](int ms) { QThread::msleep(ulong(ms)); }) {}

void Protocol::putData(const quint8* data, int count) {
    std::memcpy(buffer_.data() + 3, data, std::size_t(count));
}

quint64 Protocol::dataLE(int first, int count) const {
    quint64 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | buffer_[std::size_t(first + i)];
    return value;
}

bool Protocol::refuse() {
    errorSeen_ = true;
    if (progressHook_)
        progressHook_();
    return false;
}

bool Protocol::ReadMemory(quint16 address, quint8 count) {
    if (count > kMaxReadCount)
        return refuse();
    describe(address, count);
    buildRequest(kReadMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address), 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteMemory(quint16 address, quint8 count) {
    if (count > kMaxWriteCount)
        return refuse();
    describe(address, count);
    buildRequest(kWriteMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address),
                 count);
    return transact(count + 4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadSettingBytes(quint8 address, quint8 count) {
    if (count > kMaxReadCount)
        return refuse();
    describe(address, count);
    buildRequest(kReadSettingBytes, count, address, 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteSettingByte(quint8 address, quint8 value) {
    describe(address, value);
    buildRequest(kWriteSettingByte, value, address, 0);
    return transact(4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadRecord(quint16 recordAddress) {
    describe(recordAddress, 0);
    buildRequest(kReadRecord, quint8(recordAddress >> 8), quint8(recordAddress), 0);
    return transact(4, kRecordSize + 2, Answer::Data, false);
}

bool Protocol::WriteRecord(quint16 recordAddress) {
    describe(recordAddress, 0);
    buildRequest(kWriteRecord, quint8(recordAddress >> 8), quint8(recordAddress), kRecordSize);
    return transact(kRecordSize + 4, 1, Answer::Acknowledge, true);
}

int Protocol::observe(FrameHook observer) {
    observers_.emplace_back(nextHandle_, std::move(observer));
    return nextHandle_++;
}

void Protocol::forget(int handle) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [handle](const auto& o) { return o.first == handle; }),
                     observers_.end());
}

void Protocol::resubscribe(int& handle, FrameHook observer) {
    forget(handle);
    handle = observer ? observe(std::move(observer)) : 0;
}

void Protocol::setTraceHook(TraceHook hook) {
    resubscribe(traceHandle_, hook ? FrameHook([hook = std::move(hook)](const Frame& f) {
                    hook(f.direction, f.bytes, f.timedOut);
                })
                                   : FrameHook());
}

void Protocol::setFrameHook(FrameHook hook) { resubscribe(frameHandle_, std::move(hook)); }

void Protocol::describe(quint16 address, int countOrValue) {
    if (observers_.empty())
        return;
    current_.address = address;
    current_.countOrValue = countOrValue;
}

// The request is kept apart from the buffer: the answer is read into the buffer from
// position 0, so every attempt sends the frame as it was first built.
void Protocol::buildRequest(quint8 command, quint8 p1, quint8 p2, int dataCount) {
    current_.command = command;
    request_[0] = command;
    request_[1] = p1;
    request_[2] = p2;
    std::memcpy(request_.data() + 3, buffer_.data() + 3, std::size_t(dataCount));
    request_[std::size_t(3 + dataCount)] = crc8(request_.data(), std::size_t(3 + dataCount));
}

qint64 Protocol::nowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 epoch_)
        .count();
}

bool Protocol::linkGone() {
    if (!link_ || !link_->gone())
        return false;
    owed_.clear();
    doubtful_.clear();
    if (!lossReported_) {
        lossReported_ = true;
        if (linkLostHook_)
            linkLostHook_(link_->goneReason());
    }
    return true;
}

// Answers are told apart by counting, not by waiting for a quiet line: the meter answers every
// request it took, in order, and an answer may come any time later (seconds on the pipe, where
// the client relays it). Every request sent is owed an answer until its bytes have come in
// whole. Within a transaction every attempt sends the same request, so an earlier attempt's
// answer is as good as the latest's; an answer owed from an earlier transaction is never taken:
// before a new transaction goes out, every such answer is waited for, up to kLateAnswerLimitMs
// after its request. A quiet period alone cannot do this: an answer later than the quiet period
// would land in the next request's read and pass for its answer. An answer that never comes is
// a lost request; once that has happened, answers are awaited only briefly after their read
// gave up, until one is seen coming late again, so a meter that loses requests costs the wait
// once per link.
bool Protocol::transact(int requestLength, int answerLength, Answer answer,
                        bool pauseAfterAttempt) {
    ++transaction_;
    if (meterSilent())
        return refuse();
    const quint64 heardBefore = bytesHeard_;
    // After the engineer's stop no answer is waited for: the link closes next.
    if (!stopRequested())
        drainOwed();
    bool ok = false;
    for (int i = 0; i < kAttempts && !ok && !linkGone() && !stopRequested(); ++i) {
        ok = attempt(requestLength, answerLength, answer, i + 1);
        if (pauseAfterAttempt && !linkGone())
            pause_(kWriteRecordPauseMs);
    }
    if (ok) {
        replySeen_ = true;
        markDoubtful(takenSentMs_);
    } else {
        errorSeen_ = true;
    }
    silentRun_ = bytesHeard_ == heardBefore && !stopRequested() ? silentRun_ + 1 : 0;
    if (progressHook_)
        progressHook_();
    return ok;
}

void Protocol::drainOwed() {
    while (link_ && !owed_.empty() && !linkGone()) {
        Owed& head = owed_.front();
        const qint64 left = std::max<qint64>(0, head.deadlineMs - nowMs());
        std::array<quint8, kBufferSize> scrap{};
        const int want = std::min(head.length - int(head.received.size()), kBufferSize);
        const int got = link_->readWithin(scrap.data(), want, int(left));
        bytesHeard_ += quint64(std::max(got, 0));
        if (got > 0)
            tell(Direction::Received, scrap.data(), got, 0, Verdict::Late, got < want);
        if (got == want) {
            answersGetLost_ = false; // it came late, not never
            owed_.pop_front();
        } else if (got > 0 || !head.received.isEmpty()) {
            dropPartial();
        } else if (head.expectedMs > 0 && nowMs() < head.expectedMs + kDoubtMarginMs) {
            // Not due yet if the answers are late: the next request settles it.
            doubtful_.push_back(head);
            owed_.pop_front();
        } else { // nothing came for as long as it was awaited
            answersGetLost_ = true;
            owed_.pop_front();
        }
    }
}

// The meter answers in order and, on a line that delays its answers, delays each by about as
// much: the answer taken came `late` after its request, so the attempts after it are answered
// about as long after theirs. When the taken answer was in fact the retry's own (the first
// request lost), none of them comes.
void Protocol::markDoubtful(qint64 answeredSentMs) {
    const qint64 now = nowMs();
    for (Owed& o : owed_) {
        if (o.transaction != transaction_)
            continue;
        o.expectedMs = now + std::max<qint64>(0, o.sentMs - answeredSentMs);
        o.deadlineMs = std::min(
            {o.deadlineMs, o.expectedMs + kDoubtMarginMs, now + qint64(kDoubtfulAnswerWaitMs)});
    }
}

void Protocol::restoreDoubtful() {
    while (!doubtful_.empty()) {
        Owed o = doubtful_.back();
        doubtful_.pop_back();
        o.expectedMs = 0;
        o.deadlineMs = o.sentMs + lateAnswerLimitMs_;
        owed_.push_front(o);
    }
}

// No answer owed to an earlier transaction can come before its due time less the margin: an
// answer that is whole by then is this request's own, and the doubtful ones were never coming.
// Anything else, a few bytes or nothing, and the doubtful answers are owed again, first.
bool Protocol::readPastDoubtful(int answerLength, Answer answer, int number) {
    const qint64 window =
        std::max<qint64>(0, doubtful_.front().expectedMs - kDoubtMarginMs - nowMs());
    QByteArray bytes(answerLength, '\0');
    const int got =
        link_->readWithin(reinterpret_cast<quint8*>(bytes.data()), answerLength, int(window));
    bytes.truncate(got);
    bytesHeard_ += quint64(std::max(got, 0));
    const auto* b = reinterpret_cast<const quint8*>(bytes.constData());
    if (got == answerLength) {
        doubtful_.clear();
        std::memcpy(buffer_.data(), bytes.constData(), std::size_t(std::min(got, kBufferSize)));
        const Verdict verdict = feed(bytes, answerLength, answer)
                                    .value_or(judge(b, got, answerLength, answer == Answer::Data));
        tell(Direction::Received, b, got, number, verdict, false);
        return verdict == Verdict::Ok;
    }
    restoreDoubtful();
    if (got > 0) {
        feed(bytes, answerLength, answer);
        tell(Direction::Received, b, got, number, Verdict::Late, true);
    }
    return false;
}

void Protocol::dropPartial() {
    link_->discardUntilQuiet(link_->quietPeriodMs(), 1000);
    owed_.pop_front();
}

std::optional<Protocol::Verdict> Protocol::feed(const QByteArray& bytes, int answerLength,
                                                Answer answer) {
    std::optional<Verdict> verdict;
    qsizetype at = 0;
    while (at < bytes.size() && !owed_.empty()) {
        Owed& head = owed_.front();
        const qsizetype take =
            std::min<qsizetype>(head.length - head.received.size(), bytes.size() - at);
        head.received += bytes.mid(at, take);
        at += take;
        if (head.received.size() < head.length)
            break;
        if (head.transaction == transaction_ && head.length == answerLength &&
            verdict != Verdict::Ok) {
            verdict = judge(reinterpret_cast<const quint8*>(head.received.constData()), head.length,
                            answerLength, answer == Answer::Data);
            if (verdict == Verdict::Ok) {
                std::memcpy(buffer_.data(), head.received.constData(), std::size_t(head.length));
                takenSentMs_ = head.sentMs;
            }
        }
        owed_.pop_front();
    }
    return verdict;
}

// An acknowledgement answer is good once its first byte is; a read answer must be complete:
// the acknowledgement, every data byte and the CRC over them.
Protocol::Verdict Protocol::judge(const quint8* b, int got, int expected, bool dataAnswer) {
    if (got < 1)
        return Verdict::Timeout;
    if (b[0] != kAcknowledge)
        return Verdict::WrongAcknowledge;
    if (!dataAnswer)
        return Verdict::Ok;
    if (got < expected)
        return Verdict::Short;
    if (b[got - 1] != crc8(b + 1, std::size_t(got - 2)))
        return Verdict::BadCrc;
    return Verdict::Ok;
}

bool Protocol::attempt(int requestLength, int answerLength, Answer answer, int number) {
    if (!link_)
        return false;
    if (owed_.empty() && doubtful_.empty()) {
        // Stray bytes (line noise, a byte too many after an answer) are no one's answer.
        link_->discardInput();
    } else {
        // An earlier attempt's answer may have come in the meantime.
        std::array<quint8, kBufferSize * kAttempts * 2> arrived{};
        int want = 0;
        for (const Owed& o : owed_)
            want += o.length - int(o.received.size());
        for (const Owed& o : doubtful_)
            want += o.length;
        const int got =
            link_->readWithin(arrived.data(), std::min<int>(want, int(arrived.size())), 0);
        bytesHeard_ += quint64(std::max(got, 0));
        if (got > 0)
            restoreDoubtful(); // they were coming after all
        if (got > 0) {
            const bool earlierAnswered =
                feed(QByteArray(reinterpret_cast<const char*>(arrived.data()), got), answerLength,
                     answer) == Verdict::Ok;
            tell(Direction::Received, arrived.data(), got, number,
                 earlierAnswered ? Verdict::Ok : Verdict::Late, false);
            if (earlierAnswered)
                return true;
        }
    }
    const bool sent = link_->write(request_.data(), requestLength);
    tell(Direction::Sent, request_.data(), requestLength, number, Verdict::Ok, false);
    if (!sent) {
        linkGone();
        return false;
    }
    const qint64 sentAt = nowMs();
    owed_.push_back(
        {answerLength, answerLength, {}, sentAt + lateAnswerLimitMs_, transaction_, sentAt, 0});

    // Earlier attempts' answers come first: the meter answers in the order it was asked. One
    // of them is as good as this attempt's own, and ends the attempt as soon as it is in.
    // One answer at a time: the first that answers this transaction ends the wait.
    bool ok = false;
    bool ownAwaited = true;
    while (owed_.size() > 1 && !ok) {
        const int want = owed_.front().length - int(owed_.front().received.size());
        QByteArray bytes(want, '\0');
        const int got = link_->read(reinterpret_cast<quint8*>(bytes.data()), want);
        bytes.truncate(got);
        bytesHeard_ += quint64(std::max(got, 0));
        ok = feed(bytes, answerLength, answer) == Verdict::Ok;
        tell(Direction::Received, reinterpret_cast<const quint8*>(bytes.constData()), got, number,
             ok ? Verdict::Ok : Verdict::Late, got < want);
        // When they did not all come in time, this attempt's answer cannot have come either.
        if (got < want) {
            ownAwaited = false;
            break;
        }
    }
    ownAwaited = ownAwaited && !ok;
    if (ownAwaited && !doubtful_.empty()) {
        ok = readPastDoubtful(answerLength, answer, number);
    } else if (ownAwaited) {
        const int total = answerLength; // only this attempt's answer is left
        QByteArray bytes(total, '\0');
        const int got = link_->read(reinterpret_cast<quint8*>(bytes.data()), total);
        bytes.truncate(got);
        bytesHeard_ += quint64(std::max(got, 0));
        // Kept as it came, as the callers have always found it.
        std::memcpy(buffer_.data(), bytes.constData(), std::size_t(std::min(got, kBufferSize)));
        const auto* b = reinterpret_cast<const quint8*>(bytes.constData());
        // An answer that came whole was judged as it was taken; one cut short is judged here.
        const Verdict verdict = feed(bytes, answerLength, answer)
                                    .value_or(judge(b, got, answerLength, answer == Answer::Data));
        ok = verdict == Verdict::Ok;
        tell(Direction::Received, b, got, number, verdict, got < total);
    }
    if (linkGone())
        return ok;
    if (!owed_.empty() && !owed_.front().received.isEmpty())
        dropPartial();
    // A meter that has lost requests is not waited for long.
    if (answersGetLost_)
        for (Owed& o : owed_)
            o.deadlineMs = std::min(o.deadlineMs, nowMs() + kLostAnswerGraceMs);
    return ok;
}

void Protocol::tell(Direction direction, const quint8* data, int count, int number, Verdict verdict,
                    bool timedOut) {
    if (observers_.empty())
        return;
    current_.direction = direction;
    current_.bytes = QByteArray(reinterpret_cast<const char*>(data), count);
    current_.attempt = number;
    current_.verdict = verdict;
    current_.timedOut = timedOut;
    // A copy: an observer may subscribe or leave meanwhile.
    const auto observers = observers_;
    for (const auto& o : observers)
        o.second(current_);
}

QString Protocol::transactionText(const Frame& f) {
    switch (f.command) {
    case kReadMemory:
        return QStringLiteral("ReadMemory %1 %2").arg(f.address).arg(f.countOrValue);
    case kWriteMemory:
        return QStringLiteral("WriteMemory %1 %2").arg(f.address).arg(f.countOrValue);
    case kReadSettingBytes:
        return QStringLiteral("ReadSettingBytes %1 %2").arg(f.address).arg(f.countOrValue);
    case kWriteSettingByte:
        return QStringLiteral("WriteSettingByte %1=0x%2")
            .arg(f.address)
            .arg(QString::number(f.countOrValue, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    case kReadRecord:
        return QStringLiteral("ReadRecord %1").arg(f.address);
    case kWriteRecord:
        return QStringLiteral("WriteRecord %1").arg(f.address);
    default:
        return QStringLiteral("0x%1").arg(
            QString::number(f.command, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    }
}

QString Protocol::verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Ok:
        return QStringLiteral("ok");
    case Verdict::Timeout:
        return QStringLiteral("timeout");
    case Verdict::Short:
        return QStringLiteral("short");
    case Verdict::WrongAcknowledge:
        return QStringLiteral("wrong acknowledgement");
    case Verdict::BadCrc:
        return QStringLiteral("bad CRC");
    case Verdict::Late:
        return QStringLiteral("late");
    }
    return {};
}

} // namespace line
