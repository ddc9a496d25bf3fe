#pragma once

#include "link/Cancel.h"
#include "link/Link.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace line {

// The six request/answer transactions with the meter. Every answer starts with the
// acknowledgement 0x64; read answers then carry their data bytes and a CRC-8 over them. Each
// transaction makes up to three attempts, records its outcome in the reply-seen or error-seen
// flag and runs the progress hook once. Every frame sent or received goes to the observers
// (the trace, the exchange log), each told once with what became of it.
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

    // What became of an answer.
    enum class Verdict {
        Ok,
        Timeout,          // nothing came
        Short,            // some bytes came, then the read gave up
        WrongAcknowledge, // the first byte is not the acknowledgement
        BadCrc,           // complete, but the checksum does not match the data
        Late,             // an earlier request's answer, come in after its read gave up
    };
    // Every frame with its place in the exchange: the transaction it belongs to, its
    // arguments and the attempt; for an answer, also what became of it and whether fewer bytes
    // came than were awaited.
    struct Frame {
        Direction direction = Direction::Sent;
        QByteArray bytes;
        quint8 command = 0;
        quint16 address = 0;
        int countOrValue = 0; // the byte count of a read or memory write, a setting's value
        int attempt = 1;      // 1..kAttempts
        Verdict verdict = Verdict::Ok; // answers only
        bool timedOut = false;         // answers only
    };
    using FrameHook = std::function<void(const Frame&)>;
    // What became of an answer of `expected` bytes of which `got` came: the one check every
    // answer passes.
    static Verdict judge(const quint8* bytes, int got, int expected, bool dataAnswer);
    // "ReadMemory 1271 2", "WriteSettingByte 16=0x3A", "ReadRecord 5848".
    static QString transactionText(const Frame& frame);
    static QString verdictText(Verdict verdict);

    Protocol();

    // A new link starts with nothing owed.
    void setLink(Link* link) {
        link_ = link;
        owed_.clear();
        doubtful_.clear();
        answersGetLost_ = false;
        silenceLimit_ = 0;
        silentRun_ = 0;
        lossReported_ = false;
    }
    Link* link() const { return link_; }

    quint8* buffer() { return buffer_.data(); }
    const quint8* buffer() const { return buffer_.data(); }
    quint8 at(int position) const { return buffer_[std::size_t(position)]; }

    bool replySeen() const { return replySeen_; }
    bool errorSeen() const { return errorSeen_; }
    void clearFlags() { replySeen_ = errorSeen_ = false; }

    void setProgressHook(std::function<void()> hook) { progressHook_ = std::move(hook); }
    // The observers of every frame, told in the order they subscribed. `observe` returns the
    // handle that `forget` takes.
    int observe(FrameHook observer);
    void forget(int handle);
    // The trace and the exchange log each hold one subscription, replaced by the next call
    // (an empty hook ends it).
    void setTraceHook(TraceHook hook);
    void setFrameHook(FrameHook hook);
    // Once the token asks to stop, a transaction sends no further attempt and one that has not
    // started sends nothing; either counts as failed.
    void setCancelToken(CancelToken* token) { cancel_ = token; }
    // Where the actions mark the phases that must not be cut; null when nothing can stop.
    CancelToken* cancelToken() const { return cancel_; }
    bool stopRequested() const { return cancel_ && cancel_->stopNow(); }
    // A long action ends once this many transactions in a row had no answer at all: the meter
    // is gone, and every further transaction fails at once without a frame sent. 0 (the
    // default, and again on a new link): every transaction is tried.
    static constexpr int kSilentTransactionsLimit = 10;
    void endAfterSilence(int transactions) {
        silenceLimit_ = transactions;
        silentRun_ = 0;
    }
    bool meterSilent() const { return silenceLimit_ > 0 && silentRun_ >= silenceLimit_; }
    // A long action's loop ends here: the engineer's stop, or a meter gone silent.
    bool halted() const { return stopRequested() || meterSilent(); }
    // Called once when the link is found gone, with the operating system's reason.
    void setLinkLostHook(std::function<void(const QString& reason)> hook) {
        linkLostHook_ = std::move(hook);
    }

    // How long after its request an answer still owed is waited for before it counts as lost.
    static constexpr int kLateAnswerLimitMs = 10500;
    // The same for this protocol: a simulated meter that answers at once or never lets the
    // tests that lose answers on purpose wait less.
    void setLateAnswerLimit(int ms) { lateAnswerLimitMs_ = ms; }
    // Once an owed answer was lost outright, later ones are awaited only this long after their
    // read gave up, until an answer is seen coming late again.
    static constexpr int kLostAnswerGraceMs = 250;
    // A transaction answered by its retry may still be owed its other attempt's answer: the
    // first attempt's answer came late (the other is late as well, by about as much) or its
    // request was lost (nothing more comes). The other answer is awaited only until it would
    // have come had the delay held, plus this margin, and never longer than
    // kDoubtfulAnswerWaitMs; what is still unsettled then is settled by the next request.
    static constexpr int kDoubtMarginMs = 100;
    static constexpr int kDoubtfulAnswerWaitMs = 250;
    // How many answers the meter still owes (requests whose answer has not come in whole).
    int answersOwed() const { return int(owed_.size()); }

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
    // An answer the meter still owes: the bytes not yet received of it, until when it is
    // awaited, and the transaction whose request it answers.
    struct Owed {
        int bytes = 0;
        int length = 0; // the whole answer's length
        QByteArray received;
        qint64 deadlineMs = 0;
        quint64 transaction = 0;
        qint64 sentMs = 0;
        // Set once its transaction took another attempt's answer: when this one is due if the
        // answers are late, or 0 while it is owed as any other.
        qint64 expectedMs = 0;
    };
    bool transact(int requestLength, int answerLength, Answer answer, bool pauseAfterAttempt);
    void buildRequest(quint8 command, quint8 p1, quint8 p2, int dataCount);
    bool attempt(int requestLength, int answerLength, Answer answer, int number);
    void describe(quint16 address, int countOrValue);
    // Tells the observers of a frame of the running transaction.
    void tell(Direction direction, const quint8* data, int count, int number, Verdict verdict,
              bool timedOut);
    void resubscribe(int& handle, FrameHook observer);
    // A transaction asked for more than a frame carries: it fails without a frame sent.
    bool refuse();
    // Hands received bytes to the owed answers, oldest first. Ok when one of them came whole
    // and is a valid answer of this transaction (it is then in the buffer); the verdict of
    // this transaction's answer that came whole and failed its check; empty when none came
    // whole.
    std::optional<Verdict> feed(const QByteArray& bytes, int answerLength, Answer answer);
    // An answer cut short: its rest follows at once if at all, so the line is drained until
    // quiet and the answer is owed no longer.
    void dropPartial();
    // Before a new transaction: waits for every answer still owed by an earlier one.
    void drainOwed();
    // The transaction took an answer with other attempts' answers still owed: how long they
    // are awaited follows from how late the taken one was.
    void markDoubtful(qint64 answeredSentMs);
    // Answers not yet settled are owed again, ahead of everything sent since.
    void restoreDoubtful();
    // Reads the running attempt's answer while doubtful answers are unsettled: an answer that
    // comes whole before any of them could be due proves that none comes.
    bool readPastDoubtful(int answerLength, Answer answer, int number);
    bool linkGone();
    qint64 nowMs() const;

    std::array<quint8, kBufferSize> buffer_{};
    std::array<quint8, kBufferSize> request_{};
    Link* link_ = nullptr;
    bool replySeen_ = false;
    bool errorSeen_ = false;
    std::function<void()> progressHook_;
    std::vector<std::pair<int, FrameHook>> observers_;
    int nextHandle_ = 1;
    int traceHandle_ = 0;
    int frameHandle_ = 0;
    CancelToken* cancel_ = nullptr;
    Frame current_; // the running transaction, as the observers are told of it
    std::function<void(int)> pause_;
    std::function<void(const QString&)> linkLostHook_;
    bool lossReported_ = false;
    // Answers the meter owes, oldest first: the meter answers in the order it was asked.
    std::deque<Owed> owed_;
    // Answers an earlier transaction may still be owed, set aside while the next request is
    // sent; owed again as soon as a byte comes that the running request cannot explain.
    std::deque<Owed> doubtful_;
    int silenceLimit_ = 0;
    int silentRun_ = 0;
    // Bytes received on the link so far: a transaction that adds none had no answer at all.
    quint64 bytesHeard_ = 0;
    // The send time of the request whose answer feed() took last.
    qint64 takenSentMs_ = 0;
    int lateAnswerLimitMs_ = kLateAnswerLimitMs;
    quint64 transaction_ = 0;
    // An owed answer never came: the meter loses requests rather than answering late.
    bool answersGetLost_ = false;
    std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
};

} // namespace line
