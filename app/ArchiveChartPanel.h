#pragma once

#include "charts/ArchiveChart.h"

class QPlainTextEdit;

// Puts a report/chart switch and a "save as PNG" button above `memo` and the chart beside it,
// in the memo's place in its layout. Returns the chart.
charts::ArchiveChart* addArchiveChart(QPlainTextEdit* memo, archive::Kind kind,
                                      const archive::Archives& archives);
