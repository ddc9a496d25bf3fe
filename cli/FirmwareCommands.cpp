#include "cli/Commands.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "firmware/Programming.h"

namespace {
// Loads FILE as "Загрузить из файла" does; a refused file is reported like the window's box.
std::optional<FirmwareImage> loadImage(CommandArgs& args) {
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QStringLiteral("expected one firmware image FILE")};
    ImageLoad load = loadFirmwareImage(files.first());
    if (!load.image)
        CliFrontend::printMessage(texts::errorCaption(), load.error);
    return load.image;
}
} // namespace

int runFirmwareInfo(CliContext& context, CommandArgs& args) {
    const auto image = loadImage(args);
    if (!image)
        return kExitFailed;
    context.print(firmware_texts::versionCaption() + QLatin1Char(' ') + image->versionText());
    context.print(firmware_texts::creationDateCaption() + QLatin1Char(' ') +
                  image->creationDateText());
    return kExitOk;
}

int runFirmwareProgram(CliContext& context, CommandArgs& args) {
    auto image = loadImage(args);
    if (!image)
        return kExitFailed;
    return context.finish(
        programming::run(context.session, context.target, *image, QDate::currentDate()));
}
