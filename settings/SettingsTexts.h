#pragma once

#include "settings/SettingsFields.h"

#include <QString>

// Every text of the Settings tab's actions and of clearing the totals, shared by the window
// and zetra-cli. In message texts a carriage return breaks the line.
namespace settings::texts {

// Reading and writing.
QString writingSettings(); // "Настройка прибора..."
QString applyQuestion(); // "Вы действительно хотите применить\rновые настройки к прибору?"
QString clearingDaily(); // "Очистка суточного архива..."
QString clearingMinute();    // "Очистка минутного архива..."
QString dailyArchiveName();  // "Суточный архив"
QString minuteArchiveName(); // "Минутный архив"
// The read-back after a clearing found `records` records of the archive not empty.
QString archiveNotCleared(const QString& archive, int records);

// Validation messages.
// The fields the write checks as numbers, Diameter to ZeroOffset.
QString notANumber(FieldId field, const QString& typed); // prefix + typed text + " - не число"
QString ruleBroken(FieldId field);                       // the field's own rule
QString angleNotBelow90();
QString timeInvalid();    // "Время указано неверно"
QString windowTooSmall(); // "Смещение окна слишком мало"

// Values that do not fit the meter's fields.
QString diameterTooLarge();
QString diameterTooSmall(); // the pipe cross-section would underflow the meter's float
QString baseTooLarge();
QString angleTooLarge();
QString cableLengthTooLarge();
QString pulseWeightTooLarge();
QString windowTooLarge();
QString outOfRange(FieldId field); // a float field outside the meter's float range
QString pathCoefficientOutOfRange();
QString dateTooEarly(); // before 01.01.2000
QString dateTooLate();  // more than 65535 days after it

// Clearing the totals.
QString clearTotalsQuestion();
QString clearingTotals(); // "Очистка накопления..."
// The read-back after clearing the totals: what is not zero, listed.
QString totalsNotCleared(const QString& list);
QString settingByteNotZero(int address);       // "байт настроек 5"
QString memoryNotZero(int address, int bytes); // "память 1224: 3 байт"

// The settings file.
QString fileLabel(int line);  // the label of a label line (1-based); empty for a value line
QString axialInsertion();     // "ВТК-А (осевое)"
QString diametralInsertion(); // "ВТК-Б (диаметральное)"
QString sensorsType6();
QString sensorsType3();
QString water();
QString oil();
QString periodOneSecond();   // "1"
QString periodFourSeconds(); // "4"
QString unitPerHour();       // "м3/ч"
QString unitPercent();       // "%"
QString fileFilter();        // the dialogs' filter entry
QString cannotReadFile(const QString& path);
QString fileTooShort(const QString& path);
QString windowOffsetInFileNotANumber(const QString& typed);
QString cannotWriteFile(const QString& path);
QString fileTooLarge(const QString& path);
// A label line whose text before the colon is not the label (line numbered from 1).
QString labelLineMismatch(const QString& path, int line, const QString& label);
// A selection line that holds neither of its two choices.
QString choiceLineMismatch(const QString& path, int line, const QString& first,
                           const QString& second);

// Comparing the meter with the form and reading back a write.
QString windowStartLabel(); // the derived fields, under names of their own
QString pathDelayLabel();
QString delayConstantLabel();
QString crossSectionLabel();
QString pathCoefficientLabel();
QString dateStampLabel(); // the stamps of the last write
QString hourStampLabel();
QString clockDateLabel(); // the meter's clock
QString clockTimeLabel();
QString settingsEqual();            // the comparison found nothing
QString settingsDiffer(int fields); // the comparison's heading, with the count of fields
QString differenceLine(const QString& label, const QString& meter, const QString& form);
QString writeNotVerified(int fields); // the read-back's heading, with the count of fields
QString mismatchLine(const QString& label, const QString& meter, const QString& intended);
QString compareCaption(); // "Сравнение"

// The question before "Применить": its added lines.
QString dailyWillBeCleared();  // "Суточный архив будет очищен."
QString minuteWillBeCleared(); // "Минутный архив будет очищен."
QString clockWillBeSet(const QString& set, const QString& pc);

// zetra-cli's lines after the file lines of settings-read.
QString dateLinePrefix(); // "Дата: "
QString timeLinePrefix(); // "Время: "

} // namespace settings::texts
