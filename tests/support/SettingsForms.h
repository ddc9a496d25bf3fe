#pragma once

#include "settings/SettingsForm.h"

#include <QDate>

namespace test_forms {

// A filled settings form whose every field differs from the simulated meter's: diametral
// insertion, water, one-second period, Russian decimal commas, the clock at 01.06.2016 07:45.
inline settings::SettingsForm filled() {
    settings::SettingsForm f;
    f.diametral = true;
    f.medium = settings::SettingsForm::Medium::Water;
    f.period = settings::SettingsForm::Period::OneSecond;
    f.diameter = QStringLiteral("150,5");
    f.base = QStringLiteral("250,4");
    f.angle = QStringLiteral("30,25");
    f.cableLength = QStringLiteral("12,5");
    f.k = QStringLiteral("1,0200");
    f.a = QStringLiteral("2,0000");
    f.b = QStringLiteral("3,0000");
    f.c = QStringLiteral("4,0000");
    f.zeroCutoff = QStringLiteral("0,500000");
    f.pulseWeight = QStringLiteral("2,50");
    f.zeroOffset = QStringLiteral("-1,2500");
    f.windowOffset = 3;
    f.date = QDate(2016, 6, 1);
    f.time = QStringLiteral("07:45");
    return f;
}

} // namespace test_forms
