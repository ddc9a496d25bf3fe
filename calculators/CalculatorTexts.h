#pragma once

#include <QString>

// Texts of the three engineering calculators, shared by their dialogs and zetra-cli.
namespace calculators {

// Errors that stop a calculation; they are shown under the application's title.
QString notAFloatingPointValue(const QString& text); // "'abc' is not a valid floating point value"
QString notAnIntegerValue(const QString& text);      // "'abc' is not a valid integer value"
QString divisionByZero();                            // "Floating point division by zero"
QString invalidOperation();                          // "Invalid floating point operation"
QString overflow();                                  // "Floating point overflow"
// The channel-length temperature outside the speed-of-sound table.
QString temperatureOutOfRange(const QString& lowest, const QString& highest);

// Shown in a viscosity field for a temperature the water table does not hold.
QString viscosityBeyondTable(); // "max 149°С"

// Captions of the dialogs and of their buttons.
QString correctionCaption(); // "Калькулятор коэффициента коррекции"
QString channelCaption();    // "Калькулятор длины канала"
QString pulseCaption();      // "Калькулятор веса импульса"
QString calculateButton();   // "Расчёт"
QString okButton();          // "OK"
QString cancelButton();      // "Отмена"

// Field labels of the correction-coefficient dialog.
QString diameterLabel();       // "Диаметр, мм:" (also the pulse-weight dialog's)
QString angleLabel();          // "Угол, градусов:"
QString roughnessLabel();      // "Шероховатость трубы:"
QString temperatureMaxLabel(); // "Тмакс., гр.С:"
QString temperatureMinLabel(); // "Тмин., гр.С:"
QString viscosityMinLabel();   // "Вязкость мин. 1Е-6:"
QString viscosityMaxLabel();   // "Вязкость макс. 1Е-6:"
QString velocityMaxLabel(); // "Скорость макс., м/с:" (also the pulse-weight dialog's)
QString flowMaxLabel();     // "Расход макс., м3/ч:" (also the pulse-weight dialog's)
QString correctionKLabel(); // "Коэффициент коррекции:"
QString coefficientALabel(); // "Поправочный коэффициент A:"
QString coefficientBLabel(); // "Поправочный коэффициент B:"
QString coefficientCLabel(); // "Поправочный коэффициент C:"

// Field labels of the channel-length dialog.
QString timeDownLabel();    // "tпо, мкс:"
QString timeUpLabel();      // "tпротив, мкс:"
QString temperatureLabel(); // "Температура, гр.С:"
QString lengthLabel();      // "Расстояние между ПЭП, мм:"

// Field labels of the pulse-weight dialog.
QString pulseRateLabel();        // "Макс. кол-во импульсов/c:"
QString pulseWeightLabelLine1(); // "Минимальный допустимый вес"
QString pulseWeightLabelLine2(); // "импульса, литров/импульс:"

} // namespace calculators
