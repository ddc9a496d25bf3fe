#include "app/InfoTab.h"

#include "actions/Actions.h"
#include "actions/InfoReadout.h"
#include "actions/VisitRound.h"
#include "archive/ArchiveBuffers.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "documents/VisitAct.h"
#include "store/Visit.h"
#include "ui_Form1.h"

#include <QCoreApplication>
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
    if (!run.values) {
        markValuesStale(true);
        return;
    }
    showValues(*run.values);
}

void InfoTab::showValues(const actions::info::Values& values) {
    readAt_ = QDateTime::currentDateTime();
    markValuesStale(false);
    if (values.meterClock)
        c_.session.kept<archive::Archives>().meterToday =
            device::dayNumberFromDate(values.meterClock->date());
    for (int row = 0; row < actions::info::kRowCount; ++row)
        label(c_.window, kRowLabels[std::size_t(row)].valueLabel)
            ->setText(values.text[std::size_t(row)]);
    // Beside the meter's time: how far it is from the PC's, when that is worth setting right.
    label(c_.window, "Label45")
        ->setText(values.meterClock
                      ? actions::info::clockDifference(*values.meterClock,
                                                       QDateTime::currentDateTime(), QLocale())
                      : QString());
}

void InfoTab::visit(const line::LinkTarget& target, const QString& engineer, bool setClock,
                    const QString& actFile, const settings::SettingsForm& settingsForm) {
    store::Attachment& attachment = store::attachment(c_.session);
    core::Frontend& frontend = c_.session.frontend();
    // The visit keeps everything in the store: without one it does not start.
    if (!attachment.get()) {
        frontend.showError(core::texts::errorCaption(), attachment.unavailable());
        return;
    }
    const actions::visit::Run run =
        actions::visit::run(c_.session, target, {setClock, engineer}, settingsForm, QLocale());
    if (run.info)
        showValues(*run.info);
    else
        markValuesStale(true);
    if (actFile.isEmpty() || !run.visitId)
        return;
    const QString reason = documents::writeVisitAct(*attachment.get(), *run.visitId, actFile);
    if (!reason.isEmpty())
        core::finish(frontend,
                     core::withSave(run.outcome, core::Outcome::saveFailed(actFile, reason)));
}

void InfoTab::markValuesStale(bool stale) {
    if (!readAt_.isValid())
        return;
    for (int row = 0; row < actions::info::kRowCount; ++row)
        label(c_.window, kRowLabels[std::size_t(row)].valueLabel)->setEnabled(!stale);
    if (stale)
        label(c_.window, "Label45")
            ->setText(QCoreApplication::translate("InfoTab", "Значения прочитаны %1, не текущие")
                          .arg(QLocale().toString(readAt_.date(), QLocale::ShortFormat) +
                               readAt_.toString(QStringLiteral(" HH:mm"))));
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
