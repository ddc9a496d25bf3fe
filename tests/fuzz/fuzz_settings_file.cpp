// The settings file loader on any bytes: it refuses or yields a form, and a form it yields
// saves into a file that loads back into the same form.
#include "settings/SettingsFile.h"

#include <QStringEncoder>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    if (size > std::size_t(settings_file::kMaxFileSize))
        return 0;
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto first = settings_file::parse(bytes, SettingsForm(), locale, QStringLiteral("f"));
    if (!first.form) {
        if (first.error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const QStringList lines = settings_file::lines(*first.form);
    // Text that Windows-1251 cannot hold is not kept by the file; nothing to compare then.
    QStringEncoder cp1251("windows-1251");
    (void)cp1251(lines.join(QString()));
    if (cp1251.hasError())
        return 0;
    const auto again = settings_file::parse(settings_file::contents(*first.form), SettingsForm(),
                                            locale, QStringLiteral("f"));
    if (!again.form || settings_file::lines(*again.form) != lines)
        std::abort();
    return 0;
}
