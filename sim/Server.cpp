#include "sim/Server.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace sim {

namespace {

std::atomic<int> serverCounter{0};

// steady_clock is CLOCK_MONOTONIC on Linux, so its time points are absolute deadlines there.
timespec toTimespec(Clock::duration d) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    timespec ts;
    ts.tv_sec = time_t(ns / 1000000000);
    ts.tv_nsec = long(ns % 1000000000);
    return ts;
}

Clock::duration toDuration(const timespec& ts) {
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

void sleepUntil(TimePoint deadline) {
    const timespec ts = toTimespec(deadline.time_since_epoch());
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

QString errnoText(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

QString eventText(const ProgramEvent& e) {
    switch (e.kind) {
    case ProgramEvent::Entered:
        return QStringLiteral("programming mode requested (session %1)").arg(e.session);
    case ProgramEvent::Probe:
        return e.value < 0 ? QStringLiteral("probe FB not answered")
                           : QStringLiteral("probe FB answered %1")
                                 .arg(e.value, 2, 16, QLatin1Char('0'))
                                 .toUpper();
    case ProgramEvent::ImageStart:
        return QStringLiteral("image start FD");
    case ProgramEvent::Block:
        return e.answer < 0 ? QStringLiteral("block %1 not answered").arg(e.value)
                            : QStringLiteral("block %1 answered %2").arg(e.value).arg(e.answer);
    case ProgramEvent::ReadBack:
        return QStringLiteral("read-back of %1 bytes").arg(e.value);
    case ProgramEvent::Finished:
        return QStringLiteral("finish F9");
    case ProgramEvent::Abandoned:
        return QStringLiteral("programming exchange abandoned");
    }
    return QString();
}

} // namespace

struct Server::Channel {
    struct Outgoing {
        TimePoint due;
        QByteArray bytes;
        int sent = 0;
    };
    Port port;
    int fd = -1;
    bool socket = false;
    std::deque<Outgoing> queue;
    QByteArray writing; // handed over for sending, not yet taken by the kernel
    TimePoint blockedSince{};
    TimePoint rxFree{}; // when the last received byte was complete on the line
    TimePoint txFree{}; // when the last sent byte was complete on the line

    void reset() {
        queue.clear();
        writing.clear();
        rxFree = txFree = TimePoint{};
    }
};

Server::Server(Options options) : options_(std::move(options)), meter_(options_.contents) {
    meter_.setAnswerDelay(std::chrono::milliseconds(options_.answerDelayMs));
    meter_.setFaults(options_.faults);
    lineTiming_ = options_.lineTiming;
}

Server::~Server() { stop(); }

std::vector<FrameRecord> Server::frames() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {meter_.frames().begin(), meter_.frames().end()};
}

int Server::frameCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_.frameCount();
}

std::vector<ProgramEvent> Server::programEvents() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_.programEvents();
}

void Server::setFaults(std::vector<Fault> faults) {
    std::lock_guard<std::mutex> lock(mutex_);
    meter_.setFaults(std::move(faults));
}

void Server::setAnswerDelay(int ms) {
    std::lock_guard<std::mutex> lock(mutex_);
    meter_.setAnswerDelay(std::chrono::milliseconds(ms));
}

void Server::setLineTiming(bool on) {
    lineTiming_ = on;
    if (wakeFd_ >= 0) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }
}

bool Server::waitFor(const std::function<bool(const Meter&)>& condition, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return condition(meter_); });
}

bool Server::start() {
    if (isRunning())
        return true;
    error_.clear();
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        error_ = errnoText("eventfd");
        return false;
    }
    if ((options_.servePty && !openPty()) || (options_.servePipe && !openPipe())) {
        closeAll();
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void Server::stop() {
    if (thread_.joinable()) {
        const quint64 stopValue = quint64(1) << 40;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &stopValue, sizeof stopValue);
        thread_.join();
    }
    closeAll();
}

