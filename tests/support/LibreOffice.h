#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// LibreOffice as a reader of the files nobody here wrote the reader of. It runs headless with a
// profile of its own, so it never meets an instance the person has open. Not available when it
// is not installed or does not start.
class LibreOffice {
public:
    static constexpr const char* kMissing =
        "LibreOffice is not installed or does not start (ZETRA_LIBREOFFICE=1 "
        "./scripts/setup.sh installs it)";

    LibreOffice() : soffice_(QStandardPaths::findExecutable(QStringLiteral("soffice"))) {
        if (soffice_.isEmpty() || !work_.isValid())
            return;
        QByteArray log;
        available_ = run({QStringLiteral("--version")}, &log);
    }

    bool available() const { return available_; }
    // A folder for converted files, removed with this object.
    QString outDir() const { return work_.filePath(QStringLiteral("out")); }

    // soffice --headless ARGS; its output goes to `log` for the failure message.
    bool run(const QStringList& args, QByteArray* log) const {
        const QString profile =
            QStringLiteral("-env:UserInstallation=") +
            QUrl::fromLocalFile(work_.filePath(QStringLiteral("profile"))).toString();
        QProcess p;
        p.start(soffice_, QStringList{profile, QStringLiteral("--headless")} + args);
        const bool ok = p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit &&
                        p.exitCode() == 0;
        *log = p.readAllStandardOutput() + p.readAllStandardError();
        return ok;
    }

    // Converts `files` to UTF-8 CSV of their first sheet into outDir().
    bool toCsv(const QStringList& files, QByteArray* log) const {
        return run(QStringList{QStringLiteral("--convert-to"),
                               QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                               QStringLiteral("--outdir"), outDir()} +
                       files,
                   log);
    }

private:
    QString soffice_;
    QTemporaryDir work_;
    bool available_ = false;
};
