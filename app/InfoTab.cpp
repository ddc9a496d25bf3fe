#include "app/InfoTab.h"

#include "actions/Actions.h"
#include "actions/InfoReadout.h"
#include "ui_Form1.h"

#include <QDateTime>
#include <QLabel>

#include <array>

namespace {

struct RowLabels {
    const char* captionLabel; // object name of the caption label
    const char* valueLabel;   // object name of the value label
};
// Object names of the labels of each row of the readout, top to bottom.
const std::array<RowLabels, actions::info::kRowCount> kRowLabels{{
    {"Label15", "Label22"},
    {"Label41", "Label42"},
    {"Label16", "Label23"},
    {"Label13", "Label30"},
    {"Label14", "Label31"},
    {"Label11", "Label27"},
    {"Label33", "Label39"},
    {"Label5", "Label12"},
    {"Label9", "Label25"},
    {"Label8", "Label28"},
    {"Label10", "Label29"},
    {"Label34", "Label32"},
}};

QLabel* label(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
}
} // namespace

InfoTab::InfoTab(const TabContext& context) : c_(context) {
    for (int row = 0; row < actions::info::kRowCount; ++row)
        label(c_.window, kRowLabels[std::size_t(row)].captionLabel)
            ->setText(actions::info::caption(actions::info::Row(row)));
}

void InfoTab::read(const line::LinkTarget& target) {
    const actions::InfoRun run = actions::readInfo(c_.session, target, QLocale());
    if (!run.values)
        return;
    for (int row = 0; row < actions::info::kRowCount; ++row)
        label(c_.window, kRowLabels[std::size_t(row)].valueLabel)
            ->setText(run.values->text[std::size_t(row)]);
    // Beside the meter's time: how far it is from the PC's, when that is worth setting right.
    label(c_.window, "Label45")
        ->setText(run.values->meterClock
                      ? actions::info::clockDifference(*run.values->meterClock,
                                                       QDateTime::currentDateTime(), QLocale())
                      : QString());
}

void InfoTab::clearTotals(const line::LinkTarget& target) {
    std::optional<std::vector<actions::totals::NotZero>> notCleared;
    const core::Outcome outcome = actions::clearTotals(c_.session, target, &notCleared);
    // Once the totals were written to, the values shown before are no longer the meter's:
    // they stay empty until the next refresh.
    using Kind = core::Outcome::Kind;
    if (outcome.kind == Kind::Succeeded || outcome.kind == Kind::FinishedWithErrors)
        for (const actions::info::Row row :
             {actions::info::kVolume, actions::info::kOperatingHours, actions::info::kIdleHours})
            label(c_.window, kRowLabels[std::size_t(row)].valueLabel)->clear();
}