bool Server::openPty() {
    ptyMaster_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ptyMaster_ < 0 || grantpt(ptyMaster_) != 0 || unlockpt(ptyMaster_) != 0) {
        error_ = errnoText("cannot create a pseudo-terminal");
        return false;
    }
    char name[256];
    if (ptsname_r(ptyMaster_, name, sizeof name) != 0) {
        error_ = errnoText("ptsname");
        return false;
    }
    // Our own slave descriptor keeps the terminal alive between the clients' opens, so the
    // master never reads EIO when a client closes it.
    ptySlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ptySlave_ < 0) {
        error_ = errnoText("cannot open the pseudo-terminal's slave");
        return false;
    }
    termios t;
    if (tcgetattr(ptySlave_, &t) == 0) {
        cfmakeraw(&t); // above all: no echo of the requests
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        tcsetattr(ptySlave_, TCSANOW, &t);
    }
    fcntl(ptyMaster_, F_SETFL, fcntl(ptyMaster_, F_GETFL) | O_NONBLOCK);
    ptyPath_ = QString::fromLocal8Bit(name);
    return true;
}

bool Server::openPipe() {
    pipeName_ = options_.pipeName;
    if (pipeName_.isEmpty())
        pipeName_ = QStringLiteral("zetra-sim-%1-%2").arg(getpid()).arg(serverCounter++);
    pipePath_ = QDir::isAbsolutePath(pipeName_) ? pipeName_ : QDir::tempPath() + u'/' + pipeName_;
    const QByteArray path = QFile::encodeName(pipePath_);

    sockaddr_un addr;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof addr.sun_path) {
        error_ = QStringLiteral("socket path too long: %1").arg(pipePath_);
        return false;
    }
    std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));

    struct stat st;
    if (lstat(path.constData(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            error_ = QStringLiteral("%1 exists and is not a socket").arg(pipePath_);
            return false;
        }
        // A socket file: stale unless somebody still serves it.
        const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool live =
            probe >= 0 && ::connect(probe, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        if (probe >= 0)
            ::close(probe);
        if (live) {
            error_ = QStringLiteral("%1 is served by another program").arg(pipePath_);
            return false;
        }
        ::unlink(path.constData());
    }

    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 4) != 0) {
        error_ = errnoText(qPrintable(QStringLiteral("cannot serve %1").arg(pipePath_)));
        return false;
    }
    if (stat(path.constData(), &st) == 0)
        socketInode_ = quint64(st.st_ino);
    return true;
}

void Server::closeAll() {
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        // Remove the socket file, unless somebody else has put another there meanwhile.
        const QByteArray path = QFile::encodeName(pipePath_);
        struct stat st;
        if (lstat(path.constData(), &st) == 0 && quint64(st.st_ino) == socketInode_)
            ::unlink(path.constData());
    }
    for (int* fd : {&ptySlave_, &ptyMaster_, &wakeFd_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void Server::notify(Port port, Traffic traffic, const QByteArray& bytes) {
    if (hook_)
        hook_(port, traffic, bytes);
}

void Server::dropClient(Channel& pipe) {
    if (pipe.fd < 0)
        return;
    ::close(pipe.fd);
    pipe.fd = -1;
    for (const auto& o : pipe.queue)
        notify(Port::Pipe, Traffic::Dropped, o.bytes.mid(o.sent));
    pipe.reset();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        meter_.resetPort(Port::Pipe);
    }
    notify(Port::Pipe, Traffic::Disconnected, {});
}

void Server::acceptClient(Channel& pipe) {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    if (pipe.fd >= 0) {
        ::close(fd); // one client at a time
        return;
    }
    pipe.fd = fd;
    pipe.reset();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        meter_.resetPort(Port::Pipe);
    }
    notify(Port::Pipe, Traffic::Connected, {});
}

bool Server::flush(Channel& ch, TimePoint now) {
    while (!ch.writing.isEmpty()) {
        const ssize_t n =
            ch.socket ? ::send(ch.fd, ch.writing.constData(), std::size_t(ch.writing.size()),
                               MSG_NOSIGNAL)
                      : ::write(ch.fd, ch.writing.constData(), std::size_t(ch.writing.size()));
        if (n > 0) {
            ch.writing.remove(0, qsizetype(n));
            ch.blockedSince = TimePoint{};
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (ch.blockedSince == TimePoint{})
                ch.blockedSince = now;
            // Nobody has read the terminal for a second: the answers have no reader.
            if (!ch.socket && now - ch.blockedSince > std::chrono::seconds(1)) {
                notify(ch.port, Traffic::Dropped, ch.writing);
                for (const auto& o : ch.queue)
                    notify(ch.port, Traffic::Dropped, o.bytes.mid(o.sent));
                ch.writing.clear();
                ch.queue.clear();
                ch.blockedSince = TimePoint{};
            }
            return true;
        }
        if (ch.socket)
            return false;
        // The terminal refused the bytes: they are lost, as on a broken line.
        notify(ch.port, Traffic::Dropped, ch.writing);
        ch.writing.clear();
        return true;
    }
    return true;
}

