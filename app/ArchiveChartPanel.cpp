#include "app/ArchiveChartPanel.h"

#include "app/FileFolders.h"
#include "core/Texts.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>

using charts::ArchiveChart;

ArchiveChart* addArchiveChart(QPlainTextEdit* memo, archive::Kind kind,
                              const archive::Archives& archives) {
    QWidget* page = memo->parentWidget();
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    auto* stack = new QStackedWidget(page);
    auto* chart = new ArchiveChart(kind, archives, stack);
    const int at = layout->indexOf(memo);
    layout->removeWidget(memo);
    stack->addWidget(memo);
    stack->addWidget(chart);
    stack->setObjectName(memo->objectName() + QStringLiteral("Stack"));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 2, 2, 2);
    auto* toggle = new QToolButton(page);
    toggle->setObjectName(memo->objectName() + QStringLiteral("ChartButton"));
    toggle->setText(QCoreApplication::translate("ArchiveChart", "График"));
    toggle->setCheckable(true);
    auto* save = new QToolButton(page);
    save->setObjectName(memo->objectName() + QStringLiteral("PngButton"));
    save->setText(QCoreApplication::translate("ArchiveChart", "Сохранить PNG..."));
    save->setEnabled(false);
    bar->addWidget(toggle);
    bar->addWidget(save);
    bar->addStretch();
    layout->insertLayout(at, bar);
    layout->insertWidget(at + 1, stack, 1);

    QObject::connect(toggle, &QToolButton::toggled, stack, [=](bool on) {
        if (on)
            chart->refresh();
        stack->setCurrentIndex(on ? 1 : 0);
        toggle->setText(on ? QCoreApplication::translate("ArchiveChart", "Отчёт")
                           : QCoreApplication::translate("ArchiveChart", "График"));
        save->setEnabled(on);
    });
    QObject::connect(save, &QToolButton::clicked, chart, [chart] {
        const QString name = QFileDialog::getSaveFileName(
            chart, QCoreApplication::translate("ArchiveChart", "Сохранить график"),
            file_folders::last(),
            QCoreApplication::translate("ArchiveChart", "рисунок PNG (*.png)"), nullptr,
            QFileDialog::DontUseNativeDialog);
        if (name.isEmpty())
            return;
        const QString file = name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".png");
        file_folders::remember(file);
        const QString error = chart->savePng(file);
        if (!error.isEmpty()) {
            QMessageBox::critical(chart, core::texts::errorCaption(),
                                  QString(error).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        }
    });
    return chart;
}
