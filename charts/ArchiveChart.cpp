#include "charts/ArchiveChart.h"

#include "archive/ArchiveSeries.h"
#include "archive/ArchiveTexts.h"
#include "core/Texts.h"
#include "device/FileSave.h"

#include <QAreaSeries>
#include <QBoxLayout>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTime>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace charts {

namespace {

constexpr qint64 kMsPerDay = 24 * 3600 * 1000;
constexpr double kBarWidth = 0.7; // of a day
constexpr double kWheelZoomStep = 1.25;
// The room a time label needs, in pixels: a date, or a date and a time.
constexpr int kDailyLabelWidth = 64;
constexpr int kMinuteLabelWidth = 96;

QString stampText(qint64 ms, archive::Kind kind) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms);
    const QLocale locale;
    return kind == archive::Kind::Daily
               ? locale.toString(t.date(), QLocale::ShortFormat)
               : locale.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                     t.time().toString(QStringLiteral("HH:mm"));
}

// The wheel zooms the time around the pointer's position; a double-click shows everything
// again.
class ZoomingView : public QChartView {
public:
    ZoomingView(QChart* chart, ArchiveChart* owner) : QChartView(chart, owner), owner_(owner) {}

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (!chart() || event->angleDelta().y() == 0)
            return;
        const double factor = event->angleDelta().y() > 0 ? kWheelZoomStep : 1 / kWheelZoomStep;
        const QRectF area = chart()->plotArea();
        if (area.width() > 0)
            owner_->zoomTime(factor, (event->position().x() - area.left()) / area.width());
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        owner_->resetZoom();
        event->accept();
    }

private:
    ArchiveChart* owner_;
};

// Decimals enough for the axis' marks, which nice numbers make whole multiples of 1, 2 or 5
// times a power of ten.
int markDecimals(const QValueAxis* axis) {
    if (axis->tickCount() < 2)
        return 0;
    const double interval = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    int decimals = 0;
    while (decimals < 6) {
        const double scaled = interval * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            break;
        ++decimals;
    }
    return decimals;
}

// A value axis from zero to `high`, its marks round, its labels as the locale writes numbers.
void setValueRange(QValueAxis* axis, double high, bool nice) {
    axis->setRange(0, high);
    if (nice)
        axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(markDecimals(axis)));
}

// Keeps a value axis at [0, its maximum] whatever a zoom does to it.
void holdFromZero(QValueAxis* axis) {
    const double high = axis->max();
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis, high](qreal min, qreal max) {
        if (min != 0 || max != high)
            axis->setRange(0, high);
    });
}

QValueAxis* valueAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    return axis;
}

double highOf(const std::vector<std::optional<double>>& values) {
    double high = 0;
    for (const auto& v : values) {
        if (v)
            high = std::max(high, *v);
    }
    return high > 0 ? high * 1.1 : 1;
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
    view_->setRubberBand(QChartView::HorizontalRubberBand);
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

    c->setLocalizeNumbers(true);
    c->setLocale(QLocale());

    time_ = new QCategoryAxis;
    time_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    c->addAxis(time_, Qt::AlignBottom);
    // Short unit titles: the legend names the quantities, and the window may be small.
    left_ = valueAxis(QCoreApplication::translate("ArchiveChart", "м3"));
    right_ = valueAxis(daily ? QCoreApplication::translate("ArchiveChart", "ч")
                             : QCoreApplication::translate("ArchiveChart", "м3/ч"));
    c->addAxis(left_, Qt::AlignLeft);
    c->addAxis(right_, Qt::AlignRight);
    right_->setGridLineVisible(false);
    QValueAxis* left = left_;

    setValueRange(left_, highOf(s.volume), true);
    if (daily) {
        right_->setTickCount(5);
        setValueRange(right_, 24, false);
    } else {
        // The flow axis says the same curve in m3/h, mark for mark.
        right_->setTickCount(left_->tickCount());
        setValueRange(right_, left_->max() * 60, false);
    }
    holdFromZero(left_);
    holdFromZero(right_);

    // Daily: whole days from the first midnight to the one after the last day. Minute: half a
    // minute either side.
    if (s.stamps.empty()) {
        fullMin_ = 0;
        fullMax_ = 1;
    } else if (daily) {
        fullMin_ = double(s.stamps.front());
        fullMax_ =
            double(QDateTime::fromMSecsSinceEpoch(s.stamps.back()).addDays(1).toMSecsSinceEpoch());
    } else {
        fullMin_ = double(s.stamps.front() - 30 * 1000);
        fullMax_ = double(s.stamps.back() + 30 * 1000);
    }
    time_->setRange(fullMin_, fullMax_);
    placeTicks();
    connect(time_, &QValueAxis::rangeChanged, this, [this] { placeTicks(); });

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
            const double x = xOf(i);
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
        bars->attachAxis(time_);
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
            points << QPointF(xOf(std::size_t(i)), *lineValues[std::size_t(i)]);
        line->replace(points);
        // A lone value (a one-day chart) is a point, not an invisible line; a month's days
        // show their points too, a longer run is a line.
        constexpr int kPointsShownUpTo = 31;
        line->setPointsVisible(from == to || (daily && to - from < kPointsShownUpTo));
        line->setMarkerSize(7);
        c->addSeries(line);
        line->attachAxis(time_);
        line->attachAxis(daily ? right_ : left_);
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
            points << QPointF(xOf(std::size_t(m.point)), left->max() * 0.97);
        marks->replace(points);
        c->addSeries(marks);
        marks->attachAxis(time_);
        marks->attachAxis(left);
        // The tooltip lists the events with the entry's values.
        connect(marks, &QScatterSeries::hovered, this, showValue);
    }
}

