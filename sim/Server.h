#pragma once

#include "sim/Meter.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace sim {

struct Options {
    Contents contents;
    int answerDelayMs = 0;
    // 9600-baud line: every byte takes 1.0417 ms in each direction.
    bool lineTiming = false;
    std::vector<Fault> faults;
    bool servePty = true;
    bool servePipe = true;
    // A bare name lives in the temporary folder (where QLocalSocket looks for it), an absolute
    // path is used as it is. Empty: a name of the server's own, so that test programs running
    // at the same time never meet each other's meter. The zetra-sim program uses kwz_pipe.
    QString pipeName;
};

// What passes the meter's ports, for a traffic log.
enum class Traffic {
    Frame,   // a request frame the meter took in (its raw bytes)
    Answer,  // bytes of one answer, once they are all written
    Dropped, // an answer thrown away because its client went away
    Program, // a programming-mode event, as text
    Connected,
    Disconnected,
};

// Serves one simulated meter on a pseudo-terminal and on a Unix-domain socket, from a thread
// of its own. The meter itself is reached under the server's lock with withMeter().
class Server {
public:
    static constexpr std::chrono::nanoseconds kByteTime{1041667}; // 10 bits at 9600 baud

    explicit Server(Options options = Options());
    ~Server(); // stops and joins
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Opens the pty and the socket and starts the thread; false with errorString() when not.
    bool start();
    void stop();
    bool isRunning() const { return thread_.joinable(); }
    QString errorString() const { return error_; }

    // The slave side of the pseudo-terminal, e.g. /dev/pts/4; empty when not served.
    QString ptyPath() const { return ptyPath_; }
    // What a client connects to: the name given in the options (or the server's own).
    QString pipeName() const { return pipeName_; }
    // The socket file.
    QString pipePath() const { return pipePath_; }

    template <class F>
    decltype(auto) withMeter(F&& f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(meter_);
    }
    std::vector<FrameRecord> frames() const;
    int frameCount() const;
    std::vector<ProgramEvent> programEvents() const;

    void setFaults(std::vector<Fault> faults);
    void setAnswerDelay(int ms);
    void setLineTiming(bool on);

    // Waits until `condition` holds (it is checked whenever the meter took bytes in), at most
    // timeoutMs. Useful after a client sent something that has no answer.
    bool waitFor(const std::function<bool(const Meter&)>& condition, int timeoutMs);

    using TrafficHook = std::function<void(Port, Traffic, const QByteArray&)>;
    // Called on the server's thread, without the lock held. Set it before start().
    void setTrafficHook(TrafficHook hook) { hook_ = std::move(hook); }

private:
    struct Channel;
    // The server's thread: one poll round after another until stop().
    void run();
    // One round: due answers out, then whatever the line, the pipe and the listener bring.
    // False when the server is to stop.
    bool serveOnce(Channel& pty, Channel& pipe, const std::vector<Channel*>& channels);
    void notify(Port port, Traffic traffic, const QByteArray& bytes);
    void acceptClient(Channel& pipe);
    void dropClient(Channel& pipe);
    // Hands bytes to the kernel; false when the other end is gone.
    bool flush(Channel& ch, TimePoint now);
    // Moves the bytes that are due from the queue to the line.
    bool pump(Channel& ch, TimePoint now);
    bool pumpByteByByte(Channel& ch, TimePoint now);
    bool deadlineOf(const Channel& ch, TimePoint* deadline) const;
    void receive(Channel& ch, const quint8* data, int n, TimePoint now);
    bool openPty();
    bool openPipe();
    void closeAll();

    Options options_;
    Meter meter_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
    std::atomic<bool> lineTiming_{false};
    int wakeFd_ = -1;
    int ptyMaster_ = -1;
    int ptySlave_ = -1;
    int listenFd_ = -1;
    QString ptyPath_, pipeName_, pipePath_, error_;
    quint64 socketInode_ = 0;
    TrafficHook hook_;
};

} // namespace sim
