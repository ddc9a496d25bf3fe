#include "calculators/CalculatorTexts.h"

#include <QCoreApplication>

namespace calculators {
QString notAFloatingPointValue(const QString& text) {
    return QCoreApplication::translate("Calculators", "'%1' is not a valid floating point value")
        .arg(text);
}
QString notAnIntegerValue(const QString& text) {
    return QCoreApplication::translate("Calculators", "'%1' is not a valid integer value")
        .arg(text);
}
QString divisionByZero() {
    return QCoreApplication::translate("Calculators", "Floating point division by zero");
}
QString invalidOperation() {
    return QCoreApplication::translate("Calculators", "Invalid floating point operation");
}
QString overflow() { return QCoreApplication::translate("Calculators", "Floating point overflow"); }
QString temperatureOutOfRange(const QString& lowest, const QString& highest) {
    return QCoreApplication::translate("Calculators", "Температура должна быть от %1 до %2 °С")
        .arg(lowest, highest);
}

QString viscosityBeyondTable() { return QCoreApplication::translate("Calculators", "max 149°С"); }

QString correctionCaption() {
    return QCoreApplication::translate("Calculators", "Калькулятор коэффициента коррекции");
}
QString channelCaption() {
    return QCoreApplication::translate("Calculators", "Калькулятор длины канала");
}
QString pulseCaption() {
    return QCoreApplication::translate("Calculators", "Калькулятор веса импульса");
}
QString calculateButton() { return QCoreApplication::translate("Calculators", "Расчёт"); }
QString okButton() { return QCoreApplication::translate("Calculators", "OK"); }
QString cancelButton() { return QCoreApplication::translate("Calculators", "Отмена"); }

QString diameterLabel() { return QCoreApplication::translate("Calculators", "Диаметр, мм:"); }
QString angleLabel() { return QCoreApplication::translate("Calculators", "Угол, градусов:"); }
QString roughnessLabel() {
    return QCoreApplication::translate("Calculators", "Шероховатость трубы:");
}
QString temperatureMaxLabel() {
    return QCoreApplication::translate("Calculators", "Тмакс., гр.С:");
}
QString temperatureMinLabel() { return QCoreApplication::translate("Calculators", "Тмин., гр.С:"); }
QString viscosityMinLabel() {
    return QCoreApplication::translate("Calculators", "Вязкость мин. 1Е-6:");
}
QString viscosityMaxLabel() {
    return QCoreApplication::translate("Calculators", "Вязкость макс. 1Е-6:");
}
QString velocityMaxLabel() {
    return QCoreApplication::translate("Calculators", "Скорость макс., м/с:");
}
QString flowMaxLabel() { return QCoreApplication::translate("Calculators", "Расход макс., м3/ч:"); }
QString correctionKLabel() {
    return QCoreApplication::translate("Calculators", "Коэффициент коррекции:");
}
QString coefficientALabel() {
    return QCoreApplication::translate("Calculators", "Поправочный коэффициент A:");
}
QString coefficientBLabel() {
    return QCoreApplication::translate("Calculators", "Поправочный коэффициент B:");
}
QString coefficientCLabel() {
    return QCoreApplication::translate("Calculators", "Поправочный коэффициент C:");
}

QString timeDownLabel() { return QCoreApplication::translate("Calculators", "tпо, мкс:"); }
QString timeUpLabel() { return QCoreApplication::translate("Calculators", "tпротив, мкс:"); }
QString temperatureLabel() {
    return QCoreApplication::translate("Calculators", "Температура, гр.С:");
}
QString lengthLabel() {
    return QCoreApplication::translate("Calculators", "Расстояние между ПЭП, мм:");
}

QString pulseRateLabel() {
    return QCoreApplication::translate("Calculators", "Макс. кол-во импульсов/c:");
}
QString pulseWeightLabelLine1() {
    return QCoreApplication::translate("Calculators", "Минимальный допустимый вес");
}
QString pulseWeightLabelLine2() {
    return QCoreApplication::translate("Calculators", "импульса, литров/импульс:");
}

} // namespace calculators
