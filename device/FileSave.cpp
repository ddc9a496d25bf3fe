#include "device/FileSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace device {

namespace {
bool fail(QSaveFile& file, const QString& reason, QString* error) {
    if (error)
        *error = reason.isEmpty() ? file.errorString() : reason;
    file.cancelWriting(); // the temporary goes with the QSaveFile
    return false;
}

QString systemReason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

#ifdef Q_OS_UNIX
// The sinks a file may be written into: a FIFO (its reader gets the bytes), a terminal, and the
// null, zero and full devices. Any other device, a directory or a socket is refused: a file
// written over it would destroy it, bytes written into it could harm the machine.
enum class Target { Missing, Regular, Stream, Refused };

Target targetKind(const QByteArray& path, const struct stat& st) {
    if (S_ISREG(st.st_mode))
        return Target::Regular;
    if (S_ISFIFO(st.st_mode))
        return Target::Stream;
    if (S_ISCHR(st.st_mode)) {
        if (major(st.st_rdev) == 1 &&
            (minor(st.st_rdev) == 3 || minor(st.st_rdev) == 5 || minor(st.st_rdev) == 7))
            return Target::Stream;
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        const bool terminal = fd >= 0 && ::isatty(fd);
        if (fd >= 0)
            ::close(fd);
        return terminal ? Target::Stream : Target::Refused;
    }
    return Target::Refused;
}

QString refusedReason() {
    return QCoreApplication::translate("FileSave", "это не обычный файл, он не будет заменён");
}

// Opens for writing without waiting for a FIFO's reader; once open, writes wait as usual.
int openNonBlocking(const QByteArray& path, int flags, QString* error) {
    const int fd =
        ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        if (error)
            *error = errno == ENXIO ? QCoreApplication::translate(
                                          "FileSave", "никто не читает из этого канала (FIFO)")
                                    : systemReason(errno);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Writes every byte into a FIFO or a device in place.
bool writeInto(const QByteArray& path, const QByteArray& bytes, QString* error) {
    const int fd = openNonBlocking(path, 0, error);
    if (fd < 0)
        return false;
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (error)
                *error = systemReason(n < 0 ? errno : EIO);
            ::close(fd);
            return false;
        }
        done += n;
    }
    ::close(fd);
    return true;
}
#endif
} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    QString target = path;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        switch (targetKind(native, st)) {
        case Target::Stream:
            return writeInto(native, bytes, error);
        case Target::Refused:
            if (error)
                *error = refusedReason();
            return false;
        case Target::Regular:
        case Target::Missing:
            break;
        }
        // Through a symbolic link the file it points to is replaced and the link kept.
        target = QFileInfo(path).canonicalFilePath();
    } else if (QFileInfo(path).isSymLink()) {
        // A link to a file not yet there: the file is made where the link points.
        target = QFileInfo(path).symLinkTarget();
    }
#endif
    QSaveFile file(target);
    // Unbuffered: every write reaches the operating system at once and reports its own error
    // (a full disk shows here, not in a flush at commit whose failure would go unreported).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file, {}, error);
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fail(file, {}, error);
        done += n;
    }
    if (!file.flush())
        return fail(file, {}, error);
#ifdef Q_OS_UNIX
    // Blocks the file system had only promised (delayed allocation, network shares) are
    // claimed now; a file system that cannot sync at all is no reason to refuse.
    const int fd = file.handle();
    if (fd >= 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return fail(file, systemReason(errno), error);
#endif
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::unique_ptr<QFile> openAppending(const QString& path, QString* error) {
    auto file = std::make_unique<QFile>();
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0 && targetKind(native, st) == Target::Refused) {
        if (error)
            *error = refusedReason();
        return nullptr;
    }
    const int fd = openNonBlocking(native, O_APPEND | O_CREAT, error);
    if (fd < 0)
        return nullptr;
    // Unbuffered and without Append, so that the file is never sought: the descriptor
    // appends by itself, and a device or FIFO cannot seek.
    if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file->errorString();
        return nullptr;
    }
#else
    file->setFileName(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file->errorString();
        return nullptr;
    }
#endif
    return file;
}

} // namespace device