bool Server::pumpByteByByte(Channel& ch, TimePoint now) {
    // One byte at a time, each leaving when it would be complete on the line.
    while (!ch.queue.empty()) {
        auto& o = ch.queue.front();
        const TimePoint at = std::max(o.due, ch.txFree) + kByteTime;
        if (at > now)
            break;
        ch.txFree = now - at > kByteTime ? now : at;
        ch.writing.append(o.bytes[o.sent]);
        if (++o.sent == o.bytes.size()) {
            notify(ch.port, Traffic::Answer, o.bytes);
            ch.queue.pop_front();
        }
        if (!flush(ch, now))
            return false;
        if (!ch.writing.isEmpty())
            return true; // the line is full; POLLOUT brings us back
    }
    return true;
}

bool Server::pump(Channel& ch, TimePoint now) {
    if (ch.fd < 0)
        return true;
    if (!ch.writing.isEmpty())
        return flush(ch, now);
    if (lineTiming_)
        return pumpByteByByte(ch, now);
    // Everything due by now leaves in one write: an answer never overtakes the ones
    // queued before it, so a late answer and the next one arrive together.
    while (!ch.queue.empty() && ch.queue.front().due <= now) {
        auto& o = ch.queue.front();
        ch.writing += o.bytes.mid(o.sent);
        notify(ch.port, Traffic::Answer, o.bytes);
        ch.queue.pop_front();
    }
    return flush(ch, now);
}

bool Server::deadlineOf(const Channel& ch, TimePoint* deadline) const {
    if (ch.fd < 0 || !ch.writing.isEmpty() || ch.queue.empty())
        return false;
    const auto& o = ch.queue.front();
    *deadline = lineTiming_ ? std::max(o.due, ch.txFree) + kByteTime : o.due;
    return true;
}

void Server::refuseInput(TimePoint now) {
    if (ptySlave_ < 0)
        return;
    tcflow(ptySlave_, TCOOFF);
    inputRefused_ = true;
    refusedUntil_ = now + kRefusalTime;
    notify(Port::Pty, Traffic::Program, QByteArrayLiteral("line stopped: the finish is refused"));
}

void Server::resumeInputWhenDue(TimePoint now) {
    if (inputRefused_ && now >= refusedUntil_) {
        tcflow(ptySlave_, TCOON);
        inputRefused_ = false;
    }
}

void Server::receive(Channel& ch, const quint8* data, int n, TimePoint now) {
    bool refuse = false;
    std::vector<Answer> answers;
    std::vector<QByteArray> newFrames;
    std::vector<QString> newEvents;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const int framesBefore = meter_.frameCount();
        const std::size_t eventsBefore = meter_.programEvents().size();
        if (lineTiming_) {
            // A byte is complete one byte time after the previous one was, or after it came
            // in, whichever is later.
            for (int i = 0; i < n; ++i) {
                ch.rxFree = std::max(now, ch.rxFree) + kByteTime;
                for (Answer& a : meter_.receive(ch.port, data + i, 1, ch.rxFree))
                    answers.push_back(std::move(a));
            }
        } else {
            answers = meter_.receive(ch.port, data, n, now);
        }
        const auto& log = meter_.frames();
        const std::size_t added =
            std::min(log.size(), std::size_t(meter_.frameCount() - framesBefore));
        for (std::size_t i = log.size() - added; i < log.size(); ++i)
            newFrames.push_back(log[i].raw);
        const auto& events = meter_.programEvents();
        for (std::size_t i = eventsBefore; i < events.size(); ++i) {
            newEvents.push_back(eventText(events[i]));
            if (events[i].kind == ProgramEvent::ReadBack && !ch.socket &&
                meter_.refusesFinish(events[i].session))
                refuse = true;
        }
    }
    // Stopped before the read-back leaves, so that the finish cannot slip through.
    if (refuse)
        refuseInput(now);
    changed_.notify_all();
    for (const QByteArray& f : newFrames)
        notify(ch.port, Traffic::Frame, f);
    for (const QString& e : newEvents)
        notify(ch.port, Traffic::Program, e.toUtf8());
    for (Answer& a : answers)
        ch.queue.push_back({a.due, std::move(a.bytes), 0});
}

