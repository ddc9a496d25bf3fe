#include "app/ExchangeLogWindow.h"

#include "core/ExchangeLog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

ExchangeLogWindow::ExchangeLogWindow(core::ExchangeLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), view_(new QPlainTextEdit(this)),
      clearButton_(
          new QPushButton(QCoreApplication::translate("ExchangeLogWindow", "Очистить"), this)),
      saveButton_(
          new QPushButton(QCoreApplication::translate("ExchangeLogWindow", "Сохранить..."), this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("ExchangeLogWindow"));
    setWindowTitle(QCoreApplication::translate("ExchangeLogWindow", "Журнал обмена"));
    view_->setObjectName(QStringLiteral("ExchangeLogView"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setMaximumBlockCount(log.capacity());
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    clearButton_->setObjectName(QStringLiteral("ClearLogButton"));
    saveButton_->setObjectName(QStringLiteral("SaveLogButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton_);
    buttons->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(760, 420);

    connect(clearButton_, &QPushButton::clicked, this, &ExchangeLogWindow::clearLog);
    connect(saveButton_, &QPushButton::clicked, this, &ExchangeLogWindow::saveLog);
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, &ExchangeLogWindow::refresh);
}

void ExchangeLogWindow::refresh() {
    if (shownUpTo_ < log_.firstNumber()) {
        // More came while hidden than the view keeps: start over from what the log holds.
        view_->clear();
        shownUpTo_ = log_.firstNumber();
    }
    const QStringList lines = log_.linesFrom(shownUpTo_);
    if (lines.isEmpty())
        return;
    shownUpTo_ = log_.endNumber();
    QScrollBar* bar = view_->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    const int keptValue = bar->value();
    view_->appendPlainText(lines.join(QLatin1Char('\n')));
    if (atEnd)
        bar->setValue(bar->maximum());
    else
        bar->setValue(keptValue);
}

void ExchangeLogWindow::clearLog() {
    log_.clear();
    view_->clear();
    shownUpTo_ = log_.endNumber();
}

void ExchangeLogWindow::saveLog() {
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("ExchangeLogWindow", "Сохранить журнал обмена"),
        QString(),
        QCoreApplication::translate("ExchangeLogWindow", "Текстовые файлы (*.txt *.log)"));
    if (!path.isEmpty())
        saveTo(path);
}

bool ExchangeLogWindow::saveTo(const QString& path) {
    QString reason;
    if (log_.save(path, &reason))
        return true;
    QMessageBox::critical(
        this, QCoreApplication::translate("ExchangeLogWindow", "Ошибка"),
        QCoreApplication::translate("ExchangeLogWindow",
                                    "Не удалось сохранить журнал обмена в файл %1: %2")
            .arg(path, reason));
    return false;
}

void ExchangeLogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    timer_->start();
}

void ExchangeLogWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}
