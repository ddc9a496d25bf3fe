// The archive sub-tabs' charts: the switch between report and chart after a readout, the
// series of a known readout (points, gaps, event marks), saving as PNG.

#include "app/ArchiveChartPanel.h"
#include "app/ProU.h"
#include "sim/Sim.h"
#include "tests/support/ArchiveRecords.h"
#include "tests/support/Controls.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QImage>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

using namespace archive;
using charts::ArchiveChart;
using namespace test_records;

namespace {

template <typename S>
QList<S*> seriesOf(const ArchiveChart& chart) {
    QList<S*> out;
    for (QAbstractSeries* s : chart.chart()->series()) {
        if (auto* typed = qobject_cast<S*>(s))
            out << typed;
    }
    return out;
}

int linePoints(const ArchiveChart& chart) {
    int n = 0;
    for (QLineSeries* s : seriesOf<QLineSeries>(chart)) {
        if (!qobject_cast<QScatterSeries*>(s))
            n += int(s->count());
    }
    return n;
}

QList<QLineSeries*> lines(const ArchiveChart& chart) {
    QList<QLineSeries*> out;
    for (QLineSeries* s : seriesOf<QLineSeries>(chart)) {
        if (!qobject_cast<QScatterSeries*>(s))
            out << s;
    }
    return out;
}

} // namespace

class WindowChartTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // "Читать", then the switch shows the chart of that readout and back the report.
    void switchAfterReadout_data() {
        QTest::addColumn<int>("subTab");
        QTest::addColumn<QString>("memo");
        QTest::newRow("daily") << 0 << "Memo2";
        QTest::newRow("minute") << 1 << "Memo3";
    }
    void switchAfterReadout() {
        QFETCH(int, subTab);
        QFETCH(QString, memo);
        const QDate today(2015, 3, 15);
        sim::Options o;
        o.contents.date = today;
        o.contents.hour = 0;
        o.contents.minute = 29;
        sim::Server meter(o);
        QVERIFY(meter.start());
        TForm1 w;
        w.selectPipe(meter.pipeName());
        w.show();
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        child<QTabWidget>(w, "PageControl2")->setCurrentIndex(subTab);
        child<QDateEdit>(w, "DateTimePicker2")->setDate(today.addDays(subTab == 0 ? -9 : 0));
        child<QDateEdit>(w, "DateTimePicker3")->setDate(today);
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(!child<QPlainTextEdit>(w, qPrintable(memo))->toPlainText().isEmpty());

        auto* stack = child<QStackedWidget>(w, qPrintable(memo + "Stack"));
        auto* toggle = child<QToolButton>(w, qPrintable(memo + "ChartButton"));
        QCOMPARE(stack->currentWidget()->objectName(), memo);
        toggle->click();
        auto* chart = qobject_cast<ArchiveChart*>(stack->currentWidget());
        QVERIFY(chart);
        QVERIFY(child<QToolButton>(w, qPrintable(memo + "PngButton"))->isEnabled());
        // One point per readable present entry of the readout.
        const int entries = subTab == 0 ? 10 : 30;
        QVERIFY(linePoints(*chart) > 0 && linePoints(*chart) <= entries);
        QVERIFY(chart->chart()->title().startsWith(subTab == 0 ? "Суточный" : "Минутный"));
        // A readout while the chart is shown draws it again: daily one day, minute the whole
        // day before.
        const int before = linePoints(*chart);
        const QDate day = subTab == 0 ? today : today.addDays(-1);
        child<QDateEdit>(w, "DateTimePicker2")->setDate(day);
        child<QDateEdit>(w, "DateTimePicker3")->setDate(day);
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(linePoints(*chart) != before);
        QVERIFY(linePoints(*chart) <= (subTab == 0 ? 1 : 1440));
        toggle->click();
        QCOMPARE(stack->currentWidget()->objectName(), memo);
        QVERIFY(!child<QToolButton>(w, qPrintable(memo + "PngButton"))->isEnabled());
    }

    // Newest first: present, absent, a transfer error, present, present with events.
    void knownReadout_data() {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("daily") << Kind::Daily;
        QTest::newRow("minute") << Kind::Minute;
    }
    void knownReadout() {
        QFETCH(Kind, kind);
        Archives a;
        auto& buffer = kind == Kind::Daily ? a.daily.entries : a.minute.entries;
        buffer[0] = present(3906, 1800);
        buffer[2] = unreadable();
        buffer[3] = present(1000, 60);
        buffer[4] = present(10, 60, 0x01);
        a.daily.summary = {5, day(2008, 3, 5), 0, 0};
        a.minute.summary = {5, day(2008, 3, 5), 10, 0, 0, 0};
        ArchiveChart chart(kind, a);
        chart.resize(800, 500);
        // Two runs of present values: entries 4-3 (oldest) and entry 0; the absent entry 1 and
        // the transfer error 2 are the gap between them.
        const QList<QLineSeries*> runs = lines(chart);
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs[0]->count(), 2);
        QCOMPARE(runs[1]->count(), 1);
        QVERIFY(runs[0]->at(1).x() < runs[1]->at(0).x());
        const double step = kind == Kind::Daily ? 86400e3 : 60e3;
        QCOMPARE(runs[1]->at(0).x() - runs[0]->at(1).x(), 3 * step);
        // Bars: four corners per present day.
        const auto bars = seriesOf<QAreaSeries>(chart);
        QCOMPARE(bars.size(), kind == Kind::Daily ? 1 : 0);
        if (!bars.isEmpty())
            QCOMPARE(bars[0]->upperSeries()->count(), 4 * 3);
        // Marks: the meter fault and the transfer error.
        const auto marks = seriesOf<QScatterSeries>(chart);
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0]->count(), 2);

        // A readout of the other archive leaves this chart's data alone; a new one of the same
        // archive is drawn on refresh.
        buffer[1] = present(5, 5);
        chart.refresh();
        QCOMPARE(lines(chart).size(), 2);
        QCOMPARE(linePoints(chart), 4);
    }

    // The daily time axis read from its objects: marks at midnights labelled with their dates,
    // the first one the first day read, each bar in the middle of its day; zooming keeps the
    // marks at midnight and the value axis from zero.
    void dailyTimeAxis_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("firstLabel");
        QTest::newRow("one day") << 1 << "08.12.26";
        QTest::newRow("thirty days") << 30 << "09.11.26";
    }
    void dailyTimeAxis() {
        QFETCH(int, days);
        QFETCH(QString, firstLabel);
        Archives a;
        for (int i = 0; i < days; ++i)
            a.daily.entries[std::size_t(i)] = present(108500 + 1000 * i, 1800 * (i % 24));
        a.daily.summary = {quint16(days), day(2026, 12, 8), 0, 0};
        ArchiveChart chart(Kind::Daily, a);
        chart.resize(800, 500);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QDateTime firstDay(QDate(2026, 12, 9).addDays(-days), QTime(0, 0));
        // The marks' labels; what is wrong with them goes to `problem`.
        QString problem;
        auto checkMarks = [&] {
            QCategoryAxis* t = chart.timeAxis();
            const QStringList labels = t->categoriesLabels();
            if (labels.isEmpty() || labels.size() > 12)
                problem += QStringLiteral("%1 marks; ").arg(labels.size());
            qint64 previous = 0;
            for (const QString& label : labels) {
                const QDateTime at = QDateTime::fromMSecsSinceEpoch(qint64(t->endValue(label)));
                if (at.time() != QTime(0, 0) || at.toString("dd.MM.yy") != label ||
                    t->endValue(label) < t->min() || t->endValue(label) >= t->max() ||
                    at.toMSecsSinceEpoch() <= previous)
                    problem += label + " at " + at.toString(Qt::ISODate) + "; ";
                previous = at.toMSecsSinceEpoch();
            }
            return labels;
        };
        const QStringList labels = checkMarks();
        QCOMPARE(problem, QString());
        QCOMPARE(labels.value(0), firstLabel);
        QCOMPARE(chart.timeAxis()->min(), double(firstDay.toMSecsSinceEpoch()));
        QCOMPARE(chart.timeAxis()->max(),
                 double(QDateTime(QDate(2026, 12, 9), QTime(0, 0)).toMSecsSinceEpoch()));
        // Each bar's middle is noon of its day.
        QAreaSeries* bars = seriesOf<QAreaSeries>(chart).value(0);
        QVERIFY(bars);
        QCOMPARE(bars->upperSeries()->count(), 4 * days);
        for (int i = 0; i < days; ++i) {
            const double middle =
                (bars->upperSeries()->at(4 * i).x() + bars->upperSeries()->at(4 * i + 3).x()) / 2;
            QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(middle)),
                     QDateTime(firstDay.date().addDays(i), QTime(12, 0)));
        }
        // The working time is visible even as a single value.
        for (QLineSeries* line : lines(chart))
            QVERIFY(line->pointsVisible());

        auto* volume = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).value(0));
        QVERIFY(volume);
        const double top = volume->max();
        QCOMPARE(volume->min(), 0.0);
        chart.zoomTime(days > 1 ? 3 : 1.5, 0.5);
        checkMarks();
        QCOMPARE(problem, QString());
        QCOMPARE(volume->min(), 0.0);
        // A rubber band over part of the plot: the volumes still start at zero.
        chart.chart()->zoomIn(
            QRectF(chart.chart()->plotArea().center() - QPointF(60, 30), QSizeF(120, 60)));
        QCOMPARE(volume->min(), 0.0);
        QCOMPARE(volume->max(), top);
        chart.resetZoom();
        QCOMPARE(checkMarks(), labels);
    }

    void savesPng() {
        Archives a;
        a.minute.entries[0] = present(3906, 60);
        a.minute.summary = {1, day(2008, 3, 5), 10, 0, 0, 0};
        ArchiveChart chart(Kind::Minute, a);
        chart.resize(640, 400);
        chart.show();
        const QString file = dir.filePath("chart.png");
        QCOMPARE(chart.savePng(file), QString());
        QImage image(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), chart.view()->size());
        // A folder that does not exist: a message, no file.
        const QString missing = dir.filePath("no/such/chart.png");
        QVERIFY(chart.savePng(missing).startsWith("Не удаётся записать файл " + missing));
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_MAIN(WindowChartTest)
#include "test_window_chart.moc"
