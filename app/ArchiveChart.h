#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveSeries.h"

#include <QWidget>

class QChart;
class QChartView;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;

// An archive sub-tab's chart of its last readout, drawn from the archive buffer the export
// uses. Daily: a bar per day of the volume, the working hours as a line on a second axis.
// Minute: the volume of each minute, with the flow it implies on a second axis. Absent
// entries and transfer errors are gaps; entries with events carry a marker whose tooltip lists
// them. The mouse wheel and a rubber band zoom, a double-click resets, hovering shows values.
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

private:
    archive::ArchiveSeries series_;
    archive::Kind kind_;
    const archive::Archives& archives_;
    QChartView* view_;
};

// Puts a report/chart switch and a "save as PNG" button above `memo` and the chart beside it,
// in the memo's place in its layout. Returns the chart.
ArchiveChart* addArchiveChart(QPlainTextEdit* memo, archive::Kind kind,
                              const archive::Archives& archives);