void Server::run() {
    // Deadlines of a byte time need a fine timer on this thread.
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    // A meter answers on its own time, whatever else the PC is busy with: the thread that
    // plays it asks for a larger share of the processor, so that a loaded machine does not
    // make it answer later than a meter would. Where the system does not allow it (an
    // ordinary user), the thread keeps the ordinary share.
    setpriority(PRIO_PROCESS, id_t(gettid()), -10);

    Channel pty{Port::Pty, ptyMaster_, false, {}, {}, {}, {}, {}};
    Channel pipe{Port::Pipe, -1, true, {}, {}, {}, {}, {}};
    std::vector<Channel*> channels;
    if (ptyMaster_ >= 0)
        channels.push_back(&pty);
    channels.push_back(&pipe);

    while (serveOnce(pty, pipe, channels)) {
    }
    dropClient(pipe);
}

bool Server::serveOnce(Channel& pty, Channel& pipe, const std::vector<Channel*>& channels) {
    TimePoint now = Clock::now();
    resumeInputWhenDue(now);
    for (Channel* ch : channels)
        if (!pump(*ch, now) && ch->socket)
            dropClient(pipe);

    TimePoint deadline{};
    bool timed = false;
    for (Channel* ch : channels) {
        TimePoint d;
        if (deadlineOf(*ch, &d) && (!timed || d < deadline)) {
            deadline = d;
            timed = true;
        }
    }

    pollfd fds[4];
    int nfds = 0;
    fds[nfds++] = {wakeFd_, POLLIN, 0};
    const int ptyIndex = ptyMaster_ >= 0 ? nfds : -1;
    if (ptyMaster_ >= 0)
        fds[nfds++] = {ptyMaster_, short(POLLIN | (pty.writing.isEmpty() ? 0 : POLLOUT)), 0};
    const int listenIndex = listenFd_ >= 0 ? nfds : -1;
    if (listenFd_ >= 0)
        fds[nfds++] = {listenFd_, POLLIN, 0};
    const int clientIndex = pipe.fd >= 0 ? nfds : -1;
    if (pipe.fd >= 0)
        fds[nfds++] = {pipe.fd, short(POLLIN | (pipe.writing.isEmpty() ? 0 : POLLOUT)), 0};

    // Wake a little early and sleep the rest to the exact deadline.
    timespec ts{};
    timespec* timeout = nullptr;
    if (timed) {
        const auto early = deadline - now - std::chrono::microseconds(200);
        ts = toTimespec(early > Clock::duration::zero() ? early : Clock::duration::zero());
        timeout = &ts;
    }
    if (inputRefused_) {
        const auto left = std::max(refusedUntil_ - now, Clock::duration::zero());
        if (!timeout || left < toDuration(ts)) {
            ts = toTimespec(left);
            timeout = &ts;
        }
    }
    // A terminal that nobody reads is looked at again now and then.
    if (!timeout && !pty.writing.isEmpty()) {
        ts = toTimespec(std::chrono::milliseconds(100));
        timeout = &ts;
    }
    const int ready = ppoll(fds, nfds_t(nfds), timeout, nullptr);
    if (ready < 0 && errno != EINTR)
        return false;
    if (ready == 0 && timed) {
        sleepUntil(deadline);
        return true;
    }
    if (ready <= 0)
        return true;

    if (fds[0].revents & POLLIN) {
        quint64 value = 0;
        [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &value, sizeof value);
        if (value >= (quint64(1) << 40))
            return false;
    }
    now = Clock::now();
    quint8 buffer[4096];
    if (ptyIndex >= 0 && (fds[ptyIndex].revents & POLLIN)) {
        const ssize_t n = ::read(ptyMaster_, buffer, sizeof buffer);
        if (n > 0)
            receive(pty, buffer, int(n), now);
    }
    if (clientIndex >= 0 && (fds[clientIndex].revents & (POLLIN | POLLHUP | POLLERR))) {
        const ssize_t n = ::recv(pipe.fd, buffer, sizeof buffer, 0);
        if (n > 0)
            receive(pipe, buffer, int(n), now);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            dropClient(pipe);
    }
    if (listenIndex >= 0 && (fds[listenIndex].revents & POLLIN))
        acceptClient(pipe);
    return true;
}

} // namespace sim
