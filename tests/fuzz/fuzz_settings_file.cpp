// The settings file loader on any bytes: it refuses or yields a form, and a form it yields
// saves into a file that loads back into the same form.
#include "settings/SettingsFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    if (size > std::size_t(settings::file::kMaxFileSize))
        return 0;
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto first =
        settings::file::parse(bytes, settings::SettingsForm(), locale, QStringLiteral("f"));
    if (!first.form) {
        if (first.error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const QStringList lines = settings::file::lines(*first.form);
    // Text that Windows-1251 cannot hold is not kept by the file; nothing to compare then. The
    // encoder writes such a character as '?' without always calling it an error, so the test is
    // whether the text comes back from Windows-1251 unchanged.
    const QString joined = lines.join(QString());
    QStringEncoder encoder("windows-1251");
    QStringDecoder decoder("windows-1251");
    const QByteArray encoded = encoder(joined);
    if (QString(decoder(encoded)) != joined || joined.contains(QChar::ReplacementCharacter))
        return 0;
    const auto again = settings::file::parse(settings::file::contents(*first.form),
                                             settings::SettingsForm(), locale, QStringLiteral("f"));
    if (!again.form || settings::file::lines(*again.form) != lines)
        std::abort();
    return 0;
}
