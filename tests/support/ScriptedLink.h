#pragma once

#include "link/Link.h"

#include <QByteArray>
#include <QList>

#include <deque>

// A link whose answers are scripted by the test: every write is recorded, every read takes the
// next scripted answer (possibly nothing) and returns what fits. Bytes left over from an answer
// stay queued as late bytes until discarded.
class ScriptedLink : public line::Link {
public:
    Kind kind() const override { return kind_; }
    bool write(const quint8* data, int count) override {
        writes.append(QByteArray(reinterpret_cast<const char*>(data), count));
        if (!answers.empty()) {
            pending += answers.front();
            answers.pop_front();
        }
        return true;
    }
    int read(quint8* data, int count) override {
        ++reads;
        const int n = std::min<int>(count, int(pending.size()));
        std::copy_n(pending.constData(), n, reinterpret_cast<char*>(data));
        pending.remove(0, n);
        return n;
    }
    int readWithin(quint8* data, int count, int limitMs) override {
        ++waits;
        longestWaitMs = std::max(longestWaitMs, limitMs);
        if (limitMs > 0 && !arrivals.empty()) { // what comes while the caller waits
            pending += arrivals.front();
            arrivals.pop_front();
        }
        const int n = std::min<int>(count, int(pending.size()));
        std::copy_n(pending.constData(), n, reinterpret_cast<char*>(data));
        pending.remove(0, n);
        return n;
    }
    bool gone() const override { return goneAfterWrites >= 0 && writes.size() >= goneAfterWrites; }
    QString goneReason() const override {
        return gone() ? QStringLiteral("Input/output error") : QString();
    }
    void discardInput() override {
        ++discards;
        pending.clear();
    }
    void discardUntilQuiet(int quietMs, int) override {
        ++settles;
        lastQuietMs = quietMs;
        pending.clear();
    }
    int quietPeriodMs() const override { return 64; }
    void setTimeouts(const line::ReadTimeouts& t) override { timeouts = t; }
    void close() override { closed = true; }

    void answer(const QByteArray& bytes) { answers.push_back(bytes); }
    void silence() { answers.push_back(QByteArray()); }

    Kind kind_ = Kind::Serial;
    std::deque<QByteArray> answers;  // one per write, in order
    QByteArray pending;              // received and not yet read
    std::deque<QByteArray> arrivals; // one per wait: bytes that come while the caller waits
    QList<QByteArray> writes;
    line::ReadTimeouts timeouts;
    int reads = 0;
    int waits = 0;            // readWithin calls
    int longestWaitMs = 0;    // the longest readWithin asked for
    int goneAfterWrites = -1; // the line goes away after this many writes (-1: never)
    int discards = 0;
    int settles = 0;
    int lastQuietMs = 0;
    bool closed = false;
};
