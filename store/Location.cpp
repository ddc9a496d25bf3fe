#include "store/Location.h"

#include "store/StoreTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace store {

std::optional<Location> parseLocation(const QString& text, QString* error) {
    Location l;
    l.text = text;
    if (text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return l;
    if (text.startsWith(QLatin1String("postgresql://")) ||
        text.startsWith(QLatin1String("postgres://"))) {
        static const QRegularExpression url(
            QStringLiteral("^postgres(?:ql)?://([^@/:]+)@([^:/]+)(?::(\\d{1,5}))?/([^/?#]+)$"));
        const QRegularExpressionMatch m = url.match(text);
        if (!m.hasMatch()) {
            *error = texts::unknownLocation();
            return std::nullopt;
        }
        l.kind = Location::Kind::Postgres;
        l.user = m.captured(1);
        l.host = m.captured(2);
        if (!m.captured(3).isEmpty())
            l.port = m.captured(3).toInt();
        l.database = m.captured(4);
        return l;
    }
    if (text.isEmpty()) {
        *error = texts::unknownLocation();
        return std::nullopt;
    }
    l.kind = Location::Kind::Sqlite;
    l.path = text;
    return l;
}

std::optional<Location> resolveLocation(const std::optional<QString>& option, bool noStore,
                                        QString* error) {
    if (noStore)
        return Location{};
    if (option)
        return parseLocation(*option, error);
    const QByteArray env = qgetenv("ZETRA_STORE");
    if (!env.isEmpty())
        return parseLocation(QString::fromLocal8Bit(env), error);
    return parseLocation(defaultPath(), error);
}

QString defaultPath() {
    // The window and zetra-cli share one folder, named after the window's program.
    const QString own = QCoreApplication::applicationName();
    const QString organization = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("zetra"));
    QCoreApplication::setOrganizationName(QString());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(own);
    QCoreApplication::setOrganizationName(organization);
    return QDir(folder).filePath(QStringLiteral("meters.sqlite"));
}

} // namespace store
