#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// The readers nobody here wrote, run through the Python interpreter the build found: xlrd for
// the Excel 5.0 workbooks (tests/spreadsheet/read_workbook.py), Python's csv and json and
// openpyxl for the other exports (tests/archive_e2e/read_export.py). scripts/setup.sh
// installs them.
namespace readers {

inline QString python() { return QStringLiteral(ZETRA_PYTHON); }

// Why the readers cannot run on this machine; empty when Python has every module named.
inline QByteArray missing(const QStringList& modules) {
    if (python().isEmpty())
        return "no Python 3 interpreter was found by the build";
    QProcess p;
    p.start(python(), {QStringLiteral("-c"), QStringLiteral("import ") + modules.join(',')});
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return {};
    return "Python lacks " + modules.join(QStringLiteral(", ")).toUtf8() +
           " (scripts/setup.sh installs it)";
}

// Runs a reader script of the tests' folder with `args`; the JSON object it printed, or an
// empty one when it failed (its reason goes to the test's log).
inline QJsonObject run(const QString& script, const QStringList& args) {
    QProcess p;
    p.start(python(), QStringList{QStringLiteral(ZETRA_SOURCE_DIR "/tests/") + script} + args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("reader failed: %s", p.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

// A workbook as xlrd reads it; with `streamOnly` only its Book stream's records.
inline QJsonObject readWorkbook(const QString& file, bool streamOnly = false) {
    QStringList args;
    if (streamOnly)
        args << QStringLiteral("--stream");
    return run(QStringLiteral("spreadsheet/read_workbook.py"), args << file);
}

inline QJsonObject firstSheet(const QJsonObject& book) {
    return book.value(QLatin1String("sheets")).toArray().at(0).toObject();
}
inline QJsonArray cells(const QJsonObject& book) {
    return firstSheet(book).value(QLatin1String("cells")).toArray();
}
// The cell at xlrd's row and column (both from 0); empty when there is none.
inline QJsonObject cellAt(const QJsonObject& book, int row, int column) {
    for (const QJsonValue v : cells(book)) {
        const QJsonObject c = v.toObject();
        if (c.value(QLatin1String("r")).toInt() == row &&
            c.value(QLatin1String("c")).toInt() == column)
            return c;
    }
    return {};
}

// xlrd's cell types.
enum CellType { kText = 1, kNumber = 2, kDate = 3 };

} // namespace readers
