#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace calculators {

// A result field of a calculator's dialog after "Расчёт": its label as the dialog shows it and
// its text.
struct ResultField {
    QString label;
    QString text;
};
using ResultFields = std::vector<ResultField>;

// One line per field: the label, one blank, the text.
inline QStringList reportLines(const ResultFields& fields) {
    QStringList lines;
    for (const ResultField& f : fields)
        lines << f.label + QLatin1Char(' ') + f.text;
    return lines;
}

} // namespace calculators
