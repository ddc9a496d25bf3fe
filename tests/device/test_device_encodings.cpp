#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/NumberText.h"

#include "tests/support/Skips.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

class DeviceEncodings : public QObject {
    Q_OBJECT

    QLocale ru{QLocale::Russian, QLocale::Russia};
    QLocale en{QLocale::English, QLocale::UnitedStates};

    static QByteArray bytes(const device::DeviceFloatBytes& b) {
        return QByteArray(reinterpret_cast<const char*>(b.data()), 4);
    }

private slots:
    void deviceFloatEncodesKnownValues_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("1.0") << 1.0f << QByteArray::fromHex("3F800000");
        QTest::newRow("2.0") << 2.0f << QByteArray::fromHex("40800000");
        QTest::newRow("-1.5") << -1.5f << QByteArray::fromHex("BFC00000");
        QTest::newRow("10000") << 10000.0f << QByteArray::fromHex("4C9C4000");
        QTest::newRow("zero") << 0.0f << QByteArray::fromHex("00000000");
        QTest::newRow("negative zero") << -0.0f << QByteArray::fromHex("00000000");
        QTest::newRow("277.78 cm3/s")
            << float(1000000.0L / 3600) << QByteArray::fromHex("478AE38E");
        QTest::newRow("smallest 2^-63") << std::ldexp(1.0f, -63) << QByteArray::fromHex("00800000");
    }
    void deviceFloatEncodesKnownValues() {
        QFETCH(float, value);
        QFETCH(QByteArray, encoded);
        const auto out = device::encodeDeviceFloat(value);
        QVERIFY(out);
        QCOMPARE(bytes(*out), encoded);
        QCOMPARE(device::decodeDeviceFloat(out->data()), value == 0 ? 0.0f : value);
    }

    void deviceFloatRefusesWhatItCannotHold() {
        QVERIFY(!device::encodeDeviceFloat(std::ldexp(1.0f, 65)));
        QVERIFY(!device::encodeDeviceFloat(-std::ldexp(1.0f, 65)));
        QVERIFY(!device::encodeDeviceFloat(std::ldexp(1.0f, -64)));
        QVERIFY(!device::encodeDeviceFloat(std::numeric_limits<float>::infinity()));
        QVERIFY(!device::encodeDeviceFloat(std::numeric_limits<float>::quiet_NaN()));
        QVERIFY(device::encodeDeviceFloat(std::nextafter(std::ldexp(1.0f, 65), 0.0f)));
    }

    void deviceFloatDecodingIgnoresTheExplicitBit() {
        const quint8 withBit[4] = {0x3F, 0x80, 0, 0};
        const quint8 withoutBit[4] = {0x3F, 0x00, 0, 0};
        QCOMPARE(device::decodeDeviceFloat(withBit), 1.0f);
        QCOMPARE(device::decodeDeviceFloat(withoutBit), 1.0f);
        const quint8 zero[4] = {0, 0, 0, 0};
        QCOMPARE(device::decodeDeviceFloat(zero), 0.0f);
    }

    void dayNumbers() {
        QCOMPARE(device::dayNumberFromDate(QDate(2000, 1, 1)), 36526);
        QCOMPARE(device::dateFromDayNumber(0), QDate(1899, 12, 30));
        QCOMPARE(device::dateFromDeviceDay(0), QDate(2000, 1, 1));
        QCOMPARE(device::dateFromDeviceDay(3700), QDate(2010, 2, 17));
        QCOMPARE(device::dateFromDeviceDay(65535), QDate(2000, 1, 1).addDays(65535));
        QCOMPARE(device::deviceDayFromDayNumber(device::dayNumberFromDate(QDate(2024, 1, 1))),
                 8766);
    }

    void shortDates() {
        QCOMPARE(device::formatDeviceShortDate(0x05, 0x31), QStringLiteral("05.03.2008г."));
        QCOMPARE(device::formatDeviceShortDate(0x05, 0x32), QStringLiteral("05.03.2009г."));
        QCOMPARE(device::formatDeviceShortDate(31, 0xAF), QStringLiteral("31.10.2022г."));
        QCOMPARE(device::formatDeviceShortDate(1, 0x00), QStringLiteral("01.00.2007г."));
        // As a calendar date for scripts: none where the bytes name no day.
        QCOMPARE(device::dateFromDeviceShortDate(0x05, 0x32), QDate(2009, 3, 5));
        QCOMPARE(device::dateFromDeviceShortDate(31, 0xAF), QDate(2022, 10, 31));
        QVERIFY(!device::dateFromDeviceShortDate(1, 0x00).isValid());
        QVERIFY(!device::dateFromDeviceShortDate(31, 0x42).isValid());
        QVERIFY(!device::dateFromDeviceShortDate(0, 0x32).isValid());
        QCOMPARE(device::deviceShortDateMonthYear(3, 2015), quint8(0x38));
        // The year nibble wraps instead of spilling into the month.
        QCOMPARE(device::deviceShortDateMonthYear(12, 2026), quint8(0xC3));
        QCOMPARE(device::deviceShortDateMonthYear(12, 2022), quint8(0xCF));
        QCOMPARE(device::deviceShortDateMonthYear(1, 2023), quint8(0x10));
        QCOMPARE(device::formatClock(9, 5), QStringLiteral("09:05"));
        QCOMPARE(device::formatClock(25, 0), QStringLiteral("25:00"));
    }

    void numberDisplay_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::newRow("99.94 in 3/1") << 99.94 << 3 << 1 << "99,9";
        QTest::newRow("123.45 in 3/1 keeps zeros") << 123.45 << 3 << 1 << "123,0";
        QTest::newRow("999.94 rounds to 1E3") << 999.94 << 3 << 1 << "1E3";
        QTest::newRow("1234.5 in 3/1") << 1234.5 << 3 << 1 << "1,23E3";
        QTest::newRow("12.3456 in 15/3") << 12.3456 << 15 << 3 << "12,346";
        QTest::newRow("0.0036 in 8/2") << 0.0036 << 8 << 2 << "0,00";
        QTest::newRow("36 in 8/2") << 36.0 << 8 << 2 << "36,00";
        QTest::newRow("half rounds away") << 0.125 << 15 << 2 << "0,13";
        QTest::newRow("negative") << -1.5 << 5 << 4 << "-1,5000";
        QTest::newRow("negative rounding to zero") << -0.001 << 5 << 2 << "0,00";
        QTest::newRow("zero") << 0.0 << 5 << 1 << "0,0";
        QTest::newRow("no decimals") << 12.5 << 5 << 0 << "13";
        QTest::newRow("small carries into units") << 0.006 << 15 << 2 << "0,01";
        QTest::newRow("exponent padded to D") << 123456.0 << 3 << 3 << "1,23E005";
        QTest::newRow("D of 5 or more pads nothing") << 1.0e20 << 15 << 6 << "1E20";
        QTest::newRow("negative in exponent form") << -1234.5 << 3 << 1 << "-1,23E3";
        QTest::newRow("precision limits digits") << 1.23456789 << 5 << 4 << "1,2346";
        QTest::newRow("precision below decimals") << 0.339292 << 15 << 6 << "0,339292";
        QTest::newRow("1.0 with 3 decimals") << 1.0 << 10 << 3 << "1,000";
    }
    void numberDisplay() {
        QFETCH(double, value);
        QFETCH(int, precision);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        QCOMPARE(device::formatFixed(value, precision, decimals, ru), shown);
    }

    void numberDisplayUsesTheLocaleSeparator() {
        QCOMPARE(device::formatFixed(1234.5, 3, 1, en), QStringLiteral("1.23E3"));
        QCOMPARE(device::formatFixed(3.79, 8, 2, en), QStringLiteral("3.79"));
    }

    // The process's own C locale (set from the environment) must not change how numbers are
    // read or written: the engineer's QLocale alone decides the separator.
    void numbersDoNotDependOnTheCLocale() {
        const char* saved = std::setlocale(LC_NUMERIC, nullptr);
        const std::string previous = saved ? saved : "C";
        if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
            ZETRA_SKIP("no ru_RU.UTF-8 locale on this machine (scripts/setup.sh makes it)");
        const auto parsed = device::parseNumber(QStringLiteral("1.5"), en);
        const QString shown = device::formatFixed(1234.5, 15, 3, ru);
        std::setlocale(LC_NUMERIC, previous.c_str());
        QCOMPARE(parsed, std::optional<double>(1.5));
        QCOMPARE(shown, QStringLiteral("1234,500"));
    }

    void parsingNumbers() {
        QCOMPARE(device::parseNumber(QStringLiteral("0,3653"), ru), std::optional<double>(0.3653));
        QCOMPARE(device::parseNumber(QStringLiteral(" -12,5 "), ru), std::optional<double>(-12.5));
        QCOMPARE(device::parseNumber(QStringLiteral("1E3"), ru), std::optional<double>(1000));
        QCOMPARE(device::parseNumber(QStringLiteral("1,5e-2"), ru), std::optional<double>(0.015));
        QCOMPARE(device::parseNumber(QStringLiteral(",5"), ru), std::optional<double>(0.5));
        QCOMPARE(device::parseNumber(QStringLiteral("60"), en), std::optional<double>(60));
        QCOMPARE(device::parseNumber(QStringLiteral("60.1"), en), std::optional<double>(60.1));
        for (const char* bad :
             {"", " ", "abc", "1.5", "1 000", "1,2,3", "-", "1E", "1e+", ",", "12abc", "1e999"})
            QVERIFY2(!device::parseNumber(QString::fromUtf8(bad), ru), bad);
        QVERIFY(!device::parseNumber(QStringLiteral("1,5"), en));
        QCOMPARE(device::parseInteger(QStringLiteral(" -5")), std::optional<long long>(-5));
        QCOMPARE(device::parseInteger(QStringLiteral("149")), std::optional<long long>(149));
        QVERIFY(!device::parseInteger(QStringLiteral("1,5")));
        QVERIFY(!device::parseInteger(QStringLiteral("")));
        QVERIFY(!device::parseInteger(QStringLiteral("+")));
    }
};

ZETRA_TEST_APPLESS_MAIN(DeviceEncodings)
#include "test_device_encodings.moc"
