#include "app/InfoTab.h"

#include "app/frame/Actions.h"
#include "app/frame/InfoReadout.h"
#include "ui_Form1.h"

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
    if (!run.values)
        return;
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

void InfoTab::clearTotals(const line::LinkTarget& target) {
    std::optional<std::vector<frame::totals::NotZero>> notCleared;
    const core::Outcome outcome = frame::clearTotals(c_.session, target, &notCleared);
    // Once the totals were written to, the values shown before are no longer the meter's:
    // they stay empty until the next refresh.
    using Kind = core::Outcome::Kind;
    if (outcome.kind == Kind::Succeeded || outcome.kind == Kind::FinishedWithErrors)
        for (const frame::info::Row row :
             {frame::info::kVolume, frame::info::kOperatingHours, frame::info::kIdleHours})
            label(c_.window, frame::info::kRowLabels[std::size_t(row)].valueLabel)->clear();
}
