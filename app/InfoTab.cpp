#include "app/InfoTab.h"

#include "app/frame/Actions.h"
#include "app/frame/InfoReadout.h"
#include "archive/ArchiveBuffers.h"
#include "device/DeviceDates.h"
#include "ui_Form1.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>

namespace {
QLabel* label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
}
} // namespace

InfoTab::InfoTab(const TabContext& context) : c_(context) {
    for (int row = 0; row < frame::info::kRowCount; ++row)
        label(c_.window, frame::info::kRowLabels[std::size_t(row)].captionLabel)
            ->setText(frame::info::caption(frame::info::Row(row)));
}

void InfoTab::read(const line::LinkTarget& target) {
    const frame::InfoRun run = frame::readInfo(c_.session, target, QLocale());
    if (!run.values) {
        markValuesStale(true);
        return;
    }
    readAt_ = QDateTime::currentDateTime();
    markValuesStale(false);
    if (run.values->meterClock)
        c_.session.kept<archive::Archives>().meterToday =
            device::dayNumberFromDate(run.values->meterClock->date());
    for (int row = 0; row < frame::info::kRowCount; ++row)
        label(c_.window, frame::info::kRowLabels[std::size_t(row)].valueLabel)
            ->setText(run.values->text[std::size_t(row)]);
    // Beside the meter's time: how far it is from the PC's, when that is worth setting right.
    label(c_.window, "Label45")
        ->setText(run.values->meterClock
                      ? frame::info::clockDifference(*run.values->meterClock,
                                                     QDateTime::currentDateTime(), QLocale())
                      : QString());
}

void InfoTab::markValuesStale(bool stale) {
    if (!readAt_.isValid())
        return;
    for (int row = 0; row < frame::info::kRowCount; ++row)
        label(c_.window, frame::info::kRowLabels[std::size_t(row)].valueLabel)->setEnabled(!stale);
    if (stale)
        label(c_.window, "Label45")
            ->setText(QCoreApplication::translate("InfoTab", "Значения прочитаны %1, не текущие")
                          .arg(QLocale().toString(readAt_.date(), QLocale::ShortFormat) +
                               readAt_.toString(QStringLiteral(" HH:mm"))));
}

void InfoTab::clearTotals(const line::LinkTarget& target) {
    frame::clearTotals(c_.session, target);
}
