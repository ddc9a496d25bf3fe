#pragma once

#include <QDate>
#include <QString>

namespace device {

// Calendar dates on the PC side are day numbers: days since 1899-12-30 (the OLE automation
// date, also the spreadsheet's own date count). The meter counts its date as the device day
// number: days since 2000-01-01, an unsigned 16-bit value.
constexpr int kDayNumberOf2000 = 36526;

int dayNumberFromDate(const QDate& date);
QDate dateFromDayNumber(int dayNumber);

int deviceDayFromDayNumber(int dayNumber);
int dayNumberFromDeviceDay(int deviceDay);
QDate dateFromDeviceDay(int deviceDay);

// The device short date: day of month, then (month << 4) | (year - 2007). The year nibble
// covers 2007..2022; years outside wrap modulo 16 so they never spill into the month.
QString formatDeviceShortDate(quint8 day, quint8 monthYear);
quint8 deviceShortDateMonthYear(int month, int year);
// The calendar date a device short date stands for; invalid when its day or month is not one.
QDate dateFromDeviceShortDate(quint8 day, quint8 monthYear);

// Hours and minutes, each two digits, joined by ":" (09:05). Values above 99 are written whole.
QString formatClock(int hours, int minutes);

} // namespace device
