#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "firmware/Programming.h"

namespace {
// Loads FILE as "Загрузить из файла" does; a refused file is reported like the window's box.
std::optional<FirmwareImage> loadImage(CliContext& context, CommandArgs& args) {
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QStringLiteral("expected one firmware image FILE")};
    ImageLoad load = loadFirmwareImage(files.first());
    if (!load.image)
        context.frontend.showError(texts::errorCaption(), load.error);
    return load.image;
}
} // namespace

int runFirmwareInfo(CliContext& context, CommandArgs& args) {
    const auto image = loadImage(context, args);
    if (!image)
        return context.endWithoutStatus(core::Outcome::Kind::InputRefused);
    context.print(firmware_texts::versionCaption() + QLatin1Char(' ') + image->versionText());
    context.print(firmware_texts::creationDateCaption() + QLatin1Char(' ') +
                  image->creationDateText());
    context.put(QStringLiteral("version"), image->versionText());
    context.put(QStringLiteral("date"), json_output::isoDate(image->creationDate()));
    return kExitOk;
}

int runFirmwareProgram(CliContext& context, CommandArgs& args) {
    auto image = loadImage(context, args);
    if (!image)
        return context.endWithoutStatus(core::Outcome::Kind::InputRefused);
    return context.finish(programming::run(context.session, context.target, *image,
                                           std::function<QDate()>(&QDate::currentDate)));
}
