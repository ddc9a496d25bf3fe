#include "app/ArchiveChart.h"

#include "archive/ArchiveSeries.h"
#include "archive/ArchiveTexts.h"
#include "core/Texts.h"
#include "device/FileSave.h"

#include <QAreaSeries>
#include <QBoxLayout>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QToolButton>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

namespace {

constexpr qint64 kMsPerDay = 24 * 3600 * 1000;
constexpr double kBarWidth = 0.7; // of a day
constexpr double kWheelZoomStep = 1.25;

QString stampText(qint64 ms, archive::Kind kind) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms);
    const QLocale locale;
    return kind == archive::Kind::Daily
               ? locale.toString(t.date(), QLocale::ShortFormat)
               : locale.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                     t.time().toString(QStringLiteral("HH:mm"));
}

// The wheel zooms around the pointer's position; a double-click shows everything again.
class ZoomingView : public QChartView {
public:
    using QChartView::QChartView;

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (!chart() || event->angleDelta().y() == 0)
            return;
        const double factor = event->angleDelta().y() > 0 ? kWheelZoomStep : 1 / kWheelZoomStep;
        const QRectF area = chart()->plotArea();
        const QPointF at = event->position();
        // Scale the plot area around the pointer.
        QRectF r(at.x() - (at.x() - area.left()) / factor, area.top(), area.width() / factor,
                 area.height());
        chart()->zoomIn(r);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (chart())
            chart()->zoomReset();
        event->accept();
    }
};

QValueAxis* valueAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    return axis;
}

std::pair<double, double> rangeOf(const std::vector<std::optional<double>>& values) {
    double high = 0;
    for (const auto& v : values) {
        if (v)
            high = std::max(high, *v);
    }
    return {0, high > 0 ? high * 1.1 : 1};
}

} // namespace

