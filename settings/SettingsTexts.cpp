#include "settings/SettingsTexts.h"

#include <QCoreApplication>

#include <array>

namespace settings::texts {
namespace {
// The settings file is a data format: its labels and values stay as they are in every
// translation, so that files keep loading.
QString fixed(const char* text) { return QString::fromUtf8(text); }

struct FieldTexts {
    const char* notANumberPrefix;
    const char* rule;
    const char* outOfRange;
};
// The fields Diameter to ZeroOffset, in their order.
const std::array<FieldTexts, 11> kFieldTexts{{
    {QT_TRANSLATE_NOOP("Settings", "Диаметр указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Диаметр не может быть отрицательным числом\rили равен 0"),
     nullptr},
    {QT_TRANSLATE_NOOP("Settings", "База указана неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "База не может быть меньше 60мм."), nullptr},
    {QT_TRANSLATE_NOOP("Settings", "Угол указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Угол не может быть отрицательным числом\rили равен 0"),
     nullptr},
    {QT_TRANSLATE_NOOP("Settings", "Длина кабеля указана неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Длина кабеля не может быть отрицательным числом"), nullptr},
    {QT_TRANSLATE_NOOP("Settings", "Коэффициент К указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент К не может быть отрицательным числом\rили равен 0"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент К вне допустимого диапазона")},
    {QT_TRANSLATE_NOOP("Settings", "Коэффициент А указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент А не может быть отрицательным числом\rили равен 0"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент А вне допустимого диапазона")},
    {QT_TRANSLATE_NOOP("Settings", "Коэффициент B указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент B не может быть отрицательным числом\rили равен 0"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент B вне допустимого диапазона")},
    {QT_TRANSLATE_NOOP("Settings", "Коэффициент С указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент С не может быть отрицательным числом\rили равен 0"),
     QT_TRANSLATE_NOOP("Settings", "Коэффициент С вне допустимого диапазона")},
    {QT_TRANSLATE_NOOP("Settings", "Отсечка нуля указана неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Отсечка нуля не может быть отрицательным числом"),
     QT_TRANSLATE_NOOP("Settings", "Отсечка нуля вне допустимого диапазона")},
    {QT_TRANSLATE_NOOP("Settings", "Вес импульса указан неверно\r"),
     QT_TRANSLATE_NOOP("Settings", "Вес импульса не может быть отрицательным числом\rили равен 0"),
     nullptr},
    {QT_TRANSLATE_NOOP("Settings", "Смещение нуля указано неверно\r"), nullptr,
     QT_TRANSLATE_NOOP("Settings", "Смещение нуля вне допустимого диапазона")},
}};

const FieldTexts* textsOf(FieldId field) {
    const int i = int(field) - int(FieldId::Diameter);
    return i >= 0 && i < int(kFieldTexts.size()) ? &kFieldTexts[std::size_t(i)] : nullptr;
}

const std::array<const char*, 34> kFileLabels{{
    nullptr,
    "тип врезки:",
    nullptr,
    "датчики:",
    nullptr,
    "Рабочая среда:",
    nullptr,
    "Период измерения, сек:",
    nullptr,
    "Внутренний диаметр трубы, мм:",
    nullptr,
    "Расстояние между мембранами, мм:",
    nullptr,
    "Угол наклона акустического канала, град.:",
    nullptr,
    "Длина кабеля, м:",
    nullptr,
    "Коэффициент коррекции K:",
    nullptr,
    "Поправочный коэффициент A:",
    nullptr,
    "Поправочный коэффициент B:",
    nullptr,
    "Поправочный коэффициент C:",
    nullptr,
    "Отсечка нуля:",
    nullptr,
    nullptr,
    "Вес импульса, литров/импульс:",
    nullptr,
    "Смещение нуля, мкс:",
    nullptr,
    "Смещение окна, мкс:",
    nullptr,
}};
} // namespace

QString writingSettings() {
    return QCoreApplication::translate("Settings", "Настройка прибора...");
}
QString applyQuestion() {
    return QCoreApplication::translate(
        "Settings", "Вы действительно хотите применить\rновые настройки к прибору?");
}
QString clearingDaily() {
    return QCoreApplication::translate("Settings", "Очистка суточного архива...");
}
QString clearingMinute() {
    return QCoreApplication::translate("Settings", "Очистка минутного архива...");
}
QString totalsNotCleared(const QString& list) {
    return QCoreApplication::translate("Settings", "Накопление не обнулено: %1").arg(list);
}
QString settingByteNotZero(int address) {
    return QCoreApplication::translate("Settings", "байт настроек %1").arg(address);
}
QString memoryNotZero(int address, int bytes) {
    return QCoreApplication::translate("Settings", "память %1: не нулевых байт %2")
        .arg(address)
        .arg(bytes);
}
QString dailyArchiveName() { return QCoreApplication::translate("Settings", "Суточный архив"); }
QString minuteArchiveName() { return QCoreApplication::translate("Settings", "Минутный архив"); }
QString archiveNotCleared(const QString& archive, int records) {
    return QCoreApplication::translate("Settings",
                                       "%1 не очищен: после очистки не пусты записи: %2")
        .arg(archive)
        .arg(records);
}
QString timeInvalid() { return QCoreApplication::translate("Settings", "Время указано неверно"); }
QString windowTooSmall() {
    return QCoreApplication::translate("Settings", "Смещение окна слишком мало");
}
QString clearTotalsQuestion() {
    return QCoreApplication::translate(
        "Settings", "Вы действительно хотите очистить значения\rобъёма жидкости, времени наработки "
                    "и\rвремени простоя прибора?");
}
QString clearingTotals() {
    return QCoreApplication::translate("Settings", "Очистка накопления...");
}
QString angleNotBelow90() {
    return QCoreApplication::translate(
        "Settings", "Угол не может быть больше 90 градусов\rили равен 90 градусам");
}

QString notANumber(FieldId field, const QString& typed) {
    const FieldTexts* t = textsOf(field);
    return t ? QCoreApplication::translate("Settings", t->notANumberPrefix) + typed +
                   QCoreApplication::translate("Settings", " - не число")
             : QString();
}

QString ruleBroken(FieldId field) {
    const FieldTexts* t = textsOf(field);
    return t && t->rule ? QCoreApplication::translate("Settings", t->rule) : QString();
}

QString outOfRange(FieldId field) {
    const FieldTexts* t = textsOf(field);
    return t && t->outOfRange ? QCoreApplication::translate("Settings", t->outOfRange) : QString();
}

QString fileLabel(int line) {
    if (line < 1 || line >= int(kFileLabels.size()) || !kFileLabels[std::size_t(line)])
        return {};
    return fixed(kFileLabels[std::size_t(line)]);
}

QString axialInsertion() { return fixed("ВТК-А (осевое)"); }
QString diametralInsertion() { return fixed("ВТК-Б (диаметральное)"); }
QString sensorsType6() { return fixed("тип 6"); }
QString sensorsType3() { return fixed("тип 3"); }
QString water() { return fixed("вода"); }
QString oil() { return fixed("нефтепродукты"); }
QString unitPerHour() { return fixed("м3/ч"); }
QString periodOneSecond() { return QStringLiteral("1"); }
QString periodFourSeconds() { return QStringLiteral("4"); }
QString unitPercent() { return QStringLiteral("%"); }
// The dialogs' filter, written the way the file dialogs take it.
QString fileFilter() {
    return QCoreApplication::translate("Settings", "файл с настройками (*.dat)");
}

QString diameterTooLarge() {
    return QCoreApplication::translate("Settings", "Диаметр слишком велик");
}
QString diameterTooSmall() {
    return QCoreApplication::translate("Settings", "Диаметр слишком мал");
}
QString baseTooLarge() { return QCoreApplication::translate("Settings", "База слишком велика"); }
QString angleTooLarge() { return QCoreApplication::translate("Settings", "Угол слишком велик"); }
QString cableLengthTooLarge() {
    return QCoreApplication::translate("Settings", "Длина кабеля слишком велика");
}
QString pulseWeightTooLarge() {
    return QCoreApplication::translate("Settings", "Вес импульса слишком велик");
}
QString windowTooLarge() {
    return QCoreApplication::translate("Settings", "Смещение окна слишком велико");
}
QString pathCoefficientOutOfRange() {
    return QCoreApplication::translate(
        "Settings", "Коэффициент К, база и диаметр дают\rнедопустимый путевой коэффициент");
}
QString dateTooEarly() {
    return QCoreApplication::translate("Settings", "Дата не может быть раньше 01.01.2000");
}
QString dateTooLate() {
    return QCoreApplication::translate("Settings", "Дата не может быть позже 06.06.2179");
}

QString cannotReadFile(const QString& path) {
    return QCoreApplication::translate("Settings", "Не удаётся прочитать файл настроек\r") + path;
}
QString fileTooShort(const QString& path) {
    return QCoreApplication::translate("Settings", "Файл настроек неполный (меньше 33 строк)\r") +
           path;
}
QString windowOffsetInFileNotANumber(const QString& typed) {
    return QCoreApplication::translate("Settings",
                                       "Смещение окна в файле настроек указано неверно\r") +
           typed + QCoreApplication::translate("Settings", " - не число");
}
QString cannotWriteFile(const QString& path) {
    return QCoreApplication::translate("Settings", "Не удаётся записать файл настроек\r") + path;
}
QString fileTooLarge(const QString& path) {
    return QCoreApplication::translate("Settings",
                                       "Файл настроек слишком велик, это не файл настроек\r") +
           path;
}
QString labelLineMismatch(const QString& path, int line, const QString& label) {
    return QCoreApplication::translate("Settings",
                                       "Строка %1 файла настроек должна начинаться с \"%2\"\r")
               .arg(line)
               .arg(label) +
           path;
}
QString choiceLineMismatch(const QString& path, int line, const QString& first,
                           const QString& second) {
    return QCoreApplication::translate("Settings",
                                       "В строке %1 файла настроек нет ни \"%2\", ни \"%3\"\r")
               .arg(line)
               .arg(first, second) +
           path;
}

QString windowStartLabel() { return QCoreApplication::translate("Settings", "Начало окна, мкс:"); }
QString pathDelayLabel() { return QCoreApplication::translate("Settings", "Задержка сигнала:"); }
QString delayConstantLabel() {
    return QCoreApplication::translate("Settings", "Константа задержки:");
}
QString crossSectionLabel() {
    return QCoreApplication::translate("Settings", "Площадь сечения трубы, см2:");
}
QString pathCoefficientLabel() {
    return QCoreApplication::translate("Settings", "Путевой коэффициент:");
}
QString dateStampLabel() {
    return QCoreApplication::translate("Settings", "Дата последней записи настроек:");
}
QString hourStampLabel() {
    return QCoreApplication::translate("Settings", "Час последней записи настроек:");
}
QString clockDateLabel() { return QCoreApplication::translate("Settings", "Дата:"); }
QString clockTimeLabel() { return QCoreApplication::translate("Settings", "Время:"); }
QString settingsEqual() {
    return QCoreApplication::translate("Settings", "Настройки прибора совпадают с формой");
}
QString settingsDiffer(int fields) {
    return QCoreApplication::translate(
        "Settings", "Настройки прибора отличаются от формы (%n полей):", nullptr, fields);
}
namespace {
// A value as it may be shown on a terminal: a character that is not printable (a control
// byte, a NUL) is written as \xNN or \uNNNN.
QString printable(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c.isPrint() || c == QLatin1Char(' '))
            out += c;
        else if (c.unicode() < 0x100)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}
} // namespace

QString differenceLine(const QString& label, const QString& meter, const QString& form) {
    return label + QLatin1Char(' ') + printable(meter) + QStringLiteral(" -> ") + printable(form);
}
QString writeNotVerified(int fields) {
    return QCoreApplication::translate(
        "Settings", "Настройки в приборе не совпадают с записанными (%n полей):", nullptr, fields);
}
QString mismatchLine(const QString& label, const QString& meter, const QString& intended) {
    const QString shown =
        meter.isEmpty() ? QCoreApplication::translate("Settings", "не прочитано") : meter;
    return QCoreApplication::translate("Settings", "%1 в приборе %2, записано %3")
        .arg(label, shown, intended);
}
QString compareCaption() { return QCoreApplication::translate("Settings", "Сравнение"); }
QString dailyWillBeCleared() {
    return QCoreApplication::translate("Settings", "Суточный архив будет очищен.");
}
QString minuteWillBeCleared() {
    return QCoreApplication::translate("Settings", "Минутный архив будет очищен.");
}
QString clockWillBeSet(const QString& set, const QString& pc) {
    return QCoreApplication::translate("Settings",
                                       "Часы прибора будут установлены на %1 (время ПК %2).")
        .arg(set, pc);
}

QString dateLinePrefix() { return QCoreApplication::translate("Settings", "Дата: "); }
QString timeLinePrefix() { return QCoreApplication::translate("Settings", "Время: "); }

} // namespace settings::texts
