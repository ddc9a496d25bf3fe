// Saving a user file: the old file stays as it was, and no temporary is left, whenever the
// new one cannot be written whole, a full disk included.
#include "archive/ArchiveExport.h"
#include "device/FileSave.h"
#include "settings/SettingsFile.h"
#include "spreadsheet/Workbook.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
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

    // A target that is not a regular file, named or behind a symbolic link, is written into
    // or refused, never replaced; a link to a regular file keeps pointing at the new file.
    void otherTargetsAreNeverReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("saved");
        for (bool link : {false, true}) {
            const char* via = link ? "through a link" : "named";
            QTest::addRow("FIFO with a reader, %s", via) << "fifo" << link << true;
            QTest::addRow("FIFO without reader, %s", via) << "lonely fifo" << link << false;
            QTest::addRow("null device, %s", via) << "/dev/null" << link << true;
            QTest::addRow("full device, %s", via) << "/dev/full" << link << false;
            QTest::addRow("directory, %s", via) << "directory" << link << false;
            QTest::addRow("regular file, %s", via) << "file" << link << true;
        }
        QTest::newRow("link to a file not yet there") << "missing" << true << true;
    }
    void otherTargetsAreNeverReplaced() {
        QFETCH(QString, kind);
        QFETCH(bool, throughLink);
        QFETCH(bool, saved);
        QTemporaryDir here;
        QString target = kind.startsWith(QLatin1Char('/')) ? kind : here.filePath(kind);
        int reader = -1;
        if (kind.endsWith(QLatin1String("fifo"))) {
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            if (kind == QLatin1String("fifo"))
                reader = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(QDir().mkpath(target));
        } else if (kind == QLatin1String("file")) {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const QString link = here.filePath(QStringLiteral("link"));
        if (throughLink)
            QVERIFY(QFile::link(target, link));
        QFileInfo before(target);
        const QString error = save(Writer::Plain, throughLink ? link : target, 10);
        QCOMPARE(error.isEmpty(), saved);
        if (reader >= 0) {
            char got[32] = {};
            QCOMPARE(::read(reader, got, sizeof got), ssize_t(10));
            ::close(reader);
        }
        const QFileInfo after(target);
        QVERIFY(after.exists());
        QCOMPARE(after.isFile(), kind == QLatin1String("file") || kind == QLatin1String("missing"));
        if (after.isFile())
            QCOMPARE(contentsOf(target), saved ? QByteArray(10, 'x') : QByteArray("old"));
        if (throughLink)
            QVERIFY(QFileInfo(link).isSymLink());
    }

    // A small tmpfs filled to the last byte: every writer must refuse, leave the file it was
    // to replace as it was, and leave nothing else behind.
    void fullDiskKeepsTheOldFile_data() { writers(); }
    void fullDiskKeepsTheOldFile() {
        QFETCH(Writer, writer);
        if (mountPoint.isEmpty()) {
            if (::geteuid() != 0)
                QSKIP("a full file system needs a tmpfs mounted, which needs root");
            const QString point = dir.filePath(QStringLiteral("full"));
            QVERIFY(QDir().mkpath(point));
            if (QProcess::execute(QStringLiteral("mount"),
                                  {"-t", "tmpfs", "-o", "size=64k", "tmpfs", point}) != 0)
                QSKIP("mount -t tmpfs is not allowed here (a container without the right)");
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

QTEST_GUILESS_MAIN(FileSaveTest)
#include "test_file_save.moc"
