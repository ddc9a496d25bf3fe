#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

// The Settings tab's own reactions while the engineer edits it; none of them talks to the
// meter.
namespace settings::conversions {

// The zero cutoff's number when its unit changes: to percent of the reference flow of the
// diameter, or back to m3/h. Empty when the field is to stay as it is: an empty cutoff or
// diameter, a text that is not a number, or a diameter without a reference flow.
std::optional<QString> convertZeroCutoff(const QString& cutoff, const QString& diameter,
                                         bool toPercent, const QLocale& locale);

// The PC's time of day for the time field: HH:MM.
QString timeFill(const QTime& now);

} // namespace settings::conversions
