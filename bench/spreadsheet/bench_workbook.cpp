// Time to build and save the largest archive workbook: the minute archive's 7200 rows of date and
// time, volume, working time and events, plus headings and totals, as the export writes them.
// Prints the median of several runs and its ratio to the 100 ms the export may take.

#include "spreadsheet/NumberFormat.h"
#include "spreadsheet/Workbook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRows = 7200;
constexpr int kRuns = 15;
constexpr double kGoalMs = 100;

struct Times {
    double build, fit, save, total;
};

Times buildAndSave(const QString& file) {
    QElapsedTimer timer;
    timer.start();
    spreadsheet::Workbook book;
    book.setFileName(file);
    book.clear();
    const spreadsheet::CellFont bold{QStringLiteral("Arial"), 10, true};
    const auto heading = book.addStyle({bold, spreadsheet::kGoldFill, {}});
    const auto dayTime = book.addStyle(
        {{}, {}, spreadsheet::excelFormatFromQtFormat(QStringLiteral("dd.MM.yyyy HH:mm"))});
    const auto volume = book.addStyle({{}, {}, QStringLiteral("#######0.000")});
    const auto hours = book.addStyle({{}, {}, QStringLiteral("#######0.0")});
    const auto volumeTotal =
        book.addStyle({bold, spreadsheet::kGoldFill, QStringLiteral("#######0.000")});
    const auto hoursTotal =
        book.addStyle({bold, spreadsheet::kGoldFill, QStringLiteral("#######0.0")});
    book.writeText(0, 2, QStringLiteral("Дата, время"), heading);
    book.writeText(1, 2, QStringLiteral("Объём,м3"), heading);
    book.writeText(2, 2, QStringLiteral("Время работы, часов"), heading);
    book.writeText(3, 2, QStringLiteral("События"), heading);
    const double end = 39512 + 10 / 24.0;
    for (int i = 0; i < kRows; ++i) {
        const int row = 3 + i;
        book.writeNumber(0, row, end - i / 1440.0, dayTime);
        book.writeNumber(1, row, 0.125 * i, volume);
        book.writeNumber(2, row, 60 / 86400.0, hours);
        book.writeText(3, row, i % 10 ? QString() : QStringLiteral("Расход больше максимального"));
    }
    book.writeText(0, 3 + kRows, QStringLiteral("Итого"), heading);
    book.writeNumber(1, 3 + kRows, 1234.5, volumeTotal);
    book.writeNumber(2, 3 + kRows, 432000, hoursTotal);
    const double built = timer.nsecsElapsed() / 1e6;
    book.fitColumns(0, 3);
    const double fitted = timer.nsecsElapsed() / 1e6;
    book.writeText(0, 0, QStringLiteral("Минутный архив с 28.02.2008 по 05.03.2008"));
    QString error;
    if (!book.save(&error)) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
        std::exit(1);
    }
    const double total = timer.nsecsElapsed() / 1e6;
    return {built, fitted - built, total - fitted, total};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("minutes.xls"));
    buildAndSave(file); // warm-up
    std::vector<double> build, fit, save, total;
    for (int i = 0; i < kRuns; ++i) {
        const Times t = buildAndSave(file);
        build.push_back(t.build);
        fit.push_back(t.fit);
        save.push_back(t.save);
        total.push_back(t.total);
    }
    const double m = median(total);
    std::printf("minute workbook, %d rows x 4 columns, %lld bytes, median of %d runs\n", kRows,
                QFileInfo(file).size(), kRuns);
    std::printf("  build cells   %7.2f ms\n", median(build));
    std::printf("  fit columns   %7.2f ms\n", median(fit));
    std::printf("  write file    %7.2f ms\n", median(save));
    std::printf("  total         %7.2f ms = %.3f of the %.0f ms goal\n", m, m / kGoalMs, kGoalMs);
    return 0;
}
