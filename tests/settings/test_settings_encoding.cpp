// The settings area's encodings and the checks of a settings write, without a meter.
#include "device/NumberText.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "settings/TabConversions.h"
#include "tests/support/Frames.h"

#include <QtTest>

namespace sm = settings::map;
using Medium = settings::SettingsForm::Medium;

using test_frames::hex;

namespace {
const QLocale kRu(QLocale::Russian, QLocale::Russia);

settings::SettingsForm validForm() {
    settings::SettingsForm f;
    f.medium = Medium::Water;
    f.period = settings::SettingsForm::Period::OneSecond;
    f.diameter = QStringLiteral("100");
    f.base = QStringLiteral("200");
    f.angle = QStringLiteral("45");
    f.cableLength = QStringLiteral("0");
    f.k = QStringLiteral("1");
    f.a = QStringLiteral("2");
    f.b = QStringLiteral("3");
    f.c = QStringLiteral("4");
    f.zeroCutoff = QStringLiteral("0");
    f.pulseWeight = QStringLiteral("1");
    f.zeroOffset = QStringLiteral("0");
    f.date = QDate(2010, 2, 17);
    f.time = QStringLiteral("14:30");
    return f;
}

settings::PreparedWrite prepared(const settings::SettingsForm& f) {
    const settings::Preparation p = settings::prepareWrite(f, kRu);
    if (!p.write)
        qWarning() << "refused:" << p.error;
    return p.write.value_or(settings::PreparedWrite{});
}

// The bytes a write sends to `count` addresses from `address`.
QByteArray sent(const settings::SettingsForm& f, quint8 address, int count, quint8 version = 0) {
    QByteArray out;
    for (const auto& [a, v] : settings::settingBytes(prepared(f), version)) {
        if (a >= address && a < address + count)
            out.append(char(v));
    }
    return out;
}
} // namespace

Q_DECLARE_METATYPE(settings::SettingsForm)

class SettingsEncodingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(kRu); }

    void fieldBytes_data() {
        QTest::addColumn<settings::SettingsForm>("form");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("bytes");
        settings::SettingsForm f = validForm();
        QTest::newRow("K 1") << f << 49 << hex("3F800000");
        f.k = QStringLiteral("2");
        QTest::newRow("K 2") << f << 49 << hex("40800000");
        QTest::newRow("zero offset 0") << validForm() << 65 << hex("00000000");
        QTest::newRow("constant") << validForm() << 37 << hex("00140000");

        f = validForm();
        QTest::newRow("path delay 0 m, type 6") << f << 33 << hex("0005B851");
        f.cableLength = QStringLiteral("10");
        f.sensorsType3 = true;
        QTest::newRow("path delay 10 m, type 3") << f << 33 << hex("00087AE1");

        f = validForm();
        f.base = QStringLiteral("100");
        QTest::newRow("window start, water") << f << 31 << hex("1C00");
        f.medium = Medium::Oil;
        QTest::newRow("window start, oil") << f << 31 << hex("3E00");
        f.medium = Medium::None;
        QTest::newRow("window start, no medium as water") << f << 31 << hex("1C00");
        f.medium = Medium::Water;
        f.windowOffset = -28;
        QTest::newRow("window offset -28 reaches 0") << f << 31 << hex("0000");
        f.windowOffset = 0;
        f.base = QStringLiteral("100,9"); // 67.27 - 38 drops its fraction
        QTest::newRow("window start toward zero") << f << 31 << hex("1D00");

        f = validForm();
        f.zeroCutoff = QStringLiteral("1");
        QTest::newRow("cutoff 1 m3/h") << f << 24 << hex("478AE38E");
        f.cutoffInPercent = true;
        // 0.01 x 339.292 x 1000000 / 3600 = 942.48 cm3/s
        QTest::newRow("cutoff 1 %") << f << 24 << hex("48EB9E94");
        QTest::newRow("cross-section") << validForm() << 41 << hex("459D1463");
        QTest::newRow("path coefficient, axial") << validForm() << 45 << hex("56989680");
        f = validForm();
        f.diametral = true;
        QTest::newRow("path coefficient, diametral") << f << 45 << hex("57989680");

        // Scaled values round to nearest with ties to even.
        f = validForm();
        f.diameter = QStringLiteral("0,25");
        QTest::newRow("diameter 2.5 to 2") << f << 16 << hex("0200");
        f = validForm();
        f.base = QStringLiteral("100,25");
        QTest::newRow("base 1002.5 to 1002") << f << 18 << hex("EA03");
        f.base = QStringLiteral("100,75");
        QTest::newRow("base 1007.5 to 1008") << f << 18 << hex("F003");
        f = validForm();
        f.pulseWeight = QStringLiteral("0,0625");
        QTest::newRow("pulse weight 62.5 to 62") << f << 28 << hex("3E0000");
        f.pulseWeight = QStringLiteral("16777,215");
        QTest::newRow("pulse weight at its top") << f << 28 << hex("FFFFFF");
        f = validForm();
        f.cableLength = QStringLiteral("0,25");
        QTest::newRow("cable 2.5 to 2") << f << 22 << hex("0200");
        f.cableLength = QStringLiteral(",5");
        QTest::newRow("cable without integer digits") << f << 22 << hex("0500");
        f.cableLength = QStringLiteral(" +1,5E1 ");
        QTest::newRow("cable with sign and exponent") << f << 22 << hex("9600");
        f = validForm();
        f.diameter = QStringLiteral("6553,5");
        QTest::newRow("diameter at its top") << f << 16 << hex("FFFF");

        // The angle of axial insertion is not checked: written when it fits, else 0.
        f = validForm();
        f.angle = QStringLiteral("45,125");
        QTest::newRow("axial angle as typed") << f << 20 << hex("A011");
        f.angle = QStringLiteral("abc");
        QTest::newRow("axial angle not a number") << f << 20 << hex("0000");
        f.angle = QStringLiteral("700");
        QTest::newRow("axial angle too large") << f << 20 << hex("0000");
        f.angle = QStringLiteral("-5");
        QTest::newRow("axial angle negative") << f << 20 << hex("0000");
        f.diametral = true;
        f.angle = QStringLiteral("45,125");
        QTest::newRow("diametral angle") << f << 20 << hex("A011");

        f = validForm();
        f.diametral = true;
        f.sensorsType3 = false;
        f.medium = Medium::Oil;
        f.period = settings::SettingsForm::Period::FourSeconds;
        QTest::newRow("flags") << f << 69 << hex("89");
        f.medium = Medium::None;
        f.period = settings::SettingsForm::Period::None;
        f.sensorsType3 = true;
        QTest::newRow("flags without medium or period") << f << 69 << hex("03");
    }

    void fieldBytes() {
        QFETCH(settings::SettingsForm, form);
        QFETCH(int, address);
        QFETCH(QByteArray, bytes);
        QCOMPARE(sent(form, quint8(address), int(bytes.size())).toHex(' '), bytes.toHex(' '));
    }

    void referenceFlowAndCutoff() {
        QCOMPARE(device::formatFixed(double(sm::referenceFlow(100)), 15, 3, kRu),
                 QStringLiteral("339,292"));
        QCOMPARE(device::formatFixed(double(sm::zeroCutoffStored(1, true, 100)), 8, 2, kRu),
                 QStringLiteral("942,48"));
        QCOMPARE(device::formatFixed(double(sm::zeroCutoffStored(1, false, 100)), 8, 2, kRu),
                 QStringLiteral("277,78"));
    }

    void decoding() {
        QCOMPARE(double(sm::diameterFromStored(0x83E8)), 100.0); // bit 15 dropped
        QCOMPARE(sm::windowOffsetFromStored(28, 100, Medium::Water), 0LL);
        QCOMPARE(sm::windowOffsetFromStored(62, 100, Medium::Oil), 0LL);

        settings::SettingsForm f;
        sm::decodeFlags(0x8D, f);
        QVERIFY(f.diametral);
        QVERIFY(!f.sensorsType3);
        QCOMPARE(f.medium, Medium::Oil); // bit 3 wins over bit 2
        QCOMPARE(f.period, settings::SettingsForm::Period::FourSeconds);
        sm::decodeFlags(0x01, f);
        QCOMPARE(f.medium, Medium::None);
        QCOMPARE(f.period, settings::SettingsForm::Period::OneSecond);
    }

    void coefficientPlacement_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("at53");
        QTest::addColumn<QByteArray>("at61");
        // A = 2 (40 80 00 00), C = 4 (41 80 00 00)
        QTest::newRow("version 5") << 5 << hex("40800000") << hex("41800000");
        QTest::newRow("version 6") << 6 << hex("41800000") << hex("40800000");
        QTest::newRow("version 200") << 200 << hex("41800000") << hex("40800000");
    }

    void coefficientPlacement() {
        QFETCH(int, version);
        QFETCH(QByteArray, at53);
        QFETCH(QByteArray, at61);
        QCOMPARE(sent(validForm(), 53, 4, quint8(version)), at53);
        QCOMPARE(sent(validForm(), 57, 4, quint8(version)), hex("40C00000")); // B = 3 stays
        QCOMPARE(sent(validForm(), 61, 4, quint8(version)), at61);
    }

    void writeCoversEveryAddressInOrder() {
        const auto bytes = settings::settingBytes(prepared(validForm()), 0);
        QCOMPARE(int(bytes.size()), 54);
        for (int i = 0; i < 54; ++i)
            QCOMPARE(int(bytes[std::size_t(i)].first), 16 + i);
        const settings::PreparedWrite w = prepared(validForm());
        QCOMPARE(int(w.deviceDay), 3700);
        QCOMPARE(w.time.hours, 14);
        QCOMPARE(w.time.minutes, 30);
    }

    void refusals_data() {
        QTest::addColumn<settings::SettingsForm>("form");
        QTest::addColumn<QString>("message");
        settings::SettingsForm f = validForm();
        f.diameter = QStringLiteral("abc");
        QTest::newRow("diameter nan")
            << f << QStringLiteral("Диаметр указан неверно\rabc - не число");
        f.diameter = QStringLiteral("0");
        QTest::newRow("diameter 0")
            << f << QStringLiteral("Диаметр не может быть отрицательным числом\rили равен 0");
        f = validForm();
        f.base = QStringLiteral("60");
        QTest::newRow("base 60") << f << QStringLiteral("База не может быть меньше 60мм.");
        f.base = QString();
        QTest::newRow("base empty") << f << QStringLiteral("База указана неверно\r - не число");
        f = validForm();
        f.diametral = true;
        f.angle = QStringLiteral("90");
        QTest::newRow("angle 90") << f
                                  << QStringLiteral("Угол не может быть больше 90 градусов\r"
                                                    "или равен 90 градусам");
        f.angle = QStringLiteral("0");
        QTest::newRow("angle 0") << f
                                 << QStringLiteral(
                                        "Угол не может быть отрицательным числом\rили равен 0");
        f.angle = QStringLiteral("x");
        QTest::newRow("angle nan") << f << QStringLiteral("Угол указан неверно\rx - не число");
        f = validForm();
        f.cableLength = QStringLiteral("-0,1");
        QTest::newRow("cable negative")
            << f << QStringLiteral("Длина кабеля не может быть отрицательным числом");
        f.cableLength = QStringLiteral("1.5"); // a point is no separator here
        QTest::newRow("cable nan")
            << f << QStringLiteral("Длина кабеля указана неверно\r1.5 - не число");
        f = validForm();
        f.k = QStringLiteral("0");
        QTest::newRow("K 0")
            << f << QStringLiteral("Коэффициент К не может быть отрицательным числом\rили равен 0");
        f = validForm();
        f.a = QStringLiteral("a");
        QTest::newRow("A nan") << f << QStringLiteral("Коэффициент А указан неверно\ra - не число");
        f = validForm();
        f.b = QStringLiteral("-1");
        QTest::newRow("B negative")
            << f << QStringLiteral("Коэффициент B не может быть отрицательным числом\rили равен 0");
        f.b = QStringLiteral("b");
        QTest::newRow("B nan") << f << QStringLiteral("Коэффициент B указан неверно\rb - не число");
        f = validForm();
        f.c = QStringLiteral("0");
        QTest::newRow("C 0")
            << f << QStringLiteral("Коэффициент С не может быть отрицательным числом\rили равен 0");
        f = validForm();
        f.zeroCutoff = QStringLiteral("-1");
        QTest::newRow("cutoff negative")
            << f << QStringLiteral("Отсечка нуля не может быть отрицательным числом");
        f = validForm();
        f.pulseWeight = QStringLiteral("0");
        QTest::newRow("pulse weight 0")
            << f << QStringLiteral("Вес импульса не может быть отрицательным числом\rили равен 0");
        f = validForm();
        f.zeroOffset = QString();
        QTest::newRow("zero offset empty")
            << f << QStringLiteral("Смещение нуля указано неверно\r - не число");
        f = validForm();
        f.time = QStringLiteral("7:30");
        QTest::newRow("time 7:30") << f << QStringLiteral("Время указано неверно");
        f = validForm();
        f.base = QStringLiteral("100");
        f.windowOffset = -29;
        QTest::newRow("window -29") << f << QStringLiteral("Смещение окна слишком мало");

        // The first failing check speaks.
        f = validForm();
        f.base = QStringLiteral("50");
        f.k = QStringLiteral("x");
        QTest::newRow("order") << f << QStringLiteral("База не может быть меньше 60мм.");

        // Values that do not fit their fields.
        f = validForm();
        f.diameter = QStringLiteral("6553,6");
        QTest::newRow("diameter too large") << f << QStringLiteral("Диаметр слишком велик");
        f.diameter = QStringLiteral("1E-12");
        QTest::newRow("diameter too small") << f << QStringLiteral("Диаметр слишком мал");
        f = validForm();
        f.base = QStringLiteral("6553,6");
        QTest::newRow("base too large") << f << QStringLiteral("База слишком велика");
        f = validForm();
        f.cableLength = QStringLiteral("6553,6");
        QTest::newRow("cable too large") << f << QStringLiteral("Длина кабеля слишком велика");
        f = validForm();
        f.pulseWeight = QStringLiteral("16777,216");
        QTest::newRow("pulse weight too large")
            << f << QStringLiteral("Вес импульса слишком велик");
        f = validForm();
        f.k = QStringLiteral("1E30");
        QTest::newRow("K too large")
            << f << QStringLiteral("Коэффициент К вне допустимого диапазона");
        f.k = QStringLiteral("1E-30");
        QTest::newRow("K too small")
            << f << QStringLiteral("Коэффициент К вне допустимого диапазона");
        f = validForm();
        f.c = QStringLiteral("4E19");
        QTest::newRow("C too large")
            << f << QStringLiteral("Коэффициент С вне допустимого диапазона");
        f = validForm();
        f.zeroOffset = QStringLiteral("-1E20");
        QTest::newRow("zero offset too large")
            << f << QStringLiteral("Смещение нуля вне допустимого диапазона");
        f = validForm();
        f.zeroCutoff = QStringLiteral("1E18");
        QTest::newRow("cutoff too large")
            << f << QStringLiteral("Отсечка нуля вне допустимого диапазона");
        f = validForm();
        f.k = QStringLiteral("1E13");
        QTest::newRow("path coefficient")
            << f
            << QStringLiteral(
                   "Коэффициент К, база и диаметр дают\rнедопустимый путевой коэффициент");
        f = validForm();
        f.date = QDate(1999, 12, 31);
        QTest::newRow("date too early")
            << f << QStringLiteral("Дата не может быть раньше 01.01.2000");
        f.date = QDate(2179, 6, 7);
        QTest::newRow("date too late")
            << f << QStringLiteral("Дата не может быть позже 06.06.2179");
    }

    void refusals() {
        QFETCH(settings::SettingsForm, form);
        QFETCH(QString, message);
        const settings::Preparation p = settings::prepareWrite(form, kRu);
        QVERIFY(!p.write);
        QCOMPARE(p.error, message);
    }

    void accepted_data() {
        QTest::addColumn<settings::SettingsForm>("form");
        settings::SettingsForm f = validForm();
        f.base = QStringLiteral("60,1");
        QTest::newRow("base 60.1") << f;
        f = validForm();
        f.angle = QStringLiteral("any text");
        QTest::newRow("axial angle unchecked") << f;
        f.diametral = true;
        f.angle = QStringLiteral("89,99");
        QTest::newRow("angle below 90") << f;
        f = validForm();
        f.cableLength = QStringLiteral("0");
        f.zeroCutoff = QStringLiteral("0");
        QTest::newRow("cable and cutoff 0") << f;
        f = validForm();
        f.base = QStringLiteral("100");
        f.windowOffset = -28;
        QTest::newRow("window -28") << f;
        f = validForm();
        f.date = QDate(2000, 1, 1);
        QTest::newRow("first date") << f;
        f.date = QDate(2179, 6, 6);
        QTest::newRow("last date") << f;
        f = validForm();
        f.zeroOffset = QStringLiteral("-12,5");
        QTest::newRow("negative zero offset") << f;
    }

    void accepted() {
        QFETCH(settings::SettingsForm, form);
        const settings::Preparation p = settings::prepareWrite(form, kRu);
        QVERIFY2(p.write.has_value(), qPrintable(p.error));
    }

    void timeRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hours"); // -1: refused
        QTest::addColumn<int>("minutes");
        QTest::newRow("07:30") << "07:30" << 7 << 30;
        QTest::newRow("separator not examined") << "07-30" << 7 << 30;
        QTest::newRow("longer text") << "23:59:59" << 23 << 59;
        QTest::newRow("00:00") << "00:00" << 0 << 0;
        QTest::newRow("four characters") << "7:30" << -1 << 0;
        QTest::newRow("24:00") << "24:00" << -1 << 0;
        QTest::newRow("minutes 60") << "12:60" << -1 << 0;
        QTest::newRow("letter") << "1a:00" << -1 << 0;
        QTest::newRow("blank") << " 7:30" << -1 << 0;
        QTest::newRow("empty") << "" << -1 << 0;
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("0\u0667:30") << -1 << 0;
    }

    void timeRule() {
        QFETCH(QString, text);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        const auto t = settings::parseClockTime(text);
        QCOMPARE(t.has_value(), hours >= 0);
        if (t) {
            QCOMPARE(t->hours, hours);
            QCOMPARE(t->minutes, minutes);
        }
    }

    void cutoffUnitConversion() {
        using settings::conversions::convertZeroCutoff;
        QCOMPARE(convertZeroCutoff(QStringLiteral("0,339292"), QStringLiteral("100"), true, kRu),
                 std::optional<QString>(QStringLiteral("0,100000")));
        QCOMPARE(convertZeroCutoff(QStringLiteral("0,100000"), QStringLiteral("100"), false, kRu),
                 std::optional<QString>(QStringLiteral("0,339292")));
        QCOMPARE(convertZeroCutoff(QString(), QStringLiteral("100"), true, kRu), std::nullopt);
        QCOMPARE(convertZeroCutoff(QStringLiteral("1"), QString(), true, kRu), std::nullopt);
        QCOMPARE(convertZeroCutoff(QStringLiteral("abc"), QStringLiteral("100"), true, kRu),
                 std::nullopt);
        QCOMPARE(convertZeroCutoff(QStringLiteral("1"), QStringLiteral("0"), true, kRu),
                 std::nullopt);
    }

    void timeFill() {
        QCOMPARE(settings::conversions::timeFill(QTime(9, 5, 59)), QStringLiteral("09:05"));
        QCOMPARE(settings::conversions::timeFill(QTime(23, 59)), QStringLiteral("23:59"));
    }
};

QTEST_GUILESS_MAIN(SettingsEncodingTest)
#include "test_settings_encoding.moc"