ArchiveChart::ArchiveChart(archive::Kind kind, const archive::Archives& archives, QWidget* parent)
    : QWidget(parent), kind_(kind), archives_(archives), view_(new ZoomingView(new QChart, this)) {
    setObjectName(kind == archive::Kind::Daily ? QStringLiteral("DailyChart")
                                               : QStringLiteral("MinuteChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setRenderHint(QPainter::Antialiasing, false);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setRubberBand(QChartView::RectangleRubberBand);
    view_->chart()->setAnimationOptions(QChart::NoAnimation);
    refresh();
}

QChart* ArchiveChart::chart() const { return view_->chart(); }

void ArchiveChart::refresh() {
    series_ = archive::archiveSeries(kind_, archives_);
    const archive::ArchiveSeries& s = series_;
    const bool daily = kind_ == archive::Kind::Daily;
    QChart* c = view_->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis), delete axis;
    c->setTitle(s.title.isEmpty() ? QCoreApplication::translate("ArchiveChart", "Архив не прочитан")
                                  : s.title);
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);

    auto* time = new QDateTimeAxis;
    time->setFormat(daily ? QStringLiteral("dd.MM.yy") : QStringLiteral("dd.MM HH:mm"));
    c->addAxis(time, Qt::AlignBottom);
    // Short unit titles: the legend names the quantities, and the window may be small.
    auto* left = valueAxis(QCoreApplication::translate("ArchiveChart", "м3"));
    auto* right = valueAxis(daily ? QCoreApplication::translate("ArchiveChart", "ч")
                                  : QCoreApplication::translate("ArchiveChart", "м3/ч"));
    c->addAxis(left, Qt::AlignLeft);
    c->addAxis(right, Qt::AlignRight);
    right->setGridLineVisible(false);

    const auto [lowV, highV] = rangeOf(s.volume);
    left->setRange(lowV, highV);
    left->applyNiceNumbers();
    if (daily) {
        right->setRange(0, 24);
        right->setTickCount(5);
    } else {
        // The flow axis says the same curve in m3/h.
        right->setRange(left->min() * 60, left->max() * 60);
        connect(left, &QValueAxis::rangeChanged, right,
                [right](qreal min, qreal max) { right->setRange(min * 60, max * 60); });
    }
    const qint64 pad = daily ? kMsPerDay / 2 : 30 * 1000;
    if (!s.stamps.empty()) {
        time->setRange(QDateTime::fromMSecsSinceEpoch(s.stamps.front() - pad),
                       QDateTime::fromMSecsSinceEpoch(s.stamps.back() + pad));
    }

    const QColor volumeColour(0x2f, 0x6f, 0xb0);
    // Hovering shows the values of the entry nearest to the pointer.
    auto showValue = [this](const QPointF& p, bool state) {
        if (!state) {
            QToolTip::hideText();
            return;
        }
        const QString text = valuesAt(p.x());
        if (!text.isEmpty())
            QToolTip::showText(QCursor::pos(), text, view_);
    };

    if (daily) {
        // One bar per day: the outline of every bar in one filled area.
        auto* upper = new QLineSeries;
        QList<QPointF> points;
        const double half = kBarWidth / 2 * kMsPerDay;
        for (std::size_t i = 0; i < s.stamps.size(); ++i) {
            if (!s.volume[i])
                continue;
            const double x = double(s.stamps[i]);
            points << QPointF(x - half, 0) << QPointF(x - half, *s.volume[i])
                   << QPointF(x + half, *s.volume[i]) << QPointF(x + half, 0);
        }
        upper->replace(points);
        auto* bars = new QAreaSeries(upper);
        // An area series does not own its outline; the outline goes with the bars.
        upper->setParent(bars);
        bars->setObjectName(QStringLiteral("volume"));
        bars->setName(QCoreApplication::translate("ArchiveChart", "Объём, м3"));
        bars->setColor(volumeColour);
        bars->setBorderColor(volumeColour.darker());
        c->addSeries(bars);
        bars->attachAxis(time);
        bars->attachAxis(left);
        connect(bars, &QAreaSeries::hovered, this, showValue);
    }

    // The lines: one series per run of present entries, so a gap stays a gap.
    const auto& lineValues = daily ? s.second : s.volume;
    const QString lineName =
        daily ? QCoreApplication::translate("ArchiveChart", "Время работы, ч")
              : QCoreApplication::translate("ArchiveChart",
                                            "Объём за минуту, м3 (справа: расход, м3/ч)");
    bool first = true;
    for (const auto& [from, to] : archive::presentRuns(lineValues)) {
        auto* line = new QLineSeries;
        line->setObjectName(QStringLiteral("line"));
        line->setName(lineName);
        line->setColor(daily ? QColor(0xd0, 0x60, 0x10) : volumeColour);
        QList<QPointF> points;
        points.reserve(to - from + 1);
        for (int i = from; i <= to; ++i)
            points << QPointF(double(s.stamps[std::size_t(i)]), *lineValues[std::size_t(i)]);
        line->replace(points);
        c->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(daily ? right : left);
        if (!first) {
            // One legend entry for all runs.
            const auto markers = c->legend()->markers(line);
            for (auto* m : markers)
                m->setVisible(false);
        }
        first = false;
        connect(line, &QLineSeries::hovered, this, showValue);
    }

    // Event markers along the top of the plot, their texts as tooltips.
    if (!s.marks.empty()) {
        auto* marks = new QScatterSeries;
        marks->setObjectName(QStringLiteral("events"));
        marks->setName(QCoreApplication::translate("ArchiveChart", "События"));
        marks->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
        marks->setMarkerSize(10);
        marks->setColor(QColor(0xc0, 0x20, 0x20));
        QList<QPointF> points;
        for (const archive::ChartMark& m : s.marks)
            points << QPointF(double(s.stamps[std::size_t(m.point)]), left->max() * 0.97);
        marks->replace(points);
        c->addSeries(marks);
        marks->attachAxis(time);
        marks->attachAxis(left);
        // The tooltip lists the events with the entry's values.
        connect(marks, &QScatterSeries::hovered, this, showValue);
    }
}

