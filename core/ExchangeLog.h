#pragma once

#include "link/Protocol.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace core {

// What went over the wire, one line per frame and per event, as a service engineer reads it:
//
//   2026-03-15 10:42:07.118 > 18 24 F7 62  ReadMemory 1271 2 1/3
//   2026-03-15 10:42:07.139 < 64 00 00 00  ok
//   2026-03-15 10:42:07.171 <   timeout
//   2026-03-15 10:42:07.172 * Порт /dev/ttyUSB0 открыт
//
// The local time, a direction mark (">" sent, "<" received, "*" an event), the bytes in
// upper-case hex and, after two blanks, what they mean. The newest lines are kept in memory
// (the window shows them); with a file attached every line is also appended to it at once.
class ExchangeLog {
public:
    static constexpr int kDefaultCapacity = 200000;

    explicit ExchangeLog(int capacity = kDefaultCapacity);
    ~ExchangeLog();
    ExchangeLog(const ExchangeLog&) = delete;
    ExchangeLog& operator=(const ExchangeLog&) = delete;

    // Milliseconds since the epoch; the PC's clock unless a test sets its own.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    // Appends every line from now on to `path` (created when missing), UTF-8. False, with
    // the operating system's reason, when the file cannot be opened.
    bool attachFile(const QString& path, QString* reason = nullptr);
    // Why a line could not be written to the attached file (nothing more is written to it
    // then); empty while every line went in.
    const QString& fileError() const { return fileError_; }

    // A frame of the transactions, with its meaning.
    void frame(const line::Protocol::Frame& frame);
    // Any other frame (the programming procedure's), with a meaning of the caller's words.
    void frame(line::Protocol::Direction direction, const QByteArray& bytes,
               const QString& meaning);
    // An event: connection start and end, the port, the outcome, a failure's reason.
    void event(const QString& text);

    // The lines held, numbered from the first line ever logged: a reader remembers the number
    // after the last line it took and asks for what came since (lines that have dropped out
    // of memory meanwhile are skipped).
    qint64 endNumber() const { return firstNumber_ + qint64(lines_.size()); }
    qint64 firstNumber() const { return firstNumber_; }
    QStringList linesFrom(qint64 number, int maxLines = -1) const;
    int size() const { return int(lines_.size()); }
    int capacity() const { return capacity_; }
    void clear();

    // The lines in memory as a UTF-8 text file, one per line, exactly as they were logged.
    bool save(const QString& path, QString* reason = nullptr) const;

    // Line formats, for the log itself and its tests.
    static QString hex(const QByteArray& bytes);
    static QString frameLine(const QString& stamp, line::Protocol::Direction direction,
                             const QByteArray& bytes, const QString& meaning);
    static QString eventLine(const QString& stamp, const QString& text);
    // The request's meaning "ReadMemory 1271 2 1/3", the answer's "ok", "timeout", ...
    static QString meaning(const line::Protocol::Frame& frame);

private:
    QString stamp();
    void append(QString line);

    int capacity_;
    std::deque<QString> lines_;
    qint64 firstNumber_ = 0;
    std::function<qint64()> clock_;
    std::unique_ptr<QFile> file_;
    QString fileError_;
    // The local date and time down to the second, made once per second.
    qint64 stampSecond_ = -1;
    QString stampPrefix_;
};

} // namespace core
