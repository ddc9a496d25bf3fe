#include "app/ExchangeLogWindow.h"

#include "app/FileFolders.h"
#include "core/ExchangeLog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

ExchangeLogWindow::ExchangeLogWindow(core::ExchangeLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), view_(new QPlainTextEdit(this)),
      clearButton_(
          new QPushButton(QCoreApplication::translate("ExchangeLogWindow", "Очистить"), this)),
      saveButton_(
          new QPushButton(QCoreApplication::translate("ExchangeLogWindow", "Сохранить..."), this)),
      timer_(new QTimer(this)), saveDialog_(new QFileDialog(this)) {
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

    saveDialog_->setObjectName(QStringLiteral("SaveLogDialog"));
    saveDialog_->setWindowTitle(
        QCoreApplication::translate("ExchangeLogWindow", "Сохранить журнал обмена"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setOption(QFileDialog::DontUseNativeDialog);
    saveDialog_->setNameFilter(
        QCoreApplication::translate("ExchangeLogWindow", "Текстовые файлы (*.txt *.log)"));
    saveDialog_->setDefaultSuffix(QStringLiteral("log"));
    // The engineer's own folder at first; later the folder a file was last saved to.
    saveDialog_->setDirectory(QDir::home());

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

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
    saveDialog_->selectFile(
        QDateTime::currentDateTime().toString(QStringLiteral("'zetra-'yyyyMMdd-hhmmss'.log'")));
    file_folders::openIn(saveDialog_);
    if (saveDialog_->exec() != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty())
        return;
    file_folders::remember(saveDialog_->selectedFiles().first());
    saveTo(saveDialog_->selectedFiles().first());
}

QRect ExchangeLogWindow::besideRect(const QRect& main, const QSize& wanted,
                                    const QRect& available) {
    constexpr int kGap = 8;
    constexpr int kNarrowest = 360; // still shows the time, the mark and a frame's bytes
    const int height = std::min(wanted.height(), available.height());
    const int top = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
    const int rightRoom = available.right() - main.right() - kGap;
    const int leftRoom = main.left() - available.left() - kGap;
    const int right = main.right() + 1 + kGap;
    if (rightRoom >= wanted.width())
        return {right, top, wanted.width(), height};
    if (leftRoom >= wanted.width())
        return {main.left() - kGap - wanted.width(), top, wanted.width(), height};
    if (std::max(rightRoom, leftRoom) >= kNarrowest) {
        if (rightRoom >= leftRoom)
            return {right, top, rightRoom, height};
        return {available.left(), top, leftRoom, height};
    }
    const int width = std::min(wanted.width(), available.width());
    return {available.right() + 1 - width, top, width, height};
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
    // Placed once; afterwards it stays where the engineer moved it.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        const QWidget* main = parentWidget()->window();
        const QScreen* screen = main->screen();
        const QRect frame = frameGeometry();
        const QSize margins = frame.size() - size();
        const QRect place =
            besideRect(main->frameGeometry(), frame.size(),
                       screen ? screen->availableGeometry() : main->frameGeometry());
        resize(place.size() - margins);
        move(place.topLeft());
    }
    QWidget::showEvent(event);
    refresh();
    timer_->start();
}

void ExchangeLogWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}
