// Saving a user file: the old file stays as it was, and no temporary is left, whenever the
// new one cannot be written whole, a full disk included.
#include "archive/ArchiveExport.h"
#include "device/FileSave.h"
#include "settings/SettingsFile.h"
#include "spreadsheet/Workbook.h"
#include "tests/support/Skips.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
enum class Writer { Plain, Text, Workbook, Settings };

// Writes `size` bytes' worth of the writer's own file at `path`; empty, or the refusal.
QString save(Writer writer, const QString& path, int size) {
    QString error;
    switch (writer) {
    case Writer::Plain:
        return device::saveFileSafely(path, QByteArray(size, 'x'), &error) ? QString() : error;
    case Writer::Text:
        return archive::saveReportText(path,
                                       QStringList(size / 40 + 1, QString(38, QLatin1Char('7'))));
    case Writer::Workbook: {
        spreadsheet::Workbook book;
        for (int row = 0; row < size / 16 + 1; ++row)
            book.writeNumber(0, row, row);
        return book.save(path, &error) ? QString() : error + QStringLiteral(" (workbook)");
    }
    case Writer::Settings: {
        settings::SettingsForm form;
        form.diameter = QString(size, QLatin1Char('1'));
        return settings::file::save(path, form);
    }
    }
    return {};
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
} // namespace

Q_DECLARE_METATYPE(Writer)

class FileSaveTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString mountPoint;

    static void writers() {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("bytes") << Writer::Plain;
        QTest::newRow("report text") << Writer::Text;
        QTest::newRow("workbook") << Writer::Workbook;
        QTest::newRow("settings file") << Writer::Settings;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void cleanupTestCase() {
        if (!mountPoint.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {mountPoint});
    }

    void writesAndReplaces_data() { writers(); }
    void writesAndReplaces() {
        QFETCH(Writer, writer);
        const QString path = dir.filePath(QStringLiteral("replace"));
        QCOMPARE(save(writer, path, 100), QString());
        const QByteArray first = contentsOf(path);
        QCOMPARE(save(writer, path, 3000), QString());
        QVERIFY(contentsOf(path).size() > first.size());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"replace"});
        QFile::remove(path);
    }

    // A small tmpfs filled to the last byte: every writer must refuse, leave the file it was
    // to replace as it was, and leave nothing else behind.
    void fullDiskKeepsTheOldFile_data() { writers(); }
    void fullDiskKeepsTheOldFile() {
        QFETCH(Writer, writer);
        if (mountPoint.isEmpty()) {
            if (::geteuid() != 0)
                ZETRA_SKIP("a full file system needs a tmpfs mounted, which needs root");
            const QString point = dir.filePath(QStringLiteral("full"));
            QVERIFY(QDir().mkpath(point));
            if (QProcess::execute(QStringLiteral("mount"),
                                  {"-t", "tmpfs", "-o", "size=64k", "tmpfs", point}) != 0)
                ZETRA_SKIP("mount -t tmpfs is not allowed here (a container without the right)");
            mountPoint = point;
        }
        const QString path = mountPoint + QStringLiteral("/kept");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the old contents");
        }
        // Fill what is left.
        const QString filler = mountPoint + QStringLiteral("/filler");
        {
            QFile f(filler);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (f.write(block) > 0) {
            }
            const QByteArray byte(1, 'f');
            while (f.write(byte) > 0) {
            }
        }
        const QString error = save(writer, path, 200);
        QVERIFY(!error.isEmpty());
        QCOMPARE(contentsOf(path), QByteArray("the old contents"));
        QStringList left = QDir(mountPoint).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, (QStringList{"filler", "kept"}));
        QFile::remove(filler);
    }
};

ZETRA_TEST_GUILESS_MAIN(FileSaveTest)
#include "test_file_save.moc"
