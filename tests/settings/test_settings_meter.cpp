// Reading and writing the settings, clearing the archives and clearing the totals against the
// simulated meter, through the connection frame over a real pseudo-terminal.

#include "actions/Connection.h"
#include "actions/InfoReadout.h"
#include "actions/TotalsClearing.h"
#include "link/Protocol.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "sim/Sim.h"
#include "tests/support/Frames.h"
#include "tests/support/MeterBench.h"

#include <QtTest>

#include <memory>

using test_frames::hex;

namespace {
const QLocale kRu(QLocale::Russian, QLocale::Russia);

constexpr quint8 kReadMemory = 0x18, kWriteMemory = 0x24, kReadSettings = 0x3C,
                 kWriteSetting = 0x42, kWriteRecord = 0x66;

bool isWrite(const sim::FrameRecord& f) {
    return f.command == kWriteMemory || f.command == kWriteSetting || f.command == kWriteRecord;
}

// The meter at 2015-03-15 10:30 on its pty, with the actions the tests run on it.
struct Bench : MeterBench {
    static sim::Options defaults(quint16 firmwareVersion = 6) {
        sim::Options o;
        o.servePipe = false;
        o.contents.date = QDate(2015, 3, 15);
        o.contents.hour = 10;
        o.contents.minute = 30;
        o.contents.firmwareVersion = firmwareVersion;
        return o;
    }

    Bench() : Bench(defaults()) {}
    explicit Bench(sim::Options options) : MeterBench(std::move(options)) {}

    bool start() {
        if (!MeterBench::start())
            return false;
        // Archive clearing pauses 15 ms after every record; the tests do not need to wait.
        protocol.setPause([](int) {});
        return true;
    }

    bool run(const std::function<void()>& branch) {
        return MeterBench::run(target(), [&] {
            branch();
            return core::Outcome();
        });
    }

    settings::ReadResult read(const settings::SettingsForm& current = settings::SettingsForm()) {
        settings::ReadResult r;
        run([&] { r = settings::read(protocol, frontend, current, kRu); });
        return r;
    }
    settings::WriteResult write(const settings::SettingsForm& form) {
        settings::WriteResult r;
        run([&] { r = settings::write(protocol, frontend, form, kRu); });
        return r;
    }

    // The frames after the identity check.
    std::vector<sim::FrameRecord> branchFrames() const {
        std::vector<sim::FrameRecord> all = transactions();
        if (!all.empty())
            all.erase(all.begin());
        return all;
    }
    int writeFrames() const {
        const auto all = transactions();
        return int(std::count_if(all.begin(), all.end(), isWrite));
    }
    QByteArray settingsBytes(int address, int count) {
        return bytes(sim::Space::Settings, address, count);
    }
    QByteArray memoryBytes(int address, int count) {
        return bytes(sim::Space::Memory, address, count);
    }
};

settings::SettingsForm writeForm() {
    settings::SettingsForm f;
    f.diametral = true;
    f.sensorsType3 = true;
    f.medium = settings::SettingsForm::Medium::Oil;
    f.period = settings::SettingsForm::Period::FourSeconds;
    f.diameter = QStringLiteral("150,5");
    f.base = QStringLiteral("250,4");
    f.angle = QStringLiteral("30,25");
    f.cableLength = QStringLiteral("12,5");
    f.k = QStringLiteral("1,02");
    f.a = QStringLiteral("2");
    f.b = QStringLiteral("3");
    f.c = QStringLiteral("4");
    f.zeroCutoff = QStringLiteral("0,5");
    f.pulseWeight = QStringLiteral("2,5");
    f.zeroOffset = QStringLiteral("-1,25");
    f.windowOffset = 3;
    f.date = QDate(2016, 6, 1);
    f.time = QStringLiteral("07:45");
    return f;
}
} // namespace

class SettingsMeterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(kRu); }

    void fullRead() {
        Bench b;
        QVERIFY2(b.start(), qPrintable(b.meter.errorString()));
        settings::SettingsForm current;
        current.diametral = true; // the flags decide
        const settings::ReadResult r = b.read(current);
        const settings::SettingsForm& f = r.form;
        QCOMPARE(f.diameter, QStringLiteral("100,0"));
        QCOMPARE(f.base, QStringLiteral("200,0"));
        QCOMPARE(f.angle, QStringLiteral("45,00"));
        QCOMPARE(f.cableLength, QStringLiteral("10,0"));
        QCOMPARE(f.zeroCutoff, QStringLiteral("0,100000"));
        QCOMPARE(f.pulseWeight, QStringLiteral("1,00"));
        QCOMPARE(f.k, QStringLiteral("0,9387"));
        QCOMPARE(f.a, QStringLiteral("0,9923"));
        QCOMPARE(f.b, QStringLiteral("0,9973"));
        QCOMPARE(f.c, QStringLiteral("0,9990"));
        QCOMPARE(f.zeroOffset, QStringLiteral("0,5000"));
        QVERIFY(!f.diametral);
        QVERIFY(!f.sensorsType3);
        QCOMPARE(f.medium, settings::SettingsForm::Medium::Water);
        QCOMPARE(f.period, settings::SettingsForm::Period::OneSecond);
        QCOMPARE(f.windowOffset, 0);
        QCOMPARE(f.date, QDate(2015, 3, 15));
        QCOMPARE(f.time, QStringLiteral("10:30"));
        QCOMPARE(r.firmwareVersionByte, std::optional<quint8>(6));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно"));
        QCOMPARE(b.frontend.statuses.at(1), QStringLiteral("Передача параметров..."));
        QCOMPARE(b.frontend.maxima.last(), 15);
        QCOMPARE(int(b.branchFrames().size()), 16);
        QCOMPARE(b.writeFrames(), 0);
    }

    void readShowsThePercentUnit() {
        sim::Options o = Bench::defaults();
        // 94.2478 cm3/s through DN100: 0.1 % of the reference flow.
        o.contents.set(sim::Space::Settings, 24, hex("45BC7EE0"));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm current;
        current.cutoffInPercent = true;
        QCOMPARE(b.read(current).form.zeroCutoff, QStringLiteral("0,10"));
        QCOMPARE(b.read(settings::SettingsForm()).form.zeroCutoff, QStringLiteral("0,339292"));
    }

    void readWithEverythingFailing() {
        sim::Options o = Bench::defaults();
        o.faults.push_back(sim::Fault::drop(sim::Selector::from(2)));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm current;
        current.diametral = true;
        current.sensorsType3 = true;
        current.diameter = QStringLiteral("old");
        current.medium = settings::SettingsForm::Medium::Oil;
        current.period = settings::SettingsForm::Period::FourSeconds;
        current.windowOffset = 12;
        const settings::SettingsForm f = b.read(current).form;
        for (const QString& text : {f.diameter, f.base, f.angle, f.cableLength, f.zeroCutoff,
                                    f.pulseWeight, f.k, f.a, f.b, f.c, f.zeroOffset})
            QCOMPARE(text, QString());
        QCOMPARE(f.medium, settings::SettingsForm::Medium::None);
        QCOMPARE(f.period, settings::SettingsForm::Period::None);
        QVERIFY(f.diametral);
        QVERIFY(f.sensorsType3);
        QCOMPARE(f.windowOffset, 0);
        QCOMPARE(f.date, QDate(2000, 1, 1));
        QCOMPARE(f.time, QStringLiteral("00:00"));
        QCOMPARE(b.frontend.status(), QStringLiteral("Прибор не отвечает"));
    }

    void readWithoutTheVersionLeavesAAndCEmpty() {
        sim::Options o = Bench::defaults();
        o.faults.push_back(
            sim::Fault::drop(sim::Selector::all().onCommand(kReadMemory).atAddress(1261)));
        Bench b(o);
        QVERIFY(b.start());
        const settings::ReadResult r = b.read();
        QCOMPARE(r.form.a, QString());
        QCOMPARE(r.form.c, QString());
        QCOMPARE(r.form.b, QStringLiteral("0,9973"));
        QVERIFY(!r.firmwareVersionByte);
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено с ошибками"));
        QCOMPARE(int(b.branchFrames().size()), 16 + 2); // the version read tried three times
    }

    void readWithoutDiameterOrBase() {
        sim::Options o = Bench::defaults();
        o.faults.push_back(
            sim::Fault::drop(sim::Selector::all().onCommand(kReadSettings).atAddress(16)));
        o.faults.push_back(
            sim::Fault::drop(sim::Selector::all().onCommand(kReadSettings).atAddress(18)));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm current;
        current.cutoffInPercent = true;
        current.windowOffset = 50;
        const settings::SettingsForm f = b.read(current).form;
        QCOMPARE(f.diameter, QString());
        QCOMPARE(f.zeroCutoff, QString()); // a percentage of nothing
        QCOMPARE(f.windowOffset, 0);       // relative to no base
        QCOMPARE(f.angle, QStringLiteral("45,00"));
        // In m3/h the cutoff needs no diameter.
        QCOMPARE(b.read(settings::SettingsForm()).form.zeroCutoff, QStringLiteral("0,100000"));
    }

    void readUnusualBytes() {
        sim::Options o = Bench::defaults(6);
        o.contents.set(sim::Space::Settings, 16, hex("E883"));   // bit 15 set
        o.contents.set(sim::Space::Settings, 28, hex("DC0500")); // 1500
        o.contents.set(sim::Space::Settings, 69, hex("01"));     // diametral only
        o.contents.set(sim::Space::Settings, 31, hex("FFFF"));   // far beyond +100
        o.contents.set(sim::Space::Memory, 1240, hex("0905"));
        Bench b(o);
        QVERIFY(b.start());
        const settings::SettingsForm f = b.read().form;
        QCOMPARE(f.diameter, QStringLiteral("100,0"));
        QCOMPARE(f.pulseWeight, QStringLiteral("1,50"));
        QVERIFY(f.diametral);
        QVERIFY(!f.sensorsType3);
        QCOMPARE(f.medium, settings::SettingsForm::Medium::None);
        QCOMPARE(f.period, settings::SettingsForm::Period::OneSecond);
        QVERIFY(f.angleEnabled());
        QVERIFY(!f.channelCalculatorEnabled());
        QCOMPARE(f.windowOffset, 100);
        QCOMPARE(f.time, QStringLiteral("09:05"));
    }

    void fullWriteByteByByte() {
        Bench b;
        QVERIFY(b.start());
        const settings::SettingsForm form = writeForm();
        const settings::WriteResult r = b.write(form);
        QVERIFY(r.written);
        // The question keeps its text; the form's clock is years from the PC's, so it says so.
        QCOMPARE(b.frontend.questions.size(), 1);
        QVERIFY(b.frontend.questions[0].startsWith(
            QStringLiteral("Внимание: Вы действительно хотите применить\rновые настройки к "
                           "прибору?\rЧасы прибора будут установлены на 01.06.2016 07:45 (время "
                           "ПК ")));
        QCOMPARE(b.frontend.defaults,
                 QList<core::Frontend::DefaultButton>{core::Frontend::DefaultButton::No});
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно"));
        QVERIFY(b.frontend.statuses.contains(QStringLiteral("Настройка прибора...")));
        QCOMPARE(b.frontend.maxima.last(), 61 + 6);
        QVERIFY(r.mismatches.empty());
        QCOMPARE(b.frontend.messages, QStringList());

        // The frames: permission, version, 16..69 one by one, the clock, the stamps, then the
        // read-back: 13..69 in frames of at most 15 bytes, the date and the clock.
        std::vector<std::pair<int, int>> expected = {{kReadMemory, 24}, {kReadMemory, 1261}};
        for (int a = 16; a <= 69; ++a)
            expected.push_back({kWriteSetting, a});
        expected.insert(expected.end(), {{kReadMemory, 1238},
                                         {kReadMemory, 1240},
                                         {kWriteMemory, 1238},
                                         {kWriteSetting, 13},
                                         {kWriteSetting, 14},
                                         {kWriteMemory, 1240},
                                         {kWriteSetting, 15},
                                         {kReadSettings, 13},
                                         {kReadSettings, 28},
                                         {kReadSettings, 43},
                                         {kReadSettings, 58},
                                         {kReadMemory, 1238},
                                         {kReadMemory, 1240}});
        const auto frames = b.branchFrames();
        QCOMPARE(int(frames.size()), 1 + 62 + 6);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            QCOMPARE(int(frames[i].command), expected[i].first);
            QCOMPARE(int(frames[i].address), expected[i].second);
        }
        QCOMPARE(frames[frames.size() - 3].count, 12);

        // The 54 bytes worked out from the form: D 1505, L 2504, angle 3025, cable 125; the
        // cutoff 0,5 m3/h = 138.889 cm3/s; pulse weight 2500; window 250.4 / 1.0 - 38 = 212
        // + 3; path delay (0.125 + 1.72 + 0.3) x 262144 = 562298; the constant; the section
        // 150.5^2 x pi / 4 / 100 = 177.895; the diametral path coefficient
        // 1.02 x 250.4^2 / 301 x 100000 = 21247230; K 1.02; C 4, B 3, A 2 (version 6 puts C
        // first); zero offset -1.25; the flags diametral, type 3, oil, 4 s.
        QCOMPARE(b.settingsBytes(16, 54).toHex(' '), hex("E105C809D10B7D00"
                                                         "468AE38E"
                                                         "C40900"
                                                         "D700"
                                                         "0008947A"
                                                         "00140000"
                                                         "46B1E508"
                                                         "57A21A7F"
                                                         "3F828F5C"
                                                         "41800000"
                                                         "40C00000"
                                                         "40800000"
                                                         "BFA00000"
                                                         "8B")
                                                         .toHex(' '));
        // The clock and the stamp of this write: day 5996 (6C 17), 07:45.
        QCOMPARE(b.memoryBytes(1238, 5).toHex(' '), hex("6C17072D00").toHex(' '));
        QCOMPARE(b.settingsBytes(13, 3).toHex(' '), hex("6C1707").toHex(' '));
    }

    // Setting bytes that the meter acknowledged and did not keep are named field by field, and
    // no archive is cleared after such a write, even with both boxes ticked.
    void droppedSettingBytesAreReported_data() {
        QTest::addColumn<QStringList>("dropped"); // setting addresses
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("diameter high byte")
            << QStringList{"17"}
            << QStringList{"Внутренний диаметр трубы, мм: в приборе 99,3, записано 150,5"};
        QTest::newRow("coefficient A and the flags")
            << QStringList{"61", "62", "63", "64", "69"}
            << QStringList{"тип врезки: в приборе ВТК-А (осевое), записано ВТК-Б (диаметральное)",
                           "датчики: в приборе тип 6, записано тип 3",
                           "Рабочая среда: в приборе вода, записано нефтепродукты",
                           "Период измерения, сек: в приборе 1, записано 4",
                           "Поправочный коэффициент A: в приборе 0,9923, записано 2,0000"};
        // The display rounds the difference away: the bytes tell the two apart.
        QTest::newRow("lowest byte of coefficient A")
            << QStringList{"64"}
            << QStringList{"Поправочный коэффициент A: в приборе 2,0000 [40 80 00 5F], записано "
                           "2,0000 [40 80 00 00]"};
        QTest::newRow("hour stamp")
            << QStringList{"15"}
            << QStringList{"Час последней записи настроек: в приборе 10, записано 7"};
    }

    void droppedSettingBytesAreReported() {
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, expected);
        sim::Options o = Bench::defaults();
        for (const QString& address : dropped)
            o.faults.push_back(sim::Fault::noStore(
                sim::Selector::all().onCommand(kWriteSetting).atAddress(address.toUShort())));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm form = writeForm();
        form.clearDaily = form.clearMinute = true;
        const settings::WriteResult r = b.write(form);
        QVERIFY(r.written);
        QCOMPARE(int(r.mismatches.size()), int(expected.size()));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено с ошибками"));
        QCOMPARE(b.frontend.messages,
                 QStringList{QStringLiteral("Ошибка: ") +
                             settings::texts::writeNotVerified(int(expected.size())) + '\r' +
                             expected.join(QLatin1Char('\r'))});
        for (const auto& f : b.transactions())
            QVERIFY(f.command != kWriteRecord);
    }

    // "Сравнить": the meter's settings against a form, nothing written.
    void compareWithTheForm_data() {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("equal") << "100,0" << QStringList();
        QTest::newRow("equal, written otherwise") << "100" << QStringList();
        QTest::newRow("diameter") << "150,5"
                                  << QStringList{"Внутренний диаметр трубы, мм: 100,0 -> 150,5"};
    }

    void compareWithTheForm() {
        QFETCH(QString, diameter);
        QFETCH(QStringList, expected);
        Bench b;
        QVERIFY(b.start());
        settings::SettingsForm form = b.read().form;
        form.diameter = diameter;
        settings::CompareResult r;
        b.run([&] { r = settings::compare(b.protocol, b.frontend, form, kRu); });
        QVERIFY(r.read);
        QStringList lines;
        for (const auto& d : r.differences)
            lines << settings::texts::differenceLine(d.label, d.meter, d.intended);
        QCOMPARE(lines, expected);
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно"));
        QCOMPARE(b.writeFrames(), 0);
    }

    void coefficientsFollowTheFirmware_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("at53");
        QTest::addColumn<QByteArray>("at61");
        QTest::newRow("version 5") << 5 << hex("40800000") << hex("41800000");
        QTest::newRow("version 6") << 6 << hex("41800000") << hex("40800000");
    }

    void coefficientsFollowTheFirmware() {
        QFETCH(int, version);
        QFETCH(QByteArray, at53);
        QFETCH(QByteArray, at61);
        Bench b(Bench::defaults(quint16(version)));
        QVERIFY(b.start());
        QCOMPARE(b.write(writeForm()).firmwareVersionByte, std::optional<quint8>(quint8(version)));
        QCOMPARE(b.settingsBytes(53, 4), at53);
        QCOMPARE(b.settingsBytes(61, 4), at61);
        // Read back with the same firmware, A and C are in their own fields again.
        const settings::SettingsForm f = b.read().form;
        QCOMPARE(f.a, QStringLiteral("2,0000"));
        QCOMPARE(f.c, QStringLiteral("4,0000"));
    }

    void refusalsSendNoWrite_data() {
        QTest::addColumn<int>("deviceState");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("permissionLost");
        QTest::addColumn<bool>("versionLost");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("question answered No") << 0x10 << false << false << false << "150"
                                              << "Ждите..."
                                              << "";
        QTest::newRow("changes not permitted") << 0xEF << true << false << false << "150"
                                               << "Программирование запрещено"
                                               << "";
        QTest::newRow("permission not read") << 0x10 << true << true << false << "150"
                                             << "Прибор не отвечает"
                                             << "";
        QTest::newRow("invalid form") << 0x10 << true << false << false << "abc"
                                      << "Настройки не записаны"
                                      << "Ошибка: Диаметр указан неверно\rabc - не число";
        QTest::newRow("version not read") << 0x10 << true << false << true << "150"
                                          << "Прибор не отвечает"
                                          << "";
    }

    void refusalsSendNoWrite() {
        QFETCH(int, deviceState);
        QFETCH(bool, answer);
        QFETCH(bool, permissionLost);
        QFETCH(bool, versionLost);
        QFETCH(QString, diameter);
        QFETCH(QString, status);
        QFETCH(QString, error);
        sim::Options o = Bench::defaults();
        o.contents.deviceState = quint8(deviceState);
        if (permissionLost)
            o.faults.push_back(
                sim::Fault::drop(sim::Selector::from(2).onCommand(kReadMemory).atAddress(24)));
        if (versionLost)
            o.faults.push_back(
                sim::Fault::drop(sim::Selector::all().onCommand(kReadMemory).atAddress(1261)));
        Bench b(o);
        QVERIFY(b.start());
        const QByteArray before = b.settingsBytes(0, 70);
        b.frontend.answer = answer;
        settings::SettingsForm form = writeForm();
        form.diameter = diameter;
        form.clearDaily = form.clearMinute = true;
        const settings::WriteResult r = b.write(form);
        QVERIFY(!r.written);
        QCOMPARE(b.frontend.status(), status);
        QCOMPARE(b.frontend.messages.join(QLatin1Char('\n')), error);
        QCOMPARE(b.writeFrames(), 0);
        QCOMPARE(b.settingsBytes(0, 70), before);
        if (!answer)
            QCOMPARE(int(b.branchFrames().size()), 0);
    }

    void clearingTheDailyArchive() {
        Bench b;
        QVERIFY(b.start());
        settings::SettingsForm form = writeForm();
        form.clearDaily = true;
        b.write(form);
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно"));
        QVERIFY(b.frontend.statuses.contains(QStringLiteral("Очистка суточного архива...")));
        QVERIFY(!b.frontend.statuses.contains(QStringLiteral("Очистка минутного архива...")));
        QCOMPARE(b.frontend.maxima.last(), 2 * 731 - 1); // the writes and their read-back
        std::vector<int> addresses;
        for (const auto& f : b.transactions()) {
            if (f.command == kWriteRecord) {
                addresses.push_back(f.address);
                QCOMPARE(f.data, QByteArray(8, '\0'));
            }
        }
        QCOMPARE(int(addresses.size()), 731);
        for (int i = 0; i < 731; ++i)
            QCOMPARE(addresses[std::size_t(i)], 8 * i);
        b.meter.withMeter([](sim::Meter& m) {
            QCOMPARE(m.read(sim::Space::Archive, 0, 5848), QByteArray(5848, '\0'));
            QVERIFY(m.read(sim::Space::Archive, 5848, 8) != QByteArray(8, '\0'));
        });
    }

    void clearingBothArchives() {
        Bench b;
        QVERIFY(b.start());
        settings::SettingsForm form = writeForm();
        form.clearDaily = form.clearMinute = true;
        b.write(form);
        QVERIFY2(b.frontend.status() == QStringLiteral("Завершено успешно"),
                 qPrintable(b.frontend.status() + '\n' + b.frontend.messages.join('\n')));
        QCOMPARE(b.frontend.maxima.last(), 2 * 7200 - 1);
        std::vector<int> addresses;
        for (const auto& f : b.transactions())
            if (f.command == kWriteRecord)
                addresses.push_back(f.address);
        QCOMPARE(int(addresses.size()), 731 + 7200);
        for (int i = 0; i < 7200; ++i)
            QCOMPARE(addresses[std::size_t(731 + i)], 5848 + 8 * i);
        b.meter.withMeter([](sim::Meter& m) {
            QCOMPARE(m.read(sim::Space::Archive, 0, 63448), QByteArray(63448, '\0'));
        });
    }

    void anErrorInTheDailyClearingSkipsTheMinuteOne() {
        sim::Options o = Bench::defaults();
        o.faults.push_back(
            sim::Fault::drop(sim::Selector::all().onCommand(kWriteRecord).atAddress(800)));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm form = writeForm();
        form.clearDaily = form.clearMinute = true;
        b.write(form);
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено с ошибками"));
        int records = 0;
        int attemptsAt800 = 0;
        for (const auto& f : b.transactions()) {
            if (f.command == kWriteRecord) {
                ++records;
                attemptsAt800 += f.address == 800;
                QVERIFY(f.address <= 5840);
            }
        }
        QCOMPARE(attemptsAt800, 3); // the failed record took three attempts
        QCOMPARE(records, 731 + 2);
        QVERIFY(!b.frontend.statuses.contains(QStringLiteral("Очистка минутного архива...")));
    }

    void archiveStateDecidesTheClearing_data() {
        QTest::addColumn<int>("deviceState");
        QTest::addColumn<bool>("stateLost");
        QTest::addColumn<QString>("status");
        QTest::newRow("archive not available")
            << 0x14 << false << "Архив прибора недоступен, очистка не выполнена";
        QTest::newRow("state not read") << 0x10 << true << "Завершено с ошибками";
    }

    void archiveStateDecidesTheClearing() {
        QFETCH(int, deviceState);
        QFETCH(bool, stateLost);
        QFETCH(QString, status);
        sim::Options o = Bench::defaults();
        o.contents.deviceState = quint8(deviceState);
        if (stateLost) // the second read of the device state, after the settings went in
            o.faults.push_back(
                sim::Fault::drop(sim::Selector::from(4).onCommand(kReadMemory).atAddress(24)));
        Bench b(o);
        QVERIFY(b.start());
        settings::SettingsForm form = writeForm();
        form.clearDaily = form.clearMinute = true;
        QVERIFY(b.write(form).written);
        QCOMPARE(b.frontend.status(), status);
        for (const auto& f : b.transactions())
            QVERIFY(f.command != kWriteRecord);
    }

    void clearingTheTotals() {
        Bench b;
        QVERIFY(b.start());
        const QByteArray clockBefore = b.memoryBytes(1238, 5);
        bool asked = false;
        int reached = 0;
        b.run([&] {
            asked = actions::totals::clear(b.protocol, b.frontend).kind !=
                    core::Outcome::Kind::Declined;
            reached = b.frontend.progressPosition;
        });
        QVERIFY(asked);
        QCOMPARE(b.frontend.questions,
                 QStringList{QStringLiteral(
                     "Внимание: Вы действительно хотите очистить значения\rобъёма жидкости, "
                     "времени наработки и\rвремени простоя прибора?")});
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно"));
        QVERIFY(b.frontend.statuses.contains(QStringLiteral("Очистка накопления...")));
        QCOMPARE(b.frontend.maxima.last(), 28);
        QCOMPARE(reached, 28);

        std::vector<std::pair<int, int>> expected = {{kReadMemory, 24}};
        for (int a = 0; a <= 12; ++a)
            expected.push_back({kWriteSetting, a});
        expected.insert(expected.end(), {{kWriteMemory, 1224},
                                         {kWriteMemory, 1230},
                                         {kWriteMemory, 1243},
                                         {kWriteMemory, 1246},
                                         {kWriteMemory, 1252},
                                         {kWriteMemory, 1255}});
        // Then what they zeroed is read back.
        for (int a : {0, 4, 8, 12})
            expected.push_back({kReadSettings, a});
        for (int a : {1224, 1230, 1243, 1246, 1252, 1255})
            expected.push_back({kReadMemory, a});
        const auto frames = b.branchFrames();
        QCOMPARE(int(frames.size()), int(expected.size()));
        const int counts[] = {6, 8, 3, 6, 3, 6};
        for (std::size_t i = 0; i < frames.size(); ++i) {
            QCOMPARE(int(frames[i].command), expected[i].first);
            QCOMPARE(int(frames[i].address), expected[i].second);
            if (frames[i].command == kWriteSetting)
                QCOMPARE(frames[i].raw.at(1), char(0));
            if (frames[i].command == kWriteMemory)
                QCOMPARE(frames[i].data, QByteArray(counts[i - 14], '\0'));
            if (i >= 20 && frames[i].command == kReadMemory)
                QCOMPARE(int(frames[i].count), counts[i - 24]);
        }
        QCOMPARE(b.settingsBytes(0, 13), QByteArray(13, '\0'));
        QCOMPARE(b.memoryBytes(1224, 14), QByteArray(14, '\0'));
        QCOMPARE(b.memoryBytes(1243, 18), QByteArray(18, '\0'));
        QCOMPARE(b.memoryBytes(1238, 5), clockBefore);

        // The Info tab then shows nothing accumulated.
        RecordingFrontend infoFrontend;
        core::Session infoSession(infoFrontend);
        actions::info::Values values;
        actions::Connection(infoSession)
            .run(line::LinkTarget::serialPort(b.meter.ptyPath() + QStringLiteral(" ")), [&] {
                values = actions::info::read(infoSession.protocol(), infoFrontend, kRu);
                return values.outcome;
            });
        QCOMPARE(values.text[actions::info::kVolume], QStringLiteral("0,000"));
        QCOMPARE(values.text[actions::info::kOperatingHours], QStringLiteral("0,0"));
        QCOMPARE(values.text[actions::info::kIdleHours], QStringLiteral("0,0"));
    }

    void totalsRefusals_data() {
        QTest::addColumn<int>("deviceState");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("permissionLost");
        QTest::addColumn<QString>("status");
        QTest::newRow("No") << 0x10 << false << false << "Ждите...";
        QTest::newRow("0xEF") << 0xEF << true << false << "Очистка запрещена";
        QTest::newRow("permission not read") << 0x10 << true << true << "Прибор не отвечает";
    }

    void totalsRefusals() {
        QFETCH(int, deviceState);
        QFETCH(bool, answer);
        QFETCH(bool, permissionLost);
        QFETCH(QString, status);
        sim::Options o = Bench::defaults();
        o.contents.deviceState = quint8(deviceState);
        if (permissionLost)
            o.faults.push_back(sim::Fault::drop(sim::Selector::from(2)));
        Bench b(o);
        QVERIFY(b.start());
        const QByteArray volume = b.memoryBytes(1224, 14);
        b.frontend.answer = answer;
        b.run([&] { actions::totals::clear(b.protocol, b.frontend); });
        QCOMPARE(b.frontend.status(), status);
        QCOMPARE(b.writeFrames(), 0);
        QCOMPARE(b.memoryBytes(1224, 14), volume);
    }

    void totalsWithASilentMeter() {
        sim::Options o = Bench::defaults();
        o.faults.push_back(sim::Fault::drop(sim::Selector::from(3)));
        Bench b(o);
        QVERIFY(b.start());
        int reached = 0;
        b.run([&] {
            actions::totals::clear(b.protocol, b.frontend);
            reached = b.frontend.progressPosition;
        });
        QCOMPARE(b.frontend.status(), QStringLiteral("Прибор не отвечает"));
        QCOMPARE(reached, 19); // no read-back after writes that failed
        // Every one of the 19 was tried, three times.
        QCOMPARE(int(b.branchFrames().size()), 1 + 19 * 3);
    }
};

QTEST_GUILESS_MAIN(SettingsMeterTest)
#include "test_settings_meter.moc"
