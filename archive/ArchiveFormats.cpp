// The archive as data for scripts: CSV and JSON of the last readout, with the numbers the
// workbook's cells hold.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"

#include <QJsonArray>

namespace archive {

namespace {

QString isoDate(int dayNumber) { return dateFromDayNumber(dayNumber).toString(Qt::ISODate); }

QString isoMinute(const MinuteClock& clock) {
    return isoDate(clock.date) + QStringLiteral("T%1:%2")
                                     .arg(clock.hour, 2, 10, QLatin1Char('0'))
                                     .arg(clock.minute, 2, 10, QLatin1Char('0'));
}

// Each text without its leading blank.
QStringList bareTexts(const QStringList& list) {
    QStringList out;
    out.reserve(list.size());
    for (const QString& text : list)
        out << (text.startsWith(QLatin1Char(' ')) ? text.mid(1) : text);
    return out;
}

// One present entry as the exports see it.
struct Row {
    QString stamp; // ISO date, or date and minute
    const Record* record;
    double time; // hours (daily) or seconds (minute), as the workbook's column C
};

// The present entries of the readout, newest first, with their stamps: the same walk as the
// reports and the workbook.
template <typename Visit>
void presentRows(Kind kind, const Archives& archives, Visit visit) {
    if (kind == Kind::Daily) {
        const DailyArchive& a = archives.daily;
        layOutEntries(
            a.entries, a.summary.recordCount,
            [&](int i, const Record& r) {
                visit(Row{isoDate(a.summary.endDate - i), &r,
                          r.workingTime() / kDailyTimeUnitsPerHour});
            },
            [] {});
        return;
    }
    const MinuteArchive& a = archives.minute;
    const int count = a.summary.recordCount;
    // The clock steps back once per entry, present or empty.
    MinuteClock clock{a.summary.endDate, a.summary.endHour, a.summary.endMinute};
    int at = 0;
    layOutEntries(
        a.entries, count,
        [&](int i, const Record& r) {
            for (; at < i; ++at)
                clock.stepBack();
            visit(Row{isoMinute(clock), &r, double(r.workingTime())});
        },
        [] {});
}

QString csvField(const QString& field) {
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : field) {
        if (special.contains(c)) {
            QString quoted = field;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return field;
}

// The date of the oldest entry of the minute readout.
int minuteFirstDay(const MinuteSummary& s) {
    const qint64 end =
        qint64(s.endDate) * archive_layout::kMinutesPerDay + s.endHour * 60 + s.endMinute;
    return int((end - (s.recordCount > 0 ? s.recordCount - 1 : 0)) /
               archive_layout::kMinutesPerDay);
}

} // namespace

QString plainNumber(double value) {
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

QByteArray archiveCsv(Kind kind, const Archives& archives) {
    const QString header = kind == Kind::Daily ? texts::csvDailyHeader() : texts::csvMinuteHeader();
    QString out = QChar(0xFEFF) + header + QStringLiteral("\r\n");
    const QString separator = QStringLiteral("; ");
    presentRows(kind, archives, [&](const Row& row) {
        QStringList fields{row.stamp};
        if (row.record->unreadable()) {
            fields << QString() << QString() << texts::transferErrorCell();
        } else {
            fields << plainNumber(row.record->volumeCubicMetres()) << plainNumber(row.time)
                   << bareTexts(eventTexts(row.record->events(), EventTarget::Spreadsheet))
                          .join(separator);
        }
        for (QString& field : fields)
            field = csvField(field);
        out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    });
    return out.toUtf8();
}

QJsonObject archiveJson(Kind kind, const Archives& archives) {
    const bool daily = kind == Kind::Daily;
    const QString timeKey = daily ? QStringLiteral("work_hours") : QStringLiteral("work_s");
    const QString stampKey = daily ? QStringLiteral("date") : QStringLiteral("time");
    QJsonObject o;
    QJsonObject totals;
    if (daily) {
        const DailySummary& s = archives.daily.summary;
        o[QStringLiteral("archive")] = QStringLiteral("daily");
        o[QStringLiteral("from")] = isoDate(s.endDate - s.recordCount + 1);
        o[QStringLiteral("to")] = isoDate(s.endDate);
        o[QStringLiteral("meter_date")] = isoDate(s.endDate);
        o[QStringLiteral("records_read")] = s.recordCount;
        totals[QStringLiteral("volume_m3")] = s.volumeTotal;
        totals[timeKey] = s.hoursTotal;
    } else {
        const MinuteSummary& s = archives.minute.summary;
        o[QStringLiteral("archive")] = QStringLiteral("minute");
        o[QStringLiteral("from")] = isoDate(minuteFirstDay(s));
        o[QStringLiteral("to")] = isoDate(s.endDate);
        o[QStringLiteral("meter_date")] = isoDate(s.endDate);
        o[QStringLiteral("meter_time")] = QStringLiteral("%1:%2")
                                              .arg(s.endHour, 2, 10, QLatin1Char('0'))
                                              .arg(s.endMinute, 2, 10, QLatin1Char('0'));
        o[QStringLiteral("records_read")] = s.recordCount;
        totals[QStringLiteral("volume_m3")] = s.volumeTotal;
        totals[timeKey] = s.secondsTotal;
    }
    o[QStringLiteral("totals")] = totals;
    QJsonArray entries;
    presentRows(kind, archives, [&](const Row& row) {
        QJsonObject e;
        e[stampKey] = row.stamp;
        e[QStringLiteral("event_bits")] = row.record->events();
        if (row.record->unreadable()) {
            e[QStringLiteral("transfer_error")] = true;
            e[QStringLiteral("events")] = QJsonArray{texts::transferErrorCell()};
        } else {
            e[QStringLiteral("volume_m3")] = row.record->volumeCubicMetres();
            e[timeKey] = row.time;
            e[QStringLiteral("events")] = QJsonArray::fromStringList(
                bareTexts(eventTexts(row.record->events(), EventTarget::Spreadsheet)));
        }
        entries.append(e);
    });
    o[QStringLiteral("entries")] = entries;
    return o;
}

} // namespace archive
