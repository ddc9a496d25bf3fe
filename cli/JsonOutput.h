#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "core/Outcome.h"

#include <QByteArray>
#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>

namespace cli {
struct CliContext;
}

// zetra-cli --json: one JSON object per run, made of what the command handed its context.
namespace cli::json {

// The outcome's name as scripts read it: ok, errors, no_answer, cannot_open, foreign_device,
// refused, input_refused, interval_refused, declined, cancelled.
QString outcomeName(core::Outcome::Kind kind);

// The object of a command's run: `command`, `outcome` and `status` when it ended with them,
// `messages` (every box shown, in order), then the command's own keys.
QJsonObject commandObject(const QString& command, const CliContext& context);

// The object as one line of UTF-8 ending in a line feed.
QByteArray line(const QJsonObject& object);

// Values that may not have been read: null then. A number that is not finite is null too.
QJsonValue number(const std::optional<double>& value);
QJsonValue integer(const std::optional<qint64>& value);
QJsonValue boolean(const std::optional<bool>& value);
QJsonValue isoDate(const QDate& date); // YYYY-MM-DD
QJsonValue text(const std::optional<QString>& value);

// The last readout of an archive as the JSON export object.
QJsonObject archiveObject(archive::Kind kind, const archive::Archives& archives);

} // namespace cli::json
