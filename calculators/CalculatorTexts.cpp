#include "calculators/CalculatorTexts.h"

#include <QCoreApplication>

namespace calculators {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Calculators", text); }
} // namespace

QString notAFloatingPointValue(const QString& text) {
    return tr("'%1' is not a valid floating point value").arg(text);
}
QString notAnIntegerValue(const QString& text) {
    return tr("'%1' is not a valid integer value").arg(text);
}
QString divisionByZero() { return tr("Floating point division by zero"); }
QString invalidOperation() { return tr("Invalid floating point operation"); }
QString overflow() { return tr("Floating point overflow"); }
QString temperatureOutOfRange(const QString& lowest, const QString& highest) {
    return tr("Температура должна быть от %1 до %2 °С").arg(lowest, highest);
}

QString viscosityBeyondTable() { return tr("max 149°С"); }

QString correctionCaption() { return tr("Калькулятор коэффициента коррекции"); }
QString channelCaption() { return tr("Калькулятор длины канала"); }
QString pulseCaption() { return tr("Калькулятор веса импульса"); }
QString calculateButton() { return tr("Расчёт"); }
QString okButton() { return tr("OK"); }
QString cancelButton() { return tr("Отмена"); }

QString diameterLabel() { return tr("Диаметр, мм:"); }
QString angleLabel() { return tr("Угол, градусов:"); }
QString roughnessLabel() { return tr("Шероховатость трубы:"); }
QString temperatureMaxLabel() { return tr("Тмакс., гр.С:"); }
QString temperatureMinLabel() { return tr("Тмин., гр.С:"); }
QString viscosityMinLabel() { return tr("Вязкость мин. 1Е-6:"); }
QString viscosityMaxLabel() { return tr("Вязкость макс. 1Е-6:"); }
QString velocityMaxLabel() { return tr("Скорость макс., м/с:"); }
QString flowMaxLabel() { return tr("Расход макс., м3/ч:"); }
QString correctionKLabel() { return tr("Коэффициент коррекции:"); }
QString coefficientALabel() { return tr("Поправочный коэффициент A:"); }
QString coefficientBLabel() { return tr("Поправочный коэффициент B:"); }
QString coefficientCLabel() { return tr("Поправочный коэффициент C:"); }

QString timeDownLabel() { return tr("tпо, мкс:"); }
QString timeUpLabel() { return tr("tпротив, мкс:"); }
QString temperatureLabel() { return tr("Температура, гр.С:"); }
QString lengthLabel() { return tr("Расстояние между ПЭП, мм:"); }

QString pulseRateLabel() { return tr("Макс. кол-во импульсов/c:"); }
QString pulseWeightLabelLine1() { return tr("Минимальный допустимый вес"); }
QString pulseWeightLabelLine2() { return tr("импульса, литров/импульс:"); }

} // namespace calculators
