#include "core/ExchangeLog.h"

#include "device/FileSave.h"

#include <QDateTime>

namespace core {

ExchangeLog::ExchangeLog(int capacity)
    : capacity_(std::max(capacity, 1)), clock_([] { return QDateTime::currentMSecsSinceEpoch(); }) {
}

ExchangeLog::~ExchangeLog() = default;

bool ExchangeLog::attachFile(const QString& path, QString* reason) {
    file_ = device::openAppending(path, reason);
    return file_ != nullptr;
}

QString ExchangeLog::hex(const QByteArray& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(bytes.size() * 3);
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        const auto b = quint8(bytes[i]);
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 0x0F]);
    }
    return text;
}

QString ExchangeLog::frameLine(const QString& stamp, line::Protocol::Direction direction,
                               const QByteArray& bytes, const QString& meaning) {
    QString line;
    line.reserve(stamp.size() + 8 + bytes.size() * 3 + meaning.size());
    line += stamp;
    line +=
        direction == line::Protocol::Direction::Sent ? QLatin1String(" > ") : QLatin1String(" < ");
    line += hex(bytes);
    if (!meaning.isEmpty()) {
        line += QLatin1String("  ");
        line += meaning;
    }
    return line;
}

QString ExchangeLog::eventLine(const QString& stamp, const QString& text) {
    return stamp + QLatin1String(" * ") + text;
}

QString ExchangeLog::meaning(const line::Protocol::Frame& f) {
    if (f.direction == line::Protocol::Direction::Received)
        return line::Protocol::verdictText(f.verdict);
    return line::Protocol::transactionText(f) + QLatin1Char(' ') + QString::number(f.attempt) +
           QLatin1Char('/') + QString::number(line::Protocol::kAttempts);
}

void ExchangeLog::frame(const line::Protocol::Frame& f) {
    // A wait for earlier attempts' answers that brought nothing: the trace shows the wait, the
    // log has no line for it.
    if (f.direction == line::Protocol::Direction::Received && f.bytes.isEmpty() &&
        f.verdict == line::Protocol::Verdict::Late)
        return;
    append(frameLine(stamp(), f.direction, f.bytes, meaning(f)));
}

void ExchangeLog::frame(line::Protocol::Direction direction, const QByteArray& bytes,
                        const QString& meaning) {
    append(frameLine(stamp(), direction, bytes, meaning));
}

void ExchangeLog::event(const QString& text) { append(eventLine(stamp(), text)); }

QString ExchangeLog::stamp() {
    const qint64 now = clock_();
    const qint64 second = now >= 0 ? now / 1000 : (now - 999) / 1000;
    if (second != stampSecond_) {
        stampSecond_ = second;
        stampPrefix_ = QDateTime::fromMSecsSinceEpoch(second * 1000)
                           .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss."));
    }
    const int ms = int(now - second * 1000);
    QString s = stampPrefix_;
    s += QLatin1Char(char('0' + ms / 100));
    s += QLatin1Char(char('0' + ms / 10 % 10));
    s += QLatin1Char(char('0' + ms % 10));
    return s;
}

void ExchangeLog::append(QString line) {
    if (file_) {
        QByteArray bytes = line.toUtf8();
        bytes += '\n';
        // The first failure is kept and the file given up: a full disk loses no more time.
        if (file_->write(bytes) != bytes.size()) {
            fileError_ = file_->errorString();
            file_.reset();
        }
    }
    if (int(lines_.size()) >= capacity_) {
        lines_.pop_front();
        ++firstNumber_;
    }
    lines_.push_back(std::move(line));
}

QStringList ExchangeLog::linesFrom(qint64 number, int maxLines) const {
    QStringList out;
    qint64 i = std::max(number, firstNumber_) - firstNumber_;
    qint64 end = qint64(lines_.size());
    if (maxLines >= 0)
        end = std::min(end, i + maxLines);
    if (i < end)
        out.reserve(int(end - i));
    for (; i < end; ++i)
        out.append(lines_[std::size_t(i)]);
    return out;
}

void ExchangeLog::clear() {
    firstNumber_ += qint64(lines_.size());
    lines_.clear();
}

bool ExchangeLog::save(const QString& path, QString* reason) const {
    // Written aside and put in place whole, so a failed save leaves no half-written file.
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return device::saveFileSafely(path, bytes, reason);
}

} // namespace core
