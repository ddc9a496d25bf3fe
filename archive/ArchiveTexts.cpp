#include "archive/ArchiveTexts.h"

#include <QCoreApplication>

namespace archive::texts {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Archive", text); }
} // namespace

QString archiveUnavailable() { return tr("Архив недоступен"); }
QString invalidInterval() { return tr("Ошибка. Указан неверный интервал"); }
QString startAfterEnd() { return tr("Ошибка. Указана дата начала больше даты окончания"); }
QString readingDaily() { return tr("Чтение суточного архива..."); }
QString readingMinute() { return tr("Чтение минутного архива..."); }
QString readSuccessfully(int count) {
    return tr("Завершено успешно. Прочитано ") + QString::number(count) + tr(" записей");
}
// The letter after "Завершено " is the Latin c, as the meter's users know the text.
QString readWithErrors(int errors) {
    return tr("Завершено c ") + QString::number(errors) + tr(" ошибками при передаче");
}
QString invalidMeterClock() { return tr("Ошибка. Прибор сообщил неверное время"); }

QString meterFault() { return tr(" Прибор неисправен."); }
QString sensorsDisconnected() { return tr(" Датчики не подключены."); }
// "Oшибки" begins with the Latin O.
QString measurementErrors() { return tr(" Oшибки в измерениях."); }
QString lowSupplyVoltage() { return tr(" Низкое напряжение питания."); }
QString serialInterfaceUsed() { return tr(" Задействован последовательный интерфейс RS232."); }
QString programmingMode() { return tr(" Режим программирования."); }
QString transferErrorRow() { return tr(" Ошибка при передаче данных..."); }
QString transferErrorCell() { return tr("Ошибка при передаче данных"); }

QString dailyTitle() { return tr("Суточный архив с "); }
QString minuteTitle() { return tr("Минутный архив с "); }
QString titleTo() { return tr(" по "); }
QString rule() { return QStringLiteral("---------------------------------------"); }
QString noRecords() { return tr("В архиве нет записей для этого интервала дат"); }
QString dailyTotals() { return tr("Итого:    "); }
QString minuteTotals() { return tr("Итого:          "); }

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

QString headingDate() { return tr("Дата"); }
QString headingDateTime() { return tr("Дата, время"); }
QString headingVolume() { return tr("Объём,м3"); }
QString headingHours() { return tr("Время работы, часов"); }
QString headingSeconds() { return tr("Время работы, секунд"); }
QString headingEvents() { return tr("События"); }
QString totalsCell() { return tr("Итого"); }

QString saveFilter() {
    return tr("текстовый файл (*.txt);;таблица Excel (*.xls)") + QStringLiteral(";;") +
           tr("таблица CSV (*.csv);;книга Excel 2007 (*.xlsx);;данные JSON (*.json)");
}
// Column names that scripts read: the same in every language.
QString csvDailyHeader() { return QStringLiteral("Дата,Объём (м3),Время работы (ч),События"); }
QString csvMinuteHeader() {
    return QStringLiteral("Дата и время,Объём (м3),Время работы (с),События");
}
QString notReadYet() { return tr("Архив не прочитан: нажмите «Читать», затем сохраните"); }
QString cannotWriteFile(const QString& fileName, const QString& reason) {
    return tr("Не удаётся записать файл ") + fileName + QLatin1Char('\r') + reason;
}

} // namespace archive::texts
