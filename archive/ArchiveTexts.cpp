#include "archive/ArchiveTexts.h"

#include <QCoreApplication>

namespace archive::texts {
QString readingDaily() {
    return QCoreApplication::translate("Archive", "Чтение суточного архива...");
}
QString readingMinute() {
    return QCoreApplication::translate("Archive", "Чтение минутного архива...");
}
QString meterHolds(bool daily, const QString& from, const QString& to) {
    return (daily ? QCoreApplication::translate("Archive", "Суточный архив прибора: с %1 по %2")
                  : QCoreApplication::translate("Archive", "Минутный архив прибора: с %1 по %2"))
        .arg(from, to);
}

QString meterFault() { return QCoreApplication::translate("Archive", " Прибор неисправен."); }
QString sensorsDisconnected() {
    return QCoreApplication::translate("Archive", " Датчики не подключены.");
}
// "Oшибки" begins with the Latin O.
QString measurementErrors() {
    return QCoreApplication::translate("Archive", " Oшибки в измерениях.");
}
QString lowSupplyVoltage() {
    return QCoreApplication::translate("Archive", " Низкое напряжение питания.");
}
QString serialInterfaceUsed() {
    return QCoreApplication::translate("Archive",
                                       " Задействован последовательный интерфейс RS232.");
}
QString programmingMode() {
    return QCoreApplication::translate("Archive", " Режим программирования.");
}
QString transferErrorRow() {
    return QCoreApplication::translate("Archive", " Ошибка при передаче данных...");
}
QString transferErrorCell() {
    return QCoreApplication::translate("Archive", "Ошибка при передаче данных");
}

QString dailyTitle() { return QCoreApplication::translate("Archive", "Суточный архив с "); }
QString minuteTitle() { return QCoreApplication::translate("Archive", "Минутный архив с "); }
QString titleTo() { return QCoreApplication::translate("Archive", " по "); }
QString interruptedDailyTitle(const QString& from, const QString& to) {
    return QCoreApplication::translate("Archive", "Суточный архив. Прервано: прочитано с %1 по %2")
        .arg(from, to);
}
QString interruptedMinuteTitle(const QString& from, const QString& to) {
    return QCoreApplication::translate("Archive", "Минутный архив. Прервано: прочитано с %1 по %2")
        .arg(from, to);
}
QString interruptedDailyNothingRead() {
    return QCoreApplication::translate("Archive", "Суточный архив. Прервано: ничего не прочитано");
}
QString interruptedMinuteNothingRead() {
    return QCoreApplication::translate("Archive", "Минутный архив. Прервано: ничего не прочитано");
}
QString interruptedTotals() {
    return QCoreApplication::translate("Archive", "прервано: итог прочитанного");
}
QString rule() { return QStringLiteral("---------------------------------------"); }
QString noRecords() {
    return QCoreApplication::translate("Archive", "В архиве нет записей для этого интервала дат");
}
QString dailyTotals() { return QCoreApplication::translate("Archive", "Итого:    "); }
QString minuteTotals() { return QCoreApplication::translate("Archive", "Итого:          "); }

const char* const kDailyHeader[3] = {
    "   Дата   |  Объём,  | Время | События",
    "          |    м3    |работы,|",
    "          |          | часов |",
};
const char* const kMinuteHeader[3] = {
    "   Дата   |Время|  Объём,  | Время | События",
    "          |     |    м3    |работы,|",
    "          |     |          |секунд |",
};

QString headingDate() { return QCoreApplication::translate("Archive", "Дата"); }
QString headingDateTime() { return QCoreApplication::translate("Archive", "Дата, время"); }
QString headingVolume() { return QCoreApplication::translate("Archive", "Объём,м3"); }
QString headingHours() { return QCoreApplication::translate("Archive", "Время работы, часов"); }
QString headingSeconds() { return QCoreApplication::translate("Archive", "Время работы, секунд"); }
QString headingEvents() { return QCoreApplication::translate("Archive", "События"); }
QString totalsCell() { return QCoreApplication::translate("Archive", "Итого"); }

QString saveFilter() {
    return QCoreApplication::translate("Archive", "текстовый файл (*.txt);;таблица Excel (*.xls)") +
           QStringLiteral(";;") +
           QCoreApplication::translate(
               "Archive", "таблица CSV (*.csv);;книга Excel 2007 (*.xlsx);;данные JSON (*.json)");
}
// Column names that scripts read: the same in every language.
QString csvDailyHeader() { return QStringLiteral("Дата,Объём (м3),Время работы (ч),События"); }
QString csvMinuteHeader() {
    return QStringLiteral("Дата и время,Объём (м3),Время работы (с),События");
}
QString notReadYet() {
    return QCoreApplication::translate("Archive",
                                       "Архив не прочитан: нажмите «Читать», затем сохраните");
}
QString cannotWriteFile(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("Archive", "Не удаётся записать файл ") + fileName +
           QLatin1Char('\r') + reason;
}

} // namespace archive::texts
