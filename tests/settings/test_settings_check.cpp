// Comparing the meter's settings with a form, checking what a write left in the meter, and the
// question before a write: the decisions on bytes already read, without a meter.

#include "core/Language.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "tests/support/SettingsForms.h"

#include <QtTest>

namespace {
const QLocale kRu(QLocale::Russian, QLocale::Russia);

// Sets one field of the form by the name the tables use.
void setField(settings::SettingsForm& f, const QString& field, const QString& value) {
    if (field == QLatin1String("diameter"))
        f.diameter = value;
    else if (field == QLatin1String("k"))
        f.k = value;
    else if (field == QLatin1String("a"))
        f.a = value;
    else if (field == QLatin1String("medium"))
        f.medium = settings::SettingsForm::Medium::Oil;
    else if (field == QLatin1String("period"))
        f.period = settings::SettingsForm::Period::FourSeconds;
    else if (field == QLatin1String("windowOffset"))
        f.windowOffset = value.toInt();
    else if (!field.isEmpty())
        qFatal("unknown field %s", qPrintable(field));
}

QStringList lines(const std::vector<settings::FieldDifference>& differences) {
    QStringList out;
    for (const auto& d : differences)
        out << d.label + QLatin1Char('|') + d.meter + QLatin1Char('|') + d.intended;
    return out;
}
} // namespace

class SettingsCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(kRu); }
    void cleanup() { core::language::use(core::language::Language::Russian); }

    // A count in our own texts takes the language's plural form.
    void countsTakeThePluralForm_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("words");
        const QList<std::pair<int, QString>> ru{{1, "поле"},   {2, "поля"},  {5, "полей"},
                                                {11, "полей"}, {21, "поле"}, {42, "поля"}};
        for (const auto& [n, word] : ru)
            QTest::addRow("ru %d", n) << false << n << QString::number(n) + " " + word;
        for (int n : {1, 2, 5, 11, 21, 42})
            QTest::addRow("en %d", n)
                << true << n << QString::number(n) + (n == 1 ? " field" : " fields");
    }
    void countsTakeThePluralForm() {
        QFETCH(bool, english);
        QFETCH(int, count);
        QFETCH(QString, words);
        QVERIFY(core::language::use(english ? core::language::Language::English
                                            : core::language::Language::Russian));
        QCOMPARE(settings::texts::settingsDiffer(count),
                 english ? "The meter's settings differ from the form (" + words + "):"
                         : "Настройки прибора отличаются от формы (" + words + "):");
        const settings::FieldDifference d{"Дата:", "a", "b"};
        QVERIFY(
            settings::mismatchReport(std::vector<settings::FieldDifference>(std::size_t(count), d))
                .startsWith(
                    english
                        ? "The settings in the meter differ from those written (" + words + "):\r"
                        : "Настройки в приборе не совпадают с записанными (" + words + "):\r"));
    }

    // The meter holds what a write of the base form would leave, except where a row changes
    // the form or lays other bytes over the meter's.
    void differences_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("meterBytes");
        QTest::addColumn<QStringList>("expected");

        const QByteArray none;
        QTest::newRow("equal") << 5 << ""
                               << "" << -1 << none << QStringList();
        QTest::newRow("same number, other text") << 5 << "diameter"
                                                 << "150,50" << -1 << none << QStringList();
        // The cross-section and the path coefficient follow the diameter: only it is named.
        QTest::newRow("diameter") << 5 << "diameter"
                                  << "160" << -1 << none
                                  << QStringList{"Внутренний диаметр трубы, мм:|150,5|160"};
        QTest::newRow("not a number")
            << 5 << "k"
            << "abc" << -1 << none << QStringList{"Коэффициент коррекции K:|1,0200|abc"};
        QTest::newRow("A placed by version 6")
            << 6 << "a"
            << "2,5" << -1 << none << QStringList{"Поправочный коэффициент A:|2,0000|2,5"};
        QTest::newRow("medium, window start follows")
            << 5 << "medium"
            << "" << -1 << none << QStringList{"Рабочая среда:|вода|нефтепродукты"};
        QTest::newRow("period") << 5 << "period"
                                << "" << -1 << none << QStringList{"Период измерения, сек:|1|4"};
        QTest::newRow("window offset")
            << 5 << "windowOffset"
            << "5" << -1 << none << QStringList{"Смещение окна, мкс:|3|5"};
        // Window base 128 (250.4 / 1.5 - 38): a start of 278 shows as the offset 100 (clamped),
        // equal to the form's, so only the start itself can tell.
        QTest::newRow("window start beyond the offset's range")
            << 5 << "windowOffset"
            << "100" << 31 << QByteArray::fromHex("1601")
            << QStringList{"Начало окна, мкс:|278|228"};
        QTest::newRow("cross-section alone")
            << 5 << ""
            << "" << 41 << QByteArray::fromHex("00000000")
            << QStringList{"Площадь сечения трубы, см2:|0,0000|177,8947"};
        QTest::newRow("delay constant") << 5 << ""
                                        << "" << 37 << QByteArray::fromHex("00150000")
                                        << QStringList{"Константа задержки:|1376256|1310720"};
    }

    void differences() {
        QFETCH(int, version);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, address);
        QFETCH(QByteArray, meterBytes);
        QFETCH(QStringList, expected);

        settings::SettingsImage meter =
            settings::intendedImage(test_forms::filled(), kRu, quint8(version));
        if (address >= 0)
            meter.put(address, reinterpret_cast<const quint8*>(meterBytes.constData()),
                      int(meterBytes.size()));
        settings::SettingsForm form = test_forms::filled();
        setField(form, field, value);
        QCOMPARE(lines(settings::differences(meter, quint8(version), form, kRu)), expected);
    }

    void writeMismatches_data() {
        QTest::addColumn<int>("address"); // -1: every byte took
        QTest::addColumn<QByteArray>("meterBytes");
        QTest::addColumn<int>("unreadFrom");   // -1: every byte was read back
        QTest::addColumn<int>("clockSeconds"); // the meter's clock after the set one; -999: unread
        QTest::addColumn<QStringList>("expected");

        const QByteArray none;
        QTest::newRow("everything took") << -1 << none << -1 << 0 << QStringList();
        QTest::newRow("clock ran on two minutes") << -1 << none << -1 << 120 << QStringList();
        QTest::newRow("clock ran on three minutes")
            << -1 << none << -1 << 180 << QStringList{"Время:|07:48|07:45"};
        QTest::newRow("clock behind")
            << -1 << none << -1 << -60 << QStringList{"Время:|07:44|07:45"};
        QTest::newRow("clock a day off")
            << -1 << none << -1 << 86400 << QStringList{"Дата:|02.06.2016|01.06.2016"};
        QTest::newRow("clock not read")
            << -1 << none << -1 << -999 << QStringList{"Дата:||01.06.2016", "Время:||07:45"};
        // 150.5 mm is E1 05; the high byte stayed 03 from before.
        QTest::newRow("diameter high byte lost")
            << 17 << QByteArray::fromHex("03") << -1 << 0
            << QStringList{"Внутренний диаметр трубы, мм:|99,3|150,5"};
        QTest::newRow("flags lost")
            << 69 << QByteArray::fromHex("00") << -1 << 0
            << QStringList{"тип врезки:|ВТК-А (осевое)|ВТК-Б (диаметральное)",
                           "Рабочая среда:||вода"};
        QTest::newRow("hour stamp lost") << 15 << QByteArray::fromHex("0A") << -1 << 0
                                         << QStringList{"Час последней записи настроек:|10|7"};
        // The last frame (58..69) unanswered: what lies in it is named, unread.
        QTest::newRow("last frame unread") << -1 << none << 58 << 0
                                           << QStringList{"тип врезки:||ВТК-Б (диаметральное)",
                                                          "датчики:||тип 6",
                                                          "Рабочая среда:||вода",
                                                          "Период измерения, сек:||1",
                                                          "Поправочный коэффициент B:||3,0000",
                                                          "Поправочный коэффициент C:||4,0000",
                                                          "Смещение нуля, мкс:||-1,2500"};
    }

    void writeMismatches() {
        QFETCH(int, address);
        QFETCH(QByteArray, meterBytes);
        QFETCH(int, unreadFrom);
        QFETCH(int, clockSeconds);
        QFETCH(QStringList, expected);

        const settings::SettingsForm form = test_forms::filled();
        const settings::Preparation prepared = settings::prepareWrite(form, kRu);
        QVERIFY2(prepared.write, qPrintable(prepared.error));
        settings::SettingsImage meter = settings::writtenImage(*prepared.write, 5);
        if (address >= 0)
            meter.put(address, reinterpret_cast<const quint8*>(meterBytes.constData()),
                      int(meterBytes.size()));
        if (unreadFrom >= 0)
            for (int a = unreadFrom; a < settings::SettingsImage::kSize; ++a)
                meter.known[std::size_t(a)] = false;
        std::optional<QDateTime> clock;
        if (clockSeconds != -999)
            clock = QDateTime(QDate(2016, 6, 1), QTime(7, 45)).addSecs(clockSeconds);
        QCOMPARE(lines(settings::writeMismatches(meter, clock, *prepared.write, 5, form, kRu)),
                 expected);
    }

    void applyQuestion_data() {
        QTest::addColumn<bool>("daily");
        QTest::addColumn<bool>("minute");
        QTest::addColumn<QString>("time"); // the form's time on 01.06.2016
        QTest::addColumn<QString>("expected");
        const QString q =
            QStringLiteral("Вы действительно хотите применить\rновые настройки к прибору?");
        QTest::newRow("clock fields near the PC's") << false << false << "10:02" << q;
        QTest::newRow("daily box")
            << true << false << "10:00" << q + QStringLiteral("\rСуточный архив будет очищен.");
        QTest::newRow("both boxes")
            << true << true << "09:59"
            << q + QStringLiteral("\rСуточный архив будет очищен.\rМинутный архив будет очищен.");
        QTest::newRow("time field of the program's start")
            << false << false << "09:00"
            << q + QStringLiteral("\rЧасы прибора будут установлены на 01.06.2016 09:00 (время "
                                  "ПК 01.06.2016 10:00).");
        QTest::newRow("a broken time is left to the checks") << false << false << "9:00" << q;
    }

    void applyQuestion() {
        QFETCH(bool, daily);
        QFETCH(bool, minute);
        QFETCH(QString, time);
        QFETCH(QString, expected);
        settings::SettingsForm form = test_forms::filled();
        form.clearDaily = daily;
        form.clearMinute = minute;
        form.time = time;
        const QDateTime now(QDate(2016, 6, 1), QTime(10, 0, 30));
        QCOMPARE(settings::applyQuestion(form, now, kRu), expected);
    }
};

QTEST_GUILESS_MAIN(SettingsCheckTest)
#include "test_settings_check.moc"
