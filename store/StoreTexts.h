#pragma once

#include <QString>

// The texts of the store, shared by the window and zetra-cli.
namespace store::texts {

// "Хранилище PATH недоступно: REASON", under the caption "Ошибка".
QString storeFailed(const QString& store, const QString& reason);
QString newerSchema(int found, int known); // a store written by a newer program
QString unknownLocation();                 // --store names neither a file nor a server
QString storeOff();                        // --no-store, yet the command needs the store

// The sync's line per archive: "Суточный архив: прочитано N записей, новых K", with
// ", конфликтов C" and ", не прочитано U" when not zero.
QString syncLine(bool daily, int read, int fresh, int conflicts, int unreadable);

// zetra-cli meters and history.
QString meterLine(int serial, const QString& manufactured, const QString& daily,
                  const QString& minute, const QString& lastVisit);
QString noRecordsStored(); // "нет записей"
QString noVisit();         // "визитов нет"
QString visitWithDrift(const QString& when, const QString& drift);
QString unknownMeter(int serial);   // history: no such meter in the store
QString ambiguousMeter(int serial); // history: two meters share the serial
// A minute history longer than one report holds: the newest part shown from `shownFrom`.
QString minuteHistoryCut(const QString& shownFrom, const QString& stored);

// The window's history tab.
QString historyTabCaption();         // "История"
QString syncButton();                // "Синхронизировать"
QString visitColumns();              // the visit list's headings, separated by ";"
QString minuteRangeTooLong(int max); // the minute pickers span more than one report

} // namespace store::texts
