#pragma once

#include "link/Link.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <functional>

// The six request/answer transactions with the meter. Every answer starts with the
// acknowledgement 0x64; read answers then carry their data bytes and a CRC-8 over them. Each
// transaction makes up to three attempts, records its outcome in the reply-seen or error-seen
// flag and runs the progress hook once.
//
// The 17-byte transaction buffer is shared with the callers: after a successful read the data
// bytes are at positions 1..count; a write takes its data from positions 3 onward.
class Protocol {
public:
    static constexpr int kBufferSize = 17;
    static constexpr quint8 kAcknowledge = 0x64;
    static constexpr int kAttempts = 3;
    static constexpr int kWriteRecordPauseMs = 15;
    static constexpr int kRecordSize = 8;
    // What one frame can carry: an answer fills at most the whole buffer, a request too.
    static constexpr int kMaxReadCount = kBufferSize - 2;
    static constexpr int kMaxWriteCount = kBufferSize - 4;

    enum Command : quint8 {
        kReadMemory = 0x18,
        kWriteMemory = 0x24,
        kReadSettingBytes = 0x3C,
        kWriteSettingByte = 0x42,
        kReadRecord = 0x5A,
        kWriteRecord = 0x66,
    };

    enum class Direction { Sent, Received };
    // Every frame that went out or came in; `timedOut` when fewer bytes came than awaited.
    using TraceHook = std::function<void(Direction, const QByteArray& bytes, bool timedOut)>;

    Protocol();

    void setLink(Link* link) { link_ = link; }
    Link* link() const { return link_; }

    quint8* buffer() { return buffer_.data(); }
    const quint8* buffer() const { return buffer_.data(); }
    quint8 at(int position) const { return buffer_[std::size_t(position)]; }

    bool replySeen() const { return replySeen_; }
    bool errorSeen() const { return errorSeen_; }
    void clearFlags() { replySeen_ = errorSeen_ = false; }

    void setProgressHook(std::function<void()> hook) { progressHook_ = std::move(hook); }
    void setTraceHook(TraceHook hook) { traceHook_ = std::move(hook); }
    // The longest the line is watched for a late answer after a disturbed transaction.
    static constexpr int kSettleLimitMs = 1000;

    // How WriteRecord's pause is spent (a plain sleep unless replaced).
    void setPause(std::function<void(int ms)> pause) { pause_ = std::move(pause); }

    // Places `count` data bytes at buffer positions 3.. for a following write.
    void putData(const quint8* data, int count);

    bool ReadMemory(quint16 address, quint8 count);
    bool WriteMemory(quint16 address, quint8 count);
    bool ReadSettingBytes(quint8 address, quint8 count);
    bool WriteSettingByte(quint8 address, quint8 value);
    bool ReadRecord(quint16 recordAddress);
    bool WriteRecord(quint16 recordAddress);

    // Little-endian integer from the answer's data bytes (buffer positions 1..).
    quint64 dataLE(int first, int count) const;

private:
    enum class Answer { Acknowledge, Data };
    bool transact(int requestLength, int answerLength, Answer answer, bool pauseAfterAttempt);
    void buildRequest(quint8 command, quint8 p1, quint8 p2, int dataCount);
    bool attempt(int requestLength, int answerLength, Answer answer);
    // A transaction asked for more than a frame carries: it fails without a frame sent.
    bool refuse();

    std::array<quint8, kBufferSize> buffer_{};
    std::array<quint8, kBufferSize> request_{};
    Link* link_ = nullptr;
    bool replySeen_ = false;
    bool errorSeen_ = false;
    std::function<void()> progressHook_;
    TraceHook traceHook_;
    std::function<void(int)> pause_;
    // An attempt went unanswered in time, so its answer may still be on the way.
    bool lateAnswerPossible_ = false;
};
