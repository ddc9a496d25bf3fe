#pragma once

#include "app/TabContext.h"
#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"

#include <QStringList>

namespace charts {
class ArchiveChart;
}
class QFileDialog;
class MemoFontDialog;
namespace core {
class Frontend;
}
namespace line {
struct LinkTarget;
}

// The save dialog of an archive report and the export in the format its filter entry names:
// a text file, a workbook of one of the kinds or JSON. The archive and history tabs save alike.
class ArchiveSaver {
public:
    ArchiveSaver(QWidget* parent, const QString& objectName);
    void save(core::Frontend& frontend, archive::Kind kind, const QStringList& lines,
              const archive::Archives& archives);

private:
    QFileDialog* dialog_;
};

// The Archive tab: reading the daily or minute archive into its memo, saving it as a text file
// or a workbook, and the memos' font. The session keeps the last readout of each archive for
// the export.
class ArchiveTab {
public:
    explicit ArchiveTab(const TabContext& context);

    void read(const line::LinkTarget& target);
    void save();
    void chooseFont();
    // Once the meter's date is known, the date pickers offer only the days the active
    // sub-tab's archive holds.
    void limitPickersToMeter();

private:
    TabContext c_;
    ArchiveSaver saver_;
    MemoFontDialog* FontDialog1 = nullptr;
    charts::ArchiveChart* dailyChart_ = nullptr; // each sub-tab's chart of its last readout
    charts::ArchiveChart* minuteChart_ = nullptr;
};
