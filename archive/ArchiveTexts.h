#pragma once

#include <QString>

// Every text of the archives: statuses, report lines, workbook cells, dialog texts. The window
// and zetra-cli both take them from here.
namespace archive::texts {

// Statuses of the readouts while they run; how they end is the outcome's (core::statusText).
QString readingDaily();  // "Чтение суточного архива..."
QString readingMinute(); // "Чтение минутного архива..."
// After an interval refusal: "Суточный архив прибора: с <from> по <to>" (or the minute archive).
QString meterHolds(bool daily, const QString& from, const QString& to);

// Event texts; each begins with a blank.
QString meterFault();
QString sensorsDisconnected();
QString measurementErrors(); // the word begins with a Latin O
QString lowSupplyVoltage();
QString serialInterfaceUsed();
QString programmingMode();
QString transferErrorRow(); // " Ошибка при передаче данных..." in the text report
QString transferErrorCell(); // "Ошибка при передаче данных" in the workbook

// Text reports.
QString dailyTitle();  // "Суточный архив с "
QString minuteTitle(); // "Минутный архив с "
QString titleTo();     // " по "
// The title of a readout that ended before its start date: what it holds, oldest first.
QString interruptedDailyTitle(const QString& from, const QString& to);
QString interruptedMinuteTitle(const QString& from, const QString& to);
QString interruptedDailyNothingRead();
QString interruptedMinuteNothingRead();
QString interruptedTotals(); // beside the totals: they add up only what was read
QString rule();              // 39 hyphens
QString noRecords(); // "В архиве нет записей для этого интервала дат"
QString dailyTotals();  // "Итого:    "
QString minuteTotals(); // "Итого:          "
extern const char* const kDailyHeader[3];
extern const char* const kMinuteHeader[3];

// Workbook cells.
QString headingDate();     // "Дата"
QString headingDateTime(); // "Дата, время"
QString headingVolume();   // "Объём,м3"
QString headingHours();    // "Время работы, часов"
QString headingSeconds();  // "Время работы, секунд": the minute archive's own unit
QString headingEvents();   // "События"
QString totalsCell();      // "Итого"

// Export.
QString saveFilter();     // the save dialog's entries: text file, workbook, CSV, xlsx, JSON
QString csvDailyHeader(); // "Дата,Объём (м3),Время работы (ч),События"
QString csvMinuteHeader(); // "Дата и время,Объём (м3),Время работы (с),События"
QString notReadYet(); // a workbook of an archive that was never read
QString cannotWriteFile(const QString& fileName, const QString& reason);

} // namespace archive::texts
