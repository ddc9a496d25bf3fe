#include "calculators/ChannelCalculator.h"
#include "calculators/CorrectionCalculator.h"
#include "calculators/PulseCalculator.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "device/NumberText.h"

#include <QCoreApplication>

namespace cli {

namespace {

QString required(CommandArgs& args, const char* name) {
    const auto value = args.takeValue(QLatin1String(name));
    if (!value)
        throw UsageError{
            QCoreApplication::translate("cli", "нужен параметр %1").arg(QLatin1String(name))};
    return *value;
}

void noPositionals(CommandArgs& args, const char* command) {
    if (!args.positionals().isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "у команды %1 нет аргументов")
                             .arg(QLatin1String(command))};
}

// The maximum is given either as a velocity or as a flow, as the dialog's two radio buttons.
void takeMaximum(CommandArgs& args, bool& byVelocity, QString& velocity, QString& flow) {
    const auto v = args.takeValue(QStringLiteral("--velocity"));
    const auto q = args.takeValue(QStringLiteral("--flow"));
    if (v.has_value() == q.has_value())
        throw UsageError{
            QCoreApplication::translate("cli", "нужен один из параметров --velocity и --flow")};
    byVelocity = v.has_value();
    if (v)
        velocity = *v;
    else
        flow = *q;
}

// A calculator's error is shown as the window's application-wide error handler shows it.
int calculatorFailed(CliContext& context, const QString& error) {
    context.frontend.showError(core::texts::applicationTitle(), error);
    return context.endWithoutStatus(core::Outcome::Kind::InputRefused);
}

int printReport(CliContext& context, const calculators::ResultFields& fields) {
    QJsonArray json;
    for (const calculators::ResultField& f : fields) {
        context.print(f.label + QLatin1Char(' ') + f.text);
        json.append(
            QJsonObject{{QStringLiteral("label"), f.label}, {QStringLiteral("text"), f.text}});
    }
    context.put(QStringLiteral("fields"), json);
    return kExitOk;
}

} // namespace

int runCalcCorrection(CliContext& context, CommandArgs& args) {
    calculators::CorrectionForm form = calculators::defaultCorrectionForm(context.locale);
    form.diameter = required(args, "--diameter");
    form.angle = required(args, "--angle");
    form.roughness = required(args, "--roughness");
    takeMaximum(args, form.byVelocity, form.velocityMax, form.flowMax);
    const auto tmax = args.takeValue(QStringLiteral("--tmax"));
    const auto tmin = args.takeValue(QStringLiteral("--tmin"));
    const auto viscMin = args.takeValue(QStringLiteral("--visc-min"));
    const auto viscMax = args.takeValue(QStringLiteral("--visc-max"));
    if (const auto firmware = args.takeValue(QStringLiteral("--firmware"))) {
        const auto byte = device::parseInteger(*firmware);
        if (!byte || *byte < 0 || *byte > 255)
            throw UsageError{QCoreApplication::translate(
                "cli", "--firmware принимает байт версии прошивки 0..255")};
        form.firmwareVersion = int(*byte);
    }
    noPositionals(args, "calc-correction");

    // Typing a temperature fills its viscosity; a viscosity typed by hand comes after it.
    if (tmax) {
        if (const QString error = calculators::setTemperatureMax(form, *tmax, context.locale);
            !error.isEmpty())
            return calculatorFailed(context, error);
    }
    if (tmin) {
        if (const QString error = calculators::setTemperatureMin(form, *tmin, context.locale);
            !error.isEmpty())
            return calculatorFailed(context, error);
    }
    if (viscMin)
        form.viscosityMin = *viscMin;
    if (viscMax)
        form.viscosityMax = *viscMax;
    if (const QString error = calculators::calculateCorrection(form, context.locale);
        !error.isEmpty())
        return calculatorFailed(context, error);
    return printReport(context, calculators::correctionFields(form));
}

int runCalcChannel(CliContext& context, CommandArgs& args) {
    calculators::ChannelForm form;
    form.timeDown = required(args, "--t-down");
    form.timeUp = required(args, "--t-up");
    form.temperature = required(args, "--temp");
    noPositionals(args, "calc-channel");
    if (const QString error = calculators::calculateChannel(form, context.locale); !error.isEmpty())
        return calculatorFailed(context, error);
    return printReport(context, calculators::channelFields(form));
}

int runCalcPulse(CliContext& context, CommandArgs& args) {
    calculators::PulseForm form;
    form.diameter = required(args, "--diameter");
    takeMaximum(args, form.byVelocity, form.velocityMax, form.flowMax);
    if (const auto rate = args.takeValue(QStringLiteral("--rate")))
        form.pulseRate = *rate;
    noPositionals(args, "calc-pulse");
    if (const QString error = calculators::calculatePulseWeight(form, context.locale);
        !error.isEmpty())
        return calculatorFailed(context, error);
    return printReport(context, calculators::pulseFields(form));
}

} // namespace cli
