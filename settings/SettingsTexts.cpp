#include "settings/SettingsTexts.h"

#include <QCoreApplication>

#include <array>

namespace settings_texts {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Settings", text); }
// The settings file is a data format: its labels and values stay as they are in every
// translation, so that files keep loading.
QString fixed(const char* text) { return QString::fromUtf8(text); }

struct FieldTexts {
    const char* notANumberPrefix;
    const char* rule;
    const char* outOfRange;
};
// Indexed by Field.
const std::array<FieldTexts, 11> kFieldTexts{{
    {"Диаметр указан неверно\r", "Диаметр не может быть отрицательным числом\rили равен 0",
     nullptr},
    {"База указана неверно\r", "База не может быть меньше 60мм.", nullptr},
    {"Угол указан неверно\r", "Угол не может быть отрицательным числом\rили равен 0", nullptr},
    {"Длина кабеля указана неверно\r", "Длина кабеля не может быть отрицательным числом", nullptr},
    {"Коэффициент К указан неверно\r",
     "Коэффициент К не может быть отрицательным числом\rили равен 0",
     "Коэффициент К вне допустимого диапазона"},
    {"Коэффициент А указан неверно\r",
     "Коэффициент А не может быть отрицательным числом\rили равен 0",
     "Коэффициент А вне допустимого диапазона"},
    {"Коэффициент B указан неверно\r",
     "Коэффициент B не может быть отрицательным числом\rили равен 0",
     "Коэффициент B вне допустимого диапазона"},
    {"Коэффициент С указан неверно\r",
     "Коэффициент С не может быть отрицательным числом\rили равен 0",
     "Коэффициент С вне допустимого диапазона"},
    {"Отсечка нуля указана неверно\r", "Отсечка нуля не может быть отрицательным числом",
     "Отсечка нуля вне допустимого диапазона"},
    {"Вес импульса указан неверно\r",
     "Вес импульса не может быть отрицательным числом\rили равен 0", nullptr},
    {"Смещение нуля указано неверно\r", nullptr, "Смещение нуля вне допустимого диапазона"},
}};

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

QString writingSettings() { return tr("Настройка прибора..."); }
QString programmingForbidden() { return tr("Программирование запрещено"); }
QString applyQuestion() {
    return tr("Вы действительно хотите применить\rновые настройки к прибору?");
}
QString clearingDaily() { return tr("Очистка суточного архива..."); }
QString clearingMinute() { return tr("Очистка минутного архива..."); }
QString timeInvalid() { return tr("Время указано неверно"); }
QString windowTooSmall() { return tr("Смещение окна слишком мало"); }
QString clearTotalsQuestion() {
    return tr("Вы действительно хотите очистить значения\rобъёма жидкости, времени наработки "
              "и\rвремени простоя прибора?");
}
QString clearingForbidden() { return tr("Очистка запрещена"); }
QString clearingTotals() { return tr("Очистка накопления..."); }
QString angleNotBelow90() {
    return tr("Угол не может быть больше 90 градусов\rили равен 90 градусам");
}

QString notANumber(Field field, const QString& typed) {
    return tr(kFieldTexts[std::size_t(field)].notANumberPrefix) + typed + tr(" - не число");
}

QString ruleBroken(Field field) {
    const char* rule = kFieldTexts[std::size_t(field)].rule;
    return rule ? tr(rule) : QString();
}

QString outOfRange(Field field) {
    const char* text = kFieldTexts[std::size_t(field)].outOfRange;
    return text ? tr(text) : QString();
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
QString fileFilter() { return tr("файл с настройками (*.dat)"); }

QString settingsNotWritten() { return tr("Настройки не записаны"); }
QString archiveUnavailable() { return tr("Архив прибора недоступен, очистка не выполнена"); }

QString diameterTooLarge() { return tr("Диаметр слишком велик"); }
QString diameterTooSmall() { return tr("Диаметр слишком мал"); }
QString baseTooLarge() { return tr("База слишком велика"); }
QString angleTooLarge() { return tr("Угол слишком велик"); }
QString cableLengthTooLarge() { return tr("Длина кабеля слишком велика"); }
QString pulseWeightTooLarge() { return tr("Вес импульса слишком велик"); }
QString windowTooLarge() { return tr("Смещение окна слишком велико"); }
QString pathCoefficientOutOfRange() {
    return tr("Коэффициент К, база и диаметр дают\rнедопустимый путевой коэффициент");
}
QString dateTooEarly() { return tr("Дата не может быть раньше 01.01.2000"); }
QString dateTooLate() { return tr("Дата не может быть позже 06.06.2179"); }

QString cannotReadFile(const QString& path) {
    return tr("Не удаётся прочитать файл настроек\r") + path;
}
QString fileTooShort(const QString& path) {
    return tr("Файл настроек неполный (меньше 33 строк)\r") + path;
}
QString windowOffsetInFileNotANumber(const QString& typed) {
    return tr("Смещение окна в файле настроек указано неверно\r") + typed + tr(" - не число");
}
QString cannotWriteFile(const QString& path) {
    return tr("Не удаётся записать файл настроек\r") + path;
}

QString windowStartLabel() { return tr("Начало окна, мкс:"); }
QString pathDelayLabel() { return tr("Задержка сигнала:"); }
QString delayConstantLabel() { return tr("Константа задержки:"); }
QString crossSectionLabel() { return tr("Площадь сечения трубы, см2:"); }
QString pathCoefficientLabel() { return tr("Путевой коэффициент:"); }
QString dateStampLabel() { return tr("Дата последней записи настроек:"); }
QString hourStampLabel() { return tr("Час последней записи настроек:"); }
QString clockDateLabel() { return tr("Дата:"); }
QString clockTimeLabel() { return tr("Время:"); }
QString settingsEqual() { return tr("Настройки прибора совпадают с формой"); }
QString settingsDiffer() { return tr("Настройки прибора отличаются от формы:"); }
QString differenceLine(const QString& label, const QString& meter, const QString& form) {
    return label + QLatin1Char(' ') + meter + QStringLiteral(" -> ") + form;
}
QString writeNotVerified() { return tr("Настройки в приборе не совпадают с записанными:"); }
QString mismatchLine(const QString& label, const QString& meter, const QString& intended) {
    const QString shown = meter.isEmpty() ? tr("не прочитано") : meter;
    return tr("%1 в приборе %2, записано %3").arg(label, shown, intended);
}
QString compareCaption() { return tr("Сравнение"); }
QString dailyWillBeCleared() { return tr("Суточный архив будет очищен."); }
QString minuteWillBeCleared() { return tr("Минутный архив будет очищен."); }
QString clockWillBeSet(const QString& set, const QString& pc) {
    return tr("Часы прибора будут установлены на %1 (время ПК %2).").arg(set, pc);
}

QString dateLinePrefix() { return tr("Дата: "); }
QString timeLinePrefix() { return tr("Время: "); }

} // namespace settings_texts
