#include "cli/JsonOutput.h"

#include "archive/ArchiveExport.h"
#include "cli/CliContext.h"
#include "store/Visit.h"

#include <QJsonDocument>

#include <cmath>

namespace cli::json {

QString outcomeName(core::Outcome::Kind kind) { return store::outcomeWord(kind); }

QJsonObject commandObject(const QString& command, const CliContext& context) {
    QJsonObject o = context.data;
    o.insert(QStringLiteral("command"), command);
    if (context.outcome)
        o.insert(QStringLiteral("outcome"), outcomeName(context.outcome->kind));
    if (context.statusLine)
        o.insert(QStringLiteral("status"), *context.statusLine);
    QJsonArray messages;
    for (const CliFrontend::Message& m : context.frontend.messages())
        messages.append(
            QJsonObject{{QStringLiteral("caption"), m.caption}, {QStringLiteral("text"), m.text}});
    o.insert(QStringLiteral("messages"), messages);
    return o;
}

QByteArray line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QJsonValue number(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value))
        return QJsonValue::Null;
    return *value;
}

QJsonValue integer(const std::optional<qint64>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue boolean(const std::optional<bool>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue isoDate(const QDate& date) {
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null);
}

QJsonValue text(const std::optional<QString>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// The archive export's own JSON object, the same one a `--save FILE.json` writes.
QJsonObject archiveObject(archive::Kind kind, const archive::Archives& archives) {
    return archive::archiveJson(kind, archives);
}

} // namespace cli::json
