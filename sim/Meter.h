#pragma once

#include "sim/Contents.h"
#include "sim/Faults.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <deque>
#include <vector>

namespace sim {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;

// The meter has two ways in; each has a byte stream of its own.
enum class Port { Pty = 0, Pipe = 1 };

// Bytes the meter sends, not before `due`.
struct Answer {
    TimePoint due;
    QByteArray bytes;
};

// One request frame the meter took in.
struct FrameRecord {
    int index = 0; // 1-based, over every port
    Port port = Port::Pty;
    TimePoint at;
    quint8 command = 0;
    quint16 address = 0; // memory, setting or record address
    int count = 0;       // bytes read or written
    QByteArray data;     // the data bytes of a write
    QByteArray raw;      // the whole frame
    bool carriedOut = true;
    QByteArray answer;         // what was queued in reply, faults applied; empty when none
    std::vector<Fault> faults; // the faults that touched it
};

// What happened in programming mode.
struct ProgramEvent {
    enum Kind {
        Entered,    // 7E FF FF AF
        Probe,      // FB; value: the answer byte, -1 for none
        ImageStart, // FD
        Block,      // a block of 64 bytes; value: block number, answer: its answer (-1 none)
        ReadBack,   // value: the read-back bytes queued
        Finished,   // F9
        Abandoned,  // the exchange stopped before its end; value: the state it was in
    };
    Kind kind;
    int session; // 1-based programming session
    TimePoint at;
    int value = 0;
    int answer = -1;
};

// The meter side of the protocol, free of any file descriptor or thread: bytes go in with the
// moment they were complete on the line, answers come out with the moment they are due.
class Meter {
public:
    static constexpr quint8 kAcknowledge = 0x64;
    static constexpr quint8 kBadAcknowledge = 0x9B;
    static constexpr quint8 kProgrammingCommand = 0x7E;
    static constexpr quint8 kProbe = 0xFB;
    static constexpr quint8 kProbeAnswer = 0xAA;
    static constexpr quint8 kImageStart = 0xFD;
    static constexpr quint8 kFinish = 0xF9;
    static constexpr int kBlockSize = 64;
    static constexpr int kBlockCount = kProgramSize / kBlockSize;
    // An incomplete frame is forgotten when nothing follows it for this long.
    static constexpr std::chrono::milliseconds kStaleFrame{200};
    // A block transfer with a pause this long has been given up by the PC.
    static constexpr std::chrono::milliseconds kStaleTransfer{1000};
    // The frame log keeps this many of the newest frames.
    static constexpr std::size_t kFrameLogLimit = 200000;

    explicit Meter(const Contents& contents = Contents());

    // Memories; addresses wrap around the size of their space.
    QByteArray read(Space space, int address, int count) const;
    void write(Space space, int address, const QByteArray& bytes);
    quint8 byte(Space space, int address) const;
    const QByteArray& bytes(Space space) const { return mem_.of(space); }
    Memories& memories() { return mem_; }
    const Memories& memories() const { return mem_; }
    const Contents& contents() const { return contents_; }

    // The meter's date (device day number at 1238) and time (1240, 1241).
    int deviceDay() const;
    int hour() const { return byte(Space::Memory, 1240); }
    int minute() const { return byte(Space::Memory, 1241); }

    // Added to every answer's due time.
    void setAnswerDelay(std::chrono::microseconds delay) { delay_ = delay; }
    std::chrono::microseconds answerDelay() const { return delay_; }

    void setFaults(std::vector<Fault> faults) { faults_ = std::move(faults); }
    void addFault(const Fault& fault) { faults_.push_back(fault); }
    void clearFaults() { faults_.clear(); }
    const std::vector<Fault>& faults() const { return faults_; }

    // Takes bytes that were complete on the line at `at` and returns the answers they cause.
    std::vector<Answer> receive(Port port, const QByteArray& bytes, TimePoint at);
    std::vector<Answer> receive(Port port, const quint8* bytes, int count, TimePoint at);
    // A new connection: the port's unfinished frame and programming exchange are forgotten.
    void resetPort(Port port);
    // The session's finish is refused on the line (the refusefinish fault).
    bool refusesFinish(int session) const {
        return programmingFault(FaultKind::RefuseFinish, session) != nullptr;
    }
    bool inProgrammingMode(Port port) const { return ports_[index(port)].mode != Mode::Frames; }

    // The log.
    const std::deque<FrameRecord>& frames() const { return frames_; }
    int frameCount() const { return requestCount_; }
    const std::vector<ProgramEvent>& programEvents() const { return events_; }
    int programmingSessions() const { return sessions_; }
    int finishedProgrammings() const { return finished_; }
    // Bytes thrown away while looking for a frame: bad CRC, unknown command, stale fragment.
    int discardedBytes() const { return discarded_; }
    void clearLog();

private:
    enum class Mode { Frames, AwaitProbe, AwaitImage, Transfer, Stalled, ReadBackDone };
    struct PortState {
        QByteArray pending;
        TimePoint last{};
        bool anyByte = false;
        Mode mode = Mode::Frames;
        int session = 0;
        int block = 0;
        int fill = 0;
    };
    static std::size_t index(Port port) { return std::size_t(port); }

    void takeByte(Port port, quint8 b, TimePoint at, std::vector<Answer>& out);
    void parseFrames(Port port, TimePoint at, std::vector<Answer>& out);
    void handleFrame(Port port, const QByteArray& frame, TimePoint at, std::vector<Answer>& out);
    QByteArray carryOut(FrameRecord& rec, const QByteArray& frame);
    void takeProgrammingByte(Port port, quint8 b, TimePoint at, std::vector<Answer>& out);
    const Fault* programmingFault(FaultKind kind, int session) const;
    void event(ProgramEvent::Kind kind, int session, TimePoint at, int value = 0, int answer = -1);
    void queue(std::vector<Answer>& out, TimePoint at, QByteArray bytes, int extraMs = 0);

    Contents contents_;
    Memories mem_;
    std::chrono::microseconds delay_{0};
    std::vector<Fault> faults_;
    std::array<PortState, 2> ports_;
    std::deque<FrameRecord> frames_;
    std::vector<ProgramEvent> events_;
    int requestCount_ = 0;
    int sessions_ = 0;
    int finished_ = 0;
    int discarded_ = 0;
};

// Hex text of bytes, upper case, separated by blanks: "18 24 F7 62".
QString hexBytes(const QByteArray& bytes);

} // namespace sim
