// The chart's data drawn from the archive buffer: points oldest first, gaps where entries are
// absent or unreadable, event marks, the minute flow.

#include "archive/ArchiveSeries.h"
#include "tests/support/ArchiveRecords.h"

#include <QDateTime>
#include <QtTest>

using namespace archive;
using namespace test_records;

class ArchiveSeriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The time axis' marks: whole steps of the local day, never more than asked for.
    void timeTicks_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<QStringList>("labels");
        const QDate d(2026, 12, 8);
        QTest::newRow("minute, half an hour")
            << Kind::Minute << QDateTime(d, QTime(10, 0)) << QDateTime(d, QTime(10, 30)) << 7
            << QStringList{"08.12.26 10:00", "08.12.26 10:05", "08.12.26 10:10",
                           "08.12.26 10:15", "08.12.26 10:20", "08.12.26 10:25"};
        QTest::newRow("minute, across midnight")
            << Kind::Minute << QDateTime(d, QTime(22, 59, 30))
            << QDateTime(d.addDays(1), QTime(1, 0)) << 5
            << QStringList{"08.12.26 23:00", "08.12.26 23:30", "09.12.26 00:00", "09.12.26 00:30"};
        QTest::newRow("daily, from midday")
            << Kind::Daily << QDateTime(d, QTime(12, 0)) << QDateTime(d.addDays(2), QTime(0, 0))
            << 5 << QStringList{"09.12.26"};
        QStringList everyThird;
        for (int i = 0; i < 30; i += 3)
            everyThird << d.addDays(i - 29).toString("dd.MM.yy");
        QTest::newRow("daily, thirty days")
            << Kind::Daily << QDateTime(d.addDays(-29), QTime(0, 0))
            << QDateTime(d.addDays(1), QTime(0, 0)) << 10 << everyThird;
    }
    void timeTicks() {
        QFETCH(Kind, kind);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(int, maxTicks);
        QFETCH(QStringList, labels);
        const std::vector<TimeTick> ticks = archive::timeTicks(
            kind, from.toMSecsSinceEpoch(), to.toMSecsSinceEpoch(), maxTicks, QLocale());
        QStringList shown;
        for (const TimeTick& t : ticks) {
            shown << t.label;
            const QString format = kind == Kind::Daily ? "dd.MM.yy" : "dd.MM.yy HH:mm";
            QCOMPARE(QDateTime::fromMSecsSinceEpoch(t.ms).toString(format), t.label);
        }
        QCOMPARE(shown, labels);
    }

    void series_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("firstStamp");
        QTest::addColumn<QString>("lastStamp");
        QTest::addColumn<QString>("title");
        QTest::newRow("daily") << Kind::Daily << "2008-02-29T00:00:00"
                               << "2008-03-05T00:00:00"
                               << "Суточный архив с 29.02.2008 по 05.03.2008";
        // Six minutes back from 00:02 cross midnight.
        QTest::newRow("minute") << Kind::Minute << "2008-03-04T23:57:00"
                                << "2008-03-05T00:02:00"
                                << "Минутный архив с 04.03.2008 по 05.03.2008";
    }
    void series() {
        QFETCH(Kind, kind);
        QFETCH(QString, firstStamp);
        QFETCH(QString, lastStamp);
        QFETCH(QString, title);
        // Newest first: present with two events, absent, a transfer error, present, absent,
        // present with programming mode only.
        const std::vector<Record> entries{present(3906, 90, 0x08 | 0x10),
                                          Record{},
                                          unreadable(),
                                          present(1000, 1800),
                                          Record{},
                                          present(1, 60, 0x20)};
        Archives a;
        std::vector<Record>& buffer = kind == Kind::Daily ? a.daily.entries : a.minute.entries;
        std::copy(entries.begin(), entries.end(), buffer.begin());
        a.daily.summary = {6, day(2008, 3, 5), 0, 0};
        a.minute.summary = {6, day(2008, 3, 5), 0, 2, 0, 0};

        const ArchiveSeries s = archiveSeries(kind, a);
        QCOMPARE(s.stamps.size(), std::size_t(6));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(s.stamps.front()).toString(Qt::ISODate),
                 firstStamp);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(s.stamps.back()).toString(Qt::ISODate), lastStamp);
        QCOMPARE(s.title, title);
        // Points oldest first: entry 5 is point 0.
        const std::vector<bool> present{true, false, true, false, false, true};
        for (std::size_t p = 0; p < 6; ++p) {
            QCOMPARE(s.volume[p].has_value(), bool(present[p]));
            QCOMPARE(s.second[p].has_value(), bool(present[p]));
        }
        QCOMPARE(*s.volume[5], 3906 * 0.000256);
        const double second = kind == Kind::Daily ? 90 / 1800.0 : 3906 * 0.000256 * 60;
        QCOMPARE(*s.second[5], second);
        // Marks: programming mode (point 0), the transfer error (point 3), two events (point 5).
        QCOMPARE(s.marks.size(), std::size_t(3));
        QCOMPARE(s.marks[0].point, 0);
        QCOMPARE(s.marks[0].texts.size(), 1);
        QCOMPARE(s.marks[1].point, 3);
        QCOMPARE(s.marks[1].texts, QStringList{"Ошибка при передаче данных"});
        QCOMPARE(s.marks[2].point, 5);
        QCOMPARE(s.marks[2].texts.size(), 2);
        QVERIFY(!s.marks[2].texts[0].startsWith(' '));
        const auto runs = presentRuns(s.volume);
        QCOMPARE(runs, (std::vector<std::pair<int, int>>{{0, 0}, {2, 2}, {5, 5}}));
    }

    void runs_data() {
        QTest::addColumn<QString>("pattern"); // x present, . absent
        QTest::addColumn<QString>("runs");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("all absent") << "..."
                                    << "";
        QTest::newRow("all present") << "xxxx"
                                     << "0-3";
        QTest::newRow("gap inside") << "xx.xxx"
                                    << "0-1 3-5";
        QTest::newRow("gaps at ends") << ".x..x."
                                      << "1-1 4-4";
    }
    void runs() {
        QFETCH(QString, pattern);
        QFETCH(QString, runs);
        std::vector<std::optional<double>> values;
        for (const QChar c : pattern)
            values.push_back(c == 'x' ? std::optional<double>(1.0) : std::nullopt);
        QStringList got;
        for (const auto& [a, b] : presentRuns(values))
            got << QStringLiteral("%1-%2").arg(a).arg(b);
        QCOMPARE(got.join(' '), runs);
    }

    void neverRead() {
        const ArchiveSeries s = archiveSeries(Kind::Minute, Archives());
        QVERIFY(s.stamps.empty() && s.marks.empty() && s.title.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ArchiveSeriesTest)
#include "test_archive_series.moc"
