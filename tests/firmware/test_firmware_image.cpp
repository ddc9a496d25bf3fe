#include "firmware/FirmwareImage.h"
#include "firmware/Programming.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class FirmwareImageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QByteArray image(const QByteArray& trailer, char fill = '\x5A') {
        QByteArray bytes(firmware::FirmwareImage::kSize - 4, fill);
        return bytes + trailer;
    }

private slots:
    void trailer_data() {
        QTest::addColumn<QByteArray>("trailer");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("date");
        QTest::newRow("1.16 of 05.03.2009") << QByteArray::fromHex("01100532") << "1.16"
                                            << "05.03.2009г.";
        QTest::newRow("minor without zeros") << QByteArray::fromHex("01051F00") << "1.5"
                                             << "31.00.2007г.";
        QTest::newRow("December 2022") << QByteArray::fromHex("0A0001CF") << "10.0"
                                       << "01.12.2022г.";
        QTest::newRow("year nibble 3 is 2010") << QByteArray::fromHex("00000913") << "0.0"
                                               << "09.01.2010г.";
    }
    void trailer() {
        QFETCH(QByteArray, trailer);
        QFETCH(QString, version);
        QFETCH(QString, date);
        const firmware::ImageLoad load =
            firmware::loadFirmwareImage(writeFile(QStringLiteral("a.zet"), image(trailer)));
        QVERIFY2(load.image, qPrintable(load.error));
        QCOMPARE(load.image->versionText(), version);
        QCOMPARE(load.image->creationDateText(), date);
        QCOMPARE(load.image->bytes[0], quint8(0x5A));
    }

    void dateStamp() {
        firmware::FirmwareImage img;
        img.stampDate(QDate(2015, 3, 15));
        QCOMPARE(img.bytes[7678], quint8(0x0F));
        QCOMPARE(img.bytes[7679], quint8(0x38));
        // Past 2022 the four-bit year wraps and never spills into the month.
        img.stampDate(QDate(2026, 12, 7));
        QCOMPARE(img.bytes[7678], quint8(7));
        QCOMPARE(img.bytes[7679], quint8(0xC3));
    }

    void refusedFiles_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte short") << firmware::FirmwareImage::kSize - 1;
        QTest::newRow("one byte long") << firmware::FirmwareImage::kSize + 1;
    }
    void refusedFiles() {
        QFETCH(int, size);
        const firmware::ImageLoad load =
            firmware::loadFirmwareImage(writeFile(QStringLiteral("b.zet"), QByteArray(size, '\1')));
        QVERIFY(!load.image);
        QVERIFY(load.error.contains(QStringLiteral("7680")));
        QVERIFY(load.error.contains(QString::number(size)));
    }

    void unreadableFile() {
        const firmware::ImageLoad load =
            firmware::loadFirmwareImage(dir.filePath(QStringLiteral("missing.zet")));
        QVERIFY(!load.image);
        QVERIFY(load.error.startsWith(QStringLiteral("Не удаётся прочитать файл прошивки\r")));
        QVERIFY(!firmware::loadFirmwareImage(dir.path()).image); // a folder is no image either
    }

    // A device or a pipe is refused unopened: reading it would never end, or never start.
    void filesThatAreNotImages_data() {
        QTest::addColumn<QString>("path");
        const QString fifo = dir.filePath(QStringLiteral("fifo.zet"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
        QTest::newRow("pipe") << fifo;
    }
    void filesThatAreNotImages() {
        QFETCH(QString, path);
        const firmware::ImageLoad load = firmware::loadFirmwareImage(path);
        QVERIFY(!load.image);
        QCOMPARE(load.error,
                 QStringLiteral("Не удаётся прочитать файл прошивки\r%1\rэто не обычный файл")
                     .arg(path));
    }

    void programmingRequestFrame() {
        const auto frame = firmware::programming::request();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(frame.data()), 4),
                 QByteArray::fromHex("7EFFFFAF"));
    }
};

QTEST_GUILESS_MAIN(FirmwareImageTest)
#include "test_firmware_image.moc"
