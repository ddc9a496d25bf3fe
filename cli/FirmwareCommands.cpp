#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "firmware/Programming.h"

#include <QCoreApplication>

namespace cli {

namespace {
// Loads FILE as "Загрузить из файла" does; a refused file is reported like the window's box.
std::optional<firmware::FirmwareImage> loadImage(CliContext& context, CommandArgs& args) {
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QCoreApplication::translate("cli", "нужен один файл прошивки FILE")};
    firmware::ImageLoad load = firmware::loadFirmwareImage(files.first());
    if (!load.image)
        context.frontend.showError(core::texts::errorCaption(), load.error);
    return load.image;
}
} // namespace

int runFirmwareInfo(CliContext& context, CommandArgs& args) {
    const auto image = loadImage(context, args);
    if (!image)
        return context.endWithoutStatus(core::Outcome::Kind::InputRefused);
    context.print(firmware::texts::versionCaption() + QLatin1Char(' ') + image->versionText());
    context.print(firmware::texts::creationDateCaption() + QLatin1Char(' ') +
                  image->creationDateText());
    context.put(QStringLiteral("version"), image->versionText());
    context.put(QStringLiteral("date"), json::isoDate(image->creationDate()));
    return kExitOk;
}

int runFirmwareProgram(CliContext& context, CommandArgs& args) {
    auto image = loadImage(context, args);
    if (!image)
        return context.endWithoutStatus(core::Outcome::Kind::InputRefused);
    QDate today;
    const core::Outcome outcome = firmware::programming::run(
        context.session, context.target, *image, std::function<QDate()>([&today] {
            today = QDate::currentDate();
            return today;
        }));
    // The image went to the meter with its date stamped: say when the meter cannot keep it.
    using Kind = core::Outcome::Kind;
    const bool sent = outcome.kind == Kind::Succeeded ||
                      outcome.detail == core::Outcome::Detail::ProgrammingFailed;
    if (today.isValid() && sent) {
        context.put(QStringLiteral("stamped_date"), json::isoDate(image->creationDate()));
        if (image->creationDate() != today)
            context.print(firmware::texts::stampedDateNote(
                today.toString(QStringLiteral("dd.MM.yyyy")), image->creationDateText()));
    }
    return context.finish(outcome);
}

} // namespace cli
