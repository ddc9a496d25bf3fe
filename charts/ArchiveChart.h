#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveSeries.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <QWidget>

namespace charts {

// An archive sub-tab's chart of its last readout, drawn from the archive buffer the export
// uses. Daily: a bar per day of the volume, the working hours as a line on a second axis.
// Minute: the volume of each minute, with the flow it implies on a second axis. Absent
// entries and transfer errors are gaps; entries with events carry a marker whose tooltip lists
// them. The mouse wheel and a rubber band zoom along the time only, a double-click resets,
// hovering shows values. Daily bars stand in the middle of their day between the day marks at
// midnight; the value axes start at zero with round marks in the locale's notation.
class ArchiveChart : public QWidget {
    Q_OBJECT
public:
    ArchiveChart(archive::Kind kind, const archive::Archives& archives, QWidget* parent = nullptr);

    // Draws the archive's last readout again.
    void refresh();
    // The chart as a PNG file; empty on success, otherwise the message to show.
    QString savePng(const QString& fileName);

    QChart* chart() const;
    QChartView* view() const { return view_; }
    // What hovering at time `x` (the axis' milliseconds) shows: the nearest entry's date, its
    // values and its events.
    QString valuesAt(double x) const;

    // The time axis, its marks from the archive's own clock (categories ending at each mark).
    QCategoryAxis* timeAxis() const { return time_; }
    // Zooms the time axis by `factor` (above 1 in, below 1 out) around the point at `at`
    // (0 the left end of the plot, 1 the right end), never beyond the readout.
    void zoomTime(double factor, double at);
    void resetZoom();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Puts the time axis' marks for its present range and the plot's width.
    void placeTicks();
    // Where entry `i` stands on the time axis: the minute, or the middle of the day.
    double xOf(std::size_t i) const;

    archive::ArchiveSeries series_;
    archive::Kind kind_;
    const archive::Archives& archives_;
    QChartView* view_;
    QCategoryAxis* time_ = nullptr;
    QValueAxis* left_ = nullptr;
    QValueAxis* right_ = nullptr;
    double fullMin_ = 0;
    double fullMax_ = 0;
    bool placingTicks_ = false;
};

} // namespace charts
