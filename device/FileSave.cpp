#include "device/FileSave.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>

namespace device {

#endif

namespace {
bool fail(QSaveFile& file, const QString& reason, QString* error) {
    if (error)
        *error = reason.isEmpty() ? file.errorString() : reason;
    file.cancelWriting(); // the temporary goes with the QSaveFile
    return false;
}
} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
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
        // Blocks the file system had only promised (delayed allocation, network shares) are
        // claimed now; a file system that cannot sync at all is no reason to refuse.
#ifdef Q_OS_UNIX
    const int fd = file.handle();
    if (fd >= 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return fail(file, QString::fromLocal8Bit(std::strerror(errno)), error);
#endif
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace device
