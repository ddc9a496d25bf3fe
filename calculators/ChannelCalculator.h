#pragma once

#include "calculators/ResultFields.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The channel-length calculator: the acoustic path between the transducers from the transit
// times downstream and upstream and the water temperature.
namespace calculators {

struct ChannelForm {
    QString timeDown = QStringLiteral("0");    // µs
    QString timeUp = QStringLiteral("0");      // µs
    QString temperature = QStringLiteral("0"); // °C, 1.0 to 89.9; further decimals are dropped
    QString length = QStringLiteral("0");      // the result, mm
};

// The temperature in tenths of a degree that selects the speed of sound: the typed value times
// ten, truncated, with the typed value's own decimal taken exactly (1.2 gives 12, not 11).
// Empty when the temperature lies outside the table (below 1.0 °C, or 90.0 °C and above).
std::optional<int> soundTableTenths(double celsius);

// "Расчёт": reads the times and the temperature and writes the length. Returns the error text
// that stopped the calculation, empty when it ran to the end; the length then keeps its text.
[[nodiscard]] QString calculateChannel(ChannelForm& form, const QLocale& locale);

// The result line: label, one blank, text.
QStringList channelReport(const ChannelForm& form);
// The same fields as label and text.
ResultFields channelFields(const ChannelForm& form);

} // namespace calculators
