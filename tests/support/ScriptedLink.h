#pragma once

#include "link/Link.h"

#include <QByteArray>
#include <QList>

#include <deque>

// A link whose answers are scripted by the test: every write is recorded, every read takes the
// next scripted answer (possibly nothing) and returns what fits. Bytes left over from an answer
// stay queued as late bytes until discarded.
class ScriptedLink : public Link {
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
    void setTimeouts(const ReadTimeouts& t) override { timeouts = t; }
    void close() override { closed = true; }

    void answer(const QByteArray& bytes) { answers.push_back(bytes); }
    void silence() { answers.push_back(QByteArray()); }

    Kind kind_ = Kind::Serial;
    std::deque<QByteArray> answers; // one per write, in order
    QByteArray pending;             // received and not yet read
    QList<QByteArray> writes;
    ReadTimeouts timeouts;
    int reads = 0;
    int discards = 0;
    int settles = 0;
    int lastQuietMs = 0;
    bool closed = false;
};