double ArchiveChart::xOf(std::size_t i) const {
    // The middle of the day: the day's bar stands between its midnights.
    const double offset = kind_ == archive::Kind::Daily ? kMsPerDay / 2 : 0;
    return double(series_.stamps[i]) + offset;
}

void ArchiveChart::placeTicks() {
    if (placingTicks_ || !time_)
        return;
    placingTicks_ = true;
    const double min = time_->min();
    const double max = time_->max();
    for (const QString& label : time_->categoriesLabels())
        time_->remove(label);
    if (series_.stamps.empty()) {
        placingTicks_ = false;
        return;
    }
    const int room = std::max(1, width() - 80);
    const int labelWidth = kind_ == archive::Kind::Daily ? kDailyLabelWidth : kMinuteLabelWidth;
    const std::vector<archive::TimeTick> ticks =
        archive::timeTicks(kind_, qint64(std::ceil(min)), qint64(std::ceil(max)),
                           std::max(2, room / labelWidth), QLocale());
    // Each category ends at a mark, in order; a mark at the left end of the range (the first
    // midnight of a daily chart) ends a category just before it, so it is labelled too.
    const bool markAtStart = !ticks.empty() && double(ticks.front().ms) <= min;
    time_->setStartValue(markAtStart ? min - 1 : min);
    for (const archive::TimeTick& tick : ticks)
        time_->append(tick.label, std::max(double(tick.ms), min));
    time_->setRange(min, max);
    placingTicks_ = false;
}

void ArchiveChart::zoomTime(double factor, double at) {
    if (!time_ || factor <= 0)
        return;
    at = std::clamp(at, 0.0, 1.0);
    const double min = time_->min();
    const double span = time_->max() - min;
    const double pivot = min + at * span;
    const double newSpan = std::min(span / factor, fullMax_ - fullMin_);
    // At least a few entries stay in view.
    const double shortest = kind_ == archive::Kind::Daily ? double(kMsPerDay) : 5 * 60e3;
    if (newSpan < shortest && factor > 1)
        return;
    double newMin = std::clamp(pivot - at * newSpan, fullMin_, fullMax_ - newSpan);
    time_->setRange(newMin, newMin + newSpan);
}

void ArchiveChart::resetZoom() {
    view_->chart()->zoomReset();
    if (time_)
        time_->setRange(fullMin_, fullMax_);
}

void ArchiveChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTicks();
}

QString ArchiveChart::valuesAt(double x) const {
    const archive::ArchiveSeries& s = series_;
    if (s.stamps.empty())
        return {};
    if (kind_ == archive::Kind::Daily)
        x -= kMsPerDay / 2;
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

} // namespace charts
