// The archive as data for scripts: CSV and JSON of the last readout, with the numbers the
// workbook's cells hold.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"

#include <QJsonDocument>

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace archive {

namespace {

// yyyy-mm-dd of a day number.
QByteArray isoDate(int dayNumber) {
    int y = 0, m = 0, d = 0;
    device::dateFromDayNumber(dayNumber).getDate(&y, &m, &d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return QByteArray(text);
}

void appendTwoDigits(QByteArray& out, int value) {
    out += char('0' + value / 10 % 10);
    out += char('0' + value % 10);
}

QByteArray hourMinute(int hour, int minute) {
    QByteArray out;
    appendTwoDigits(out, hour);
    out += ':';
    appendTwoDigits(out, minute);
    return out;
}

// A JSON string literal.
QByteArray jsonString(const QString& text) {
    QByteArray out("\"");
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

QByteArray csvField(const QString& field) {
    QByteArray bytes = field.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') ||
        bytes.contains('\n')) {
        bytes.replace("\"", "\"\"");
        return '"' + bytes + '"';
    }
    return bytes;
}

// The event texts of the workbook's variant, each without its leading blank, made once per
// event byte: joined by "; " for CSV, as a JSON array.
struct EventTexts {
    std::array<std::optional<std::pair<QByteArray, QByteArray>>, 256> made;

    const std::pair<QByteArray, QByteArray>& of(quint8 events) {
        auto& slot = made[events];
        if (!slot) {
            QStringList texts = eventTexts(events, EventTarget::Spreadsheet);
            for (QString& t : texts) {
                if (t.startsWith(QLatin1Char(' ')))
                    t.remove(0, 1);
            }
            QByteArray json("[");
            for (int i = 0; i < texts.size(); ++i)
                json += (i ? ", " : "") + jsonString(texts[i]);
            slot.emplace(csvField(texts.join(QStringLiteral("; "))), json + ']');
        }
        return *slot;
    }
};

// One present entry as the exports see it.
struct Row {
    const QByteArray& stamp; // ISO date, or date and minute
    const Record& record;
    double time; // hours (daily) or seconds (minute), as the workbook's column C
};

// The present entries of the readout, newest first, with their stamps: the same walk as the
// reports and the workbook.
template <typename Visit>
void presentRows(Kind kind, const Archives& archives, Visit visit) {
    QByteArray stamp;
    if (kind == Kind::Daily) {
        const DailyArchive& a = archives.daily;
        layOutEntries(
            a.entries, a.summary.recordCount,
            [&](int i, const Record& r) {
                stamp = isoDate(a.summary.endDate - i);
                visit(Row{stamp, r, r.workingTime() / kDailyTimeUnitsPerHour});
            },
            [] {});
        return;
    }
    const MinuteArchive& a = archives.minute;
    // The clock steps back once per entry, present or empty.
    MinuteClock clock{a.summary.endDate, a.summary.endHour, a.summary.endMinute};
    int at = 0;
    int datedDay = clock.date + 1;
    QByteArray date;
    layOutEntries(
        a.entries, a.summary.recordCount,
        [&](int i, const Record& r) {
            for (; at < i; ++at)
                clock.stepBack();
            if (clock.date != datedDay) {
                datedDay = clock.date;
                date = isoDate(clock.date) + 'T';
            }
            stamp = date + hourMinute(clock.hour, clock.minute);
            visit(Row{stamp, r, double(r.workingTime())});
        },
        [] {});
}

// The date of the oldest entry of the minute readout.
int minuteFirstDay(const MinuteSummary& s) {
    const qint64 end =
        qint64(s.endDate) * device::archive_layout::kMinutesPerDay + s.endHour * 60 + s.endMinute;
    return int((end - (s.recordCount > 0 ? s.recordCount - 1 : 0)) /
               device::archive_layout::kMinutesPerDay);
}

} // namespace

QByteArray plainNumberText(double value) {
    if (value == 0)
        return QByteArrayLiteral("0"); // never "-0"
    char text[400];                    // the longest fixed notation of a double fits
    const std::to_chars_result r =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QByteArray(text, int(r.ptr - text));
}

QString plainNumber(double value) { return QString::fromLatin1(plainNumberText(value)); }

namespace {
// What an interrupted readout holds, from its oldest entry to its newest, in the stamps the CSV
// and JSON write; empty when nothing was read.
std::pair<QByteArray, QByteArray> readRange(Kind kind, const Archives& archives) {
    if (kind == Kind::Daily) {
        const DailySummary& s = archives.daily.summary;
        if (s.recordCount == 0)
            return {};
        return {isoDate(s.endDate - s.recordCount + 1), isoDate(s.endDate)};
    }
    const MinuteSummary& s = archives.minute.summary;
    if (s.recordCount == 0)
        return {};
    MinuteClock first{s.endDate, s.endHour, s.endMinute};
    for (int i = 1; i < s.recordCount; ++i)
        first.stepBack();
    return {isoDate(first.date) + 'T' + hourMinute(first.hour, first.minute),
            isoDate(s.endDate) + 'T' + hourMinute(s.endHour, s.endMinute)};
}

bool interrupted(Kind kind, const Archives& archives) {
    return kind == Kind::Daily ? archives.daily.summary.interrupted
                               : archives.minute.summary.interrupted;
}
} // namespace

QByteArray archiveCsv(Kind kind, const Archives& archives) {
    const QString header = kind == Kind::Daily ? texts::csvDailyHeader() : texts::csvMinuteHeader();
    QByteArray out = "\xEF\xBB\xBF" + header.toUtf8() + "\r\n";
    out.reserve(device::archive_layout::kMinuteRecords * 40);
    const QByteArray transferError = ",,," + csvField(texts::transferErrorCell()) + "\r\n";
    EventTexts events;
    presentRows(kind, archives, [&](const Row& row) {
        out += row.stamp;
        if (row.record.unreadable()) {
            out += transferError;
            return;
        }
        out += ',';
        out += plainNumberText(row.record.volumeCubicMetres());
        out += ',';
        out += plainNumberText(row.time);
        out += ',';
        out += events.of(row.record.events()).first;
        out += "\r\n";
    });
    // A stopped readout ends with a row that says what it holds; a complete one has none.
    if (interrupted(kind, archives)) {
        const auto [from, to] = readRange(kind, archives);
        const bool daily = kind == Kind::Daily;
        const QString mark = from.isEmpty()
                                 ? (daily ? texts::interruptedDailyNothingRead()
                                          : texts::interruptedMinuteNothingRead())
                                 : (daily ? texts::interruptedDailyTitle(QString::fromLatin1(from),
                                                                         QString::fromLatin1(to))
                                          : texts::interruptedMinuteTitle(QString::fromLatin1(from),
                                                                          QString::fromLatin1(to)));
        out += csvField(mark) + ",,,\r\n";
    }
    return out;
}

QByteArray archiveJsonText(Kind kind, const Archives& archives) {
    const bool daily = kind == Kind::Daily;
    const QByteArray timeKey = daily ? "\"work_hours\": " : "\"work_s\": ";
    QByteArray out("{\n");
    auto field = [&](const char* key, const QByteArray& json) {
        out += "  \"";
        out += key;
        out += "\": ";
        out += json;
        out += ",\n";
    };
    auto quoted = [](const QByteArray& text) { return '"' + text + '"'; };
    double volumeTotal = 0;
    double timeTotal = 0;
    if (daily) {
        const DailySummary& s = archives.daily.summary;
        field("archive", "\"daily\"");
        field("from", quoted(isoDate(s.endDate - s.recordCount + 1)));
        field("to", quoted(isoDate(s.endDate)));
        field("meter_date", quoted(isoDate(s.meterDate)));
        field("records_read", QByteArray::number(s.recordCount));
        volumeTotal = s.volumeTotal;
        timeTotal = s.hoursTotal;
    } else {
        const MinuteSummary& s = archives.minute.summary;
        field("archive", "\"minute\"");
        field("from", quoted(isoDate(minuteFirstDay(s))));
        field("to", quoted(isoDate(s.endDate)));
        field("meter_date", quoted(isoDate(s.meterDate)));
        field("meter_time", quoted(hourMinute(s.endHour, s.endMinute)));
        field("records_read", QByteArray::number(s.recordCount));
        volumeTotal = s.volumeTotal;
        timeTotal = s.secondsTotal;
    }
    if (interrupted(kind, archives)) {
        field("cancelled", "true");
        const auto [from, to] = readRange(kind, archives);
        if (!from.isEmpty()) {
            field("read_from", quoted(from));
            field("read_to", quoted(to));
        }
    }
    field("totals", "{\"volume_m3\": " + plainNumberText(volumeTotal) + ", " + timeKey +
                        plainNumberText(timeTotal) + '}');
    out += "  \"entries\": [";
    out.reserve(device::archive_layout::kMinuteRecords * 110);
    const QByteArray stampKey = daily ? "\n    {\"date\": \"" : "\n    {\"time\": \"";
    const QByteArray transferError =
        ", \"transfer_error\": true, \"events\": [" + jsonString(texts::transferErrorCell()) + "]}";
    EventTexts events;
    bool first = true;
    presentRows(kind, archives, [&](const Row& row) {
        if (!first)
            out += ',';
        first = false;
        out += stampKey;
        out += row.stamp;
        out += "\", \"event_bits\": ";
        out += QByteArray::number(row.record.events());
        if (row.record.unreadable()) {
            out += transferError;
            return;
        }
        out += ", \"volume_m3\": ";
        out += plainNumberText(row.record.volumeCubicMetres());
        out += ", ";
        out += timeKey;
        out += plainNumberText(row.time);
        out += ", \"events\": ";
        out += events.of(row.record.events()).second;
        out += '}';
    });
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

QJsonObject archiveJson(Kind kind, const Archives& archives) {
    return QJsonDocument::fromJson(archiveJsonText(kind, archives)).object();
}

} // namespace archive
