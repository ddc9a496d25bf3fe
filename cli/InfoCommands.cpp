#include "actions/Actions.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "device/DeviceDates.h"
#include "link/PortList.h"

namespace cli {

namespace {

// The Info tab's items as numbers, dates and flags.
QJsonObject infoValues(const actions::info::Readings& r) {
    using namespace json;
    std::optional<QString> meterTime;
    if (r.clockHours && r.clockMinutes)
        meterTime = device::formatClock(*r.clockHours, *r.clockMinutes);
    return QJsonObject{
        {QStringLiteral("flow_m3h"), number(r.flowM3h)},
        {QStringLiteral("velocity_ms"), number(r.velocityMs)},
        {QStringLiteral("volume_m3"), number(r.volumeM3)},
        {QStringLiteral("work_hours"), number(r.workHours)},
        {QStringLiteral("idle_hours"), number(r.idleHours)},
        {QStringLiteral("battery_v"), number(r.batteryVolts)},
        {QStringLiteral("meter_date"), isoDate(r.meterDate.value_or(QDate()))},
        {QStringLiteral("meter_time"), text(meterTime)},
        {QStringLiteral("serial"), integer(r.serialNumber)},
        {QStringLiteral("manufactured"), isoDate(r.manufactured)},
        {QStringLiteral("firmware_version"), integer(r.firmwareVersionByte)},
        {QStringLiteral("firmware_date"), isoDate(r.lastProgrammed)},
        {QStringLiteral("low_battery"), boolean(r.lowBattery)},
        {QStringLiteral("error"), boolean(r.measurementError)},
        {QStringLiteral("lp"), boolean(r.lowPower)},
        {QStringLiteral("clock_drift_s"), integer(r.clockDriftSeconds())},
    };
}

} // namespace

int runPorts(CliContext& context, CommandArgs& args) {
    args.positionals();
    const QStringList entries = line::port_list::present();
    QJsonArray ports;
    for (int i = 0; i < entries.size(); ++i) {
        const QString& entry = entries[i];
        context.print(entry);
        const bool pipe = i == entries.size() - 1;
        ports.append(QJsonObject{
            {QStringLiteral("entry"), entry},
            {QStringLiteral("kind"), pipe ? QStringLiteral("pipe") : QStringLiteral("serial")},
            {QStringLiteral("name"), pipe ? line::opener::defaultPipeName()
                                          : line::port_list::portNameOfEntry(entry).trimmed()},
        });
    }
    context.put(QStringLiteral("ports"), ports);
    return kExitOk;
}

int runInfo(CliContext& context, CommandArgs& args) {
    if (!args.positionals().isEmpty())
        throw UsageError{QStringLiteral("info takes no arguments")};
    const actions::InfoRun run = actions::readInfo(context.session, context.target, context.locale);
    if (run.values) {
        QJsonArray rows;
        for (int row = 0; row < actions::info::kRowCount; ++row) {
            const QString caption = actions::info::caption(actions::info::Row(row));
            const QString& text = run.values->text[std::size_t(row)];
            context.print(caption + QLatin1Char(' ') + text);
            rows.append(
                QJsonObject{{QStringLiteral("caption"), caption}, {QStringLiteral("text"), text}});
        }
        context.put(QStringLiteral("rows"), rows);
        context.put(QStringLiteral("values"), infoValues(run.values->readings));
    }
    return context.finish(run.outcome);
}

} // namespace cli
