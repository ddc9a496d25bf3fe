#include "store/StoreTexts.h"

#include <QCoreApplication>

namespace store::texts {

QString storeFailed(const QString& store, const QString& reason) {
    return QCoreApplication::translate("Store", "Хранилище %1 недоступно: %2").arg(store, reason);
}

QString newerSchema(int found, int known) {
    return QCoreApplication::translate(
               "Store",
               "хранилище записано более новой версией программы (схема %1, эта программа знает "
               "схему до %2)")
        .arg(found)
        .arg(known);
}

QString unknownLocation() {
    return QCoreApplication::translate(
        "Store", "ожидается путь к файлу или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА");
}

QString storeOff() {
    return QCoreApplication::translate("Store",
                                       "хранилище отключено (--no-store, ZETRA_STORE=none)");
}

QString syncLine(bool daily, int read, int fresh, int conflicts, int unreadable) {
    QString line = (daily ? QCoreApplication::translate(
                                "Store", "Суточный архив: прочитано %n записей", nullptr, read)
                          : QCoreApplication::translate(
                                "Store", "Минутный архив: прочитано %n записей", nullptr, read)) +
                   QCoreApplication::translate("Store", ", новых %1").arg(fresh);
    if (conflicts != 0)
        line += QCoreApplication::translate("Store", ", конфликтов %1").arg(conflicts);
    if (unreadable != 0)
        line += QCoreApplication::translate("Store", ", не прочитано %1").arg(unreadable);
    return line;
}

QString meterLine(int serial, const QString& manufactured, const QString& daily,
                  const QString& minute, const QString& lastVisit) {
    return QCoreApplication::translate("Store", "%1 от %2: сутки %3, минуты %4, %5")
        .arg(serial)
        .arg(manufactured, daily, minute, lastVisit);
}

QString noRecordsStored() { return QCoreApplication::translate("Store", "нет записей"); }
QString noVisit() { return QCoreApplication::translate("Store", "визитов нет"); }

QString visitWithDrift(const QString& when, const QString& drift) {
    return drift.isEmpty()
               ? QCoreApplication::translate("Store", "последний визит %1").arg(when)
               : QCoreApplication::translate("Store", "последний визит %1, часы прибора %2 с")
                     .arg(when, drift);
}

QString unknownMeter(int serial) {
    return QCoreApplication::translate("Store", "Прибора %1 нет в хранилище").arg(serial);
}

QString ambiguousMeter(int serial) {
    return QCoreApplication::translate(
               "Store", "В хранилище несколько приборов с номером %1: укажите --manufactured")
        .arg(serial);
}

QString minuteHistoryCut(const QString& shownFrom, const QString& stored) {
    return QCoreApplication::translate(
               "Store",
               "В хранилище минуты %1; отчёт вмещает 45 суток и показывает минуты с %2. Другие "
               "сутки: укажите FROM и TO")
        .arg(stored, shownFrom);
}

QString historyTabCaption() { return QCoreApplication::translate("Store", "История"); }
QString syncButton() { return QCoreApplication::translate("Store", "Синхронизировать"); }

QString visitColumns() {
    return QCoreApplication::translate("Store", "Время;Действие;Итог;Уход часов, с");
}

QString minuteRangeTooLong(int max) {
    return QCoreApplication::translate(
               "Store",
               "Минутная история показывается не больше чем за %1 суток: выберите диапазон короче")
        .arg(max);
}

} // namespace store::texts