QString ArchiveChart::valuesAt(double x) const {
    const archive::ArchiveSeries& s = series_;
    if (s.stamps.empty())
        return {};
    // The nearest entry.
    const auto it = std::lower_bound(s.stamps.begin(), s.stamps.end(), qint64(x));
    std::size_t i = std::size_t(it - s.stamps.begin());
    if (i == s.stamps.size() || (i > 0 && x - double(s.stamps[i - 1]) < double(*it) - x))
        --i;
    const bool daily = kind_ == archive::Kind::Daily;
    const QLocale locale;
    QString text = stampText(s.stamps[i], kind_);
    if (s.volume[i]) {
        text += QLatin1Char('\n') +
                (daily ? QCoreApplication::translate("ArchiveChart", "Объём, м3")
                       : QCoreApplication::translate("ArchiveChart", "Объём за минуту, м3")) +
                QLatin1String(": ") + locale.toString(*s.volume[i], 'f', daily ? 3 : 6);
        text += QLatin1Char('\n') +
                (daily ? QCoreApplication::translate("ArchiveChart", "Время работы, ч")
                       : QCoreApplication::translate("ArchiveChart", "Расход, м3/ч")) +
                QLatin1String(": ") + locale.toString(*s.second[i], 'f', daily ? 1 : 3);
    }
    for (const archive::ChartMark& m : s.marks) {
        if (m.point == int(i))
            text += QLatin1Char('\n') + m.texts.join(QLatin1Char('\n'));
    }
    return text;
}

QString ArchiveChart::savePng(const QString& fileName) {
    const QPixmap picture = view_->grab();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!picture.save(&buffer, "PNG") || !device::saveFileSafely(fileName, bytes, &reason))
        return archive::texts::cannotWriteFile(fileName, reason);
    return {};
}

ArchiveChart* addArchiveChart(QPlainTextEdit* memo, archive::Kind kind,
                              const archive::Archives& archives) {
    QWidget* page = memo->parentWidget();
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    auto* stack = new QStackedWidget(page);
    auto* chart = new ArchiveChart(kind, archives, stack);
    const int at = layout->indexOf(memo);
    layout->removeWidget(memo);
    stack->addWidget(memo);
    stack->addWidget(chart);
    stack->setObjectName(memo->objectName() + QStringLiteral("Stack"));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 2, 2, 2);
    auto* toggle = new QToolButton(page);
    toggle->setObjectName(memo->objectName() + QStringLiteral("ChartButton"));
    toggle->setText(QCoreApplication::translate("ArchiveChart", "График"));
    toggle->setCheckable(true);
    auto* save = new QToolButton(page);
    save->setObjectName(memo->objectName() + QStringLiteral("PngButton"));
    save->setText(QCoreApplication::translate("ArchiveChart", "Сохранить PNG..."));
    save->setEnabled(false);
    bar->addWidget(toggle);
    bar->addWidget(save);
    bar->addStretch();
    layout->insertLayout(at, bar);
    layout->insertWidget(at + 1, stack, 1);

    QObject::connect(toggle, &QToolButton::toggled, stack, [=](bool on) {
        if (on)
            chart->refresh();
        stack->setCurrentIndex(on ? 1 : 0);
        toggle->setText(on ? QCoreApplication::translate("ArchiveChart", "Отчёт")
                           : QCoreApplication::translate("ArchiveChart", "График"));
        save->setEnabled(on);
    });
    QObject::connect(save, &QToolButton::clicked, chart, [chart] {
        const QString name = QFileDialog::getSaveFileName(
            chart, QCoreApplication::translate("ArchiveChart", "Сохранить график"), QString(),
            QCoreApplication::translate("ArchiveChart", "рисунок PNG (*.png)"), nullptr,
            QFileDialog::DontUseNativeDialog);
        if (name.isEmpty())
            return;
        const QString file = name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".png");
        const QString error = chart->savePng(file);
        if (!error.isEmpty()) {
            QMessageBox::critical(chart, core::texts::errorCaption(),
                                  QString(error).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        }
    });
    return chart;
}
