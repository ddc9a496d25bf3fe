#include "device/DeviceDates.h"

#include <QCoreApplication>

namespace device {

namespace {
// Day 0 of the day numbers. A function rather than a global, so that other files' globals
// may use the day numbers while the program starts.
QDate dayZero() {
    static const QDate date(1899, 12, 30);
    return date;
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
} // namespace

int dayNumberFromDate(const QDate& date) { return int(dayZero().daysTo(date)); }

QDate dateFromDayNumber(int dayNumber) { return dayZero().addDays(dayNumber); }

int deviceDayFromDayNumber(int dayNumber) { return dayNumber - kDayNumberOf2000; }

int dayNumberFromDeviceDay(int deviceDay) { return deviceDay + kDayNumberOf2000; }

QDate dateFromDeviceDay(int deviceDay) {
    return dateFromDayNumber(dayNumberFromDeviceDay(deviceDay));
}

QString formatDeviceShortDate(quint8 day, quint8 monthYear) {
    const int month = monthYear >> 4;
    const int year = 2007 + (monthYear & 0x0F);
    // "05.03.2009г.": the year's abbreviation is Russian, so the whole pattern is a text.
    return QCoreApplication::translate("Device", "%1.%2.%3г.")
        .arg(twoDigits(day), twoDigits(month), QString::number(year));
}

QDate dateFromDeviceShortDate(quint8 day, quint8 monthYear) {
    return QDate(2007 + (monthYear & 0x0F), monthYear >> 4, day);
}

quint8 deviceShortDateMonthYear(int month, int year) {
    const int yearNibble = ((year - 2007) % 16 + 16) % 16;
    return quint8(((month & 0x0F) << 4) | yearNibble);
}

QString formatClock(int hours, int minutes) {
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes);
}

} // namespace device
