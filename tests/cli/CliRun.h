#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built zetra-cli: its standard output lines, standard error and exit code.
struct CliRun {
    QStringList out;
    QString err;
    int exitCode = -1;

    // `environment`: "NAME=VALUE" entries set for the run besides the test's own environment.
    static CliRun run(const QStringList& args, int timeoutMs = 60000,
                      const QStringList& environment = {}) {
        QProcess p;
        p.setProgram(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"));
        if (!environment.isEmpty())
            p.setEnvironment(QProcess::systemEnvironment() + environment);
        p.setArguments(args);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start();
        CliRun r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            r.err = QStringLiteral("zetra-cli did not finish");
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        QString out = QString::fromUtf8(p.readAllStandardOutput());
        if (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        r.out = out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};
