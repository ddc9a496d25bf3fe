#pragma once

#include <QByteArray>
#include <QString>

#include <QElapsedTimer>
#include <QThread>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

// The far end of a pseudo-terminal, held by the test: a serial line that a meter would sit on.
// Nothing answers unless the test writes.
struct PtyLine {
    int master = -1;
    QString path; // what the program opens

    PtyLine() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            qFatal("no pseudo-terminal");
        path = QString::fromLocal8Bit(ptsname(master));
    }
    ~PtyLine() { ::close(master); }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    void send(const QByteArray& bytes) const {
        if (::write(master, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
            qFatal("pty write failed");
    }
    // Waits until `count` bytes sent wait unread at the program's end of the line (the
    // terminal hands them over on its own time), at most `limitMs`.
    bool waitUntilQueued(int count, int limitMs = 10000) const {
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        if (fd < 0)
            return false;
        QElapsedTimer clock;
        clock.start();
        int queued = 0;
        while ((::ioctl(fd, FIONREAD, &queued) != 0 || queued < count) && clock.elapsed() < limitMs)
            QThread::msleep(1);
        ::close(fd);
        return queued >= count;
    }
    // Everything the program has written so far.
    QByteArray received() const {
        QByteArray all;
        char buf[256];
        fcntl(master, F_SETFL, O_NONBLOCK);
        for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;)
            all.append(buf, int(n));
        return all;
    }
};
