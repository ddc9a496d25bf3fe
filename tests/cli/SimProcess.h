#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The built zetra-sim as a process of its own, serving a pipe in a folder of the test's own
// (so tests running side by side never meet) and its pseudo-terminal.
class SimProcess {
public:
    explicit SimProcess(const QStringList& options = {}) {
        pipe_ = dir_.filePath(QStringLiteral("kwz_pipe"));
        process_.setProgram(QStringLiteral(ZETRA_BIN_DIR "/zetra-sim"));
        process_.setArguments(QStringList{"--pipe", pipe_} + options);
        process_.start();
        // A generous limit: a busy machine may take seconds to start a program.
        while (process_.waitForReadyRead(60000)) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                if (line.startsWith(QLatin1String("pty ")))
                    pty_ = line.mid(4);
                if (line == QLatin1String("ready")) {
                    ready_ = true;
                    return;
                }
            }
        }
    }
    ~SimProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(1000);
    }

    bool ready() const { return ready_; }
    QString pipe() const { return pipe_; }
    QString pty() const { return pty_; }
    QString dumpPath() const { return dir_.filePath(QStringLiteral("dump.json")); }
    // Ends the simulated meter so that it writes its --dump file.
    bool finish() {
        process_.terminate();
        return process_.waitForFinished(5000) && process_.exitCode() == 0;
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString pipe_;
    QString pty_;
    bool ready_ = false;
};
