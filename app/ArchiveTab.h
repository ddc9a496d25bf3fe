#pragma once

#include "app/TabContext.h"

class ArchiveChart;
class QFileDialog;
class MemoFontDialog;
namespace line {
struct LinkTarget;
}

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
    QFileDialog* SaveDialog1 = nullptr;
    MemoFontDialog* FontDialog1 = nullptr;
    ArchiveChart* dailyChart_ = nullptr; // each sub-tab's chart of its last readout
    ArchiveChart* minuteChart_ = nullptr;
};
