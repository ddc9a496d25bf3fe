#include "app/ActionStrip.h"

#include "app/ExchangeLogWindow.h"
#include "core/CancelTexts.h"
#include "core/Session.h"
#include "core/Texts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int kStatusPanel0Width = 300;
constexpr int kStatusPanel1Width = 50;
constexpr int kInitialProgressMaximum = 500;
// The progress bar keeps this much room at the window's right edge for the size grip.
constexpr int kProgressRightMargin = 28;

QString withLineBreaks(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }
} // namespace

ActionStrip::ActionStrip(QMainWindow& window, QStatusBar& statusBar)
    : window_(window), statusBar_(statusBar) {
    statusPanel0_ = new QLabel(core::texts::initialStatus(), &statusBar_);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(kStatusPanel0Width);
    statusPanel1_ = new QLabel(&statusBar_);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1_->setFixedWidth(kStatusPanel1Width);
    statusBar_.addWidget(statusPanel0_);
    statusBar_.addWidget(statusPanel1_);
    progressBar_ = new QProgressBar(&window_);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, kInitialProgressMaximum);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    timeLeftLabel_ = new QLabel(&window_);
    timeLeftLabel_->setObjectName(QStringLiteral("TimeLeftLabel"));
    timeLeftLabel_->setMinimumWidth(
        window_.fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 4);
    timeLeftLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLeftLabel_->setToolTip(QCoreApplication::translate("TForm1", "Осталось времени"));
    cancelButton_ = new QPushButton(core::texts::cancel::cancelButton(), &window_);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setVisible(false);
    logButton_ = new QToolButton(&window_);
    logButton_->setObjectName(QStringLiteral("LogButton"));
    // A list icon where the style has one; the letter names the button for screen readers and
    // stands in for a missing icon.
    logButton_->setText(QCoreApplication::translate("TForm1", "Ж"));
    logButton_->setIcon(window_.style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    logButton_->setFixedWidth(kProgressRightMargin - 4);
    statusBar_.setSizeGripEnabled(false);
    timeLeftLabel_->setVisible(false);
    logButton_->setToolTip(QCoreApplication::translate("TForm1", "Журнал обмена (Ctrl+L)"));
    logButton_->setAutoRaise(true);
    statusBar_.addPermanentWidget(timeLeftLabel_);
    statusBar_.addPermanentWidget(cancelButton_);
    statusBar_.addPermanentWidget(logButton_);
    connect(cancelButton_, &QPushButton::clicked, this, &ActionStrip::cancel);
    connect(logButton_, &QToolButton::clicked, this, &ActionStrip::showExchangeLog);

    auto* logKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), &window_);
    logKey->setContext(Qt::ApplicationShortcut);
    connect(logKey, &QShortcut::activated, this, &ActionStrip::showExchangeLog);
}

ActionStrip::~ActionStrip() = default;

void ActionStrip::attach(core::Session& session) {
    session_ = &session;
    session.setExchangeLog(&exchangeLog_);
    // While a phase that must not be cut runs, the button is disabled and says why.
    session.cancel().setPhaseObserver([this](line::CancelToken::Phase phase) {
        cancelButton_->setEnabled(phase == line::CancelToken::Phase::Interruptible);
        cancelButton_->setToolTip(phase == line::CancelToken::Phase::Refused
                                      ? core::texts::cancel::cannotStopFirmware()
                                  : phase == line::CancelToken::Phase::Deferred
                                      ? core::texts::cancel::cannotStopSettings()
                                      : QString());
    });
}

// The action's life cycle -----------------------------------------------------------------

ActionStrip::Scope::Scope(ActionStrip& strip, bool stoppable) : strip_(strip) {
    strip_.busy_ = true;
    strip_.applyActionStates();
    strip_.showCancelButton(stoppable);
}

ActionStrip::Scope::~Scope() {
    strip_.busy_ = false;
    strip_.applyActionStates();
    strip_.actionEnded();
}

void ActionStrip::setActionEnabled(QWidget* control, bool enabled) {
    actionControls_[control] = enabled;
    control->setEnabled(enabled && !busy_);
}

void ActionStrip::lockWhileRunning(QWidget* inputs) {
    inputs_.push_back(inputs);
    inputs->setEnabled(!busy_);
}

void ActionStrip::applyActionStates() {
    for (const auto& [control, enabled] : actionControls_)
        control->setEnabled(enabled && !busy_);
    for (QWidget* inputs : inputs_)
        inputs->setEnabled(!busy_);
}

void ActionStrip::showCancelButton(bool shown) {
    cancelButton_->setEnabled(true);
    cancelButton_->setToolTip(QString());
    cancelButton_->setVisible(shown);
    place();
}

void ActionStrip::cancel() {
    if (busy_ && session_)
        session_->cancel().request();
}

bool ActionStrip::escape() {
    if (!cancelButton_->isVisible() || !cancelButton_->isEnabled())
        return false;
    cancelButton_->click();
    return true;
}

void ActionStrip::actionEnded() {
    cancelButton_->setVisible(false);
    progress_.endPlan();
    timeLeftLabel_->clear();
    timeLeftLabel_->setVisible(false);
    place();
    // The close asked for during the action happens now that it has ended; a question still
    // unanswered has nothing left to stop.
    if (closeQuestion_)
        closeQuestion_->reject();
    if (closeWhenDone_)
        QTimer::singleShot(0, &window_, &QWidget::close);
}

bool ActionStrip::mayClose() {
    if (!busy_)
        return true;
    // Closing asks whether to stop the action; the action goes on while the question stands.
    // On Yes the window closes once the action has ended.
    askToStopAndClose();
    return false;
}

void ActionStrip::askToStopAndClose() {
    if (closeWhenDone_ || closeQuestion_)
        return;
    auto* box = new QMessageBox(QMessageBox::Question, core::texts::attentionCaption(),
                                core::texts::cancel::closeQuestion(),
                                QMessageBox::Yes | QMessageBox::No, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    closeQuestion_ = box;
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        closeWhenDone_ = true;
        if (busy_)
            cancel();
        else
            window_.close();
    });
    box->open();
}

void ActionStrip::showExchangeLog() {
    if (!logWindow_)
        logWindow_ = new ExchangeLogWindow(exchangeLog_, &window_);
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

// The bar's place ---------------------------------------------------------------------------

void ActionStrip::showProgressBar() {
    // The progress bar lives inside the status bar, right of the status line.
    progressBar_->setParent(&statusBar_);
    placeProgressBar(statusBar_.sizeHint().height());
    progressBar_->show();
}

void ActionStrip::place() { placeProgressBar(statusBar_.height()); }

// The bar runs from the status line to the status bar's right end; while an action runs it
// leaves room for the time left and "Прервать" there. The log's small button stands in the
// corner.
void ActionStrip::placeProgressBar(int statusBarHeight) {
    int reserved = kProgressRightMargin;
    for (QWidget* w : std::initializer_list<QWidget*>{timeLeftLabel_, cancelButton_}) {
        if (!w->isHidden())
            reserved += w->sizeHint().width() + 6;
    }
    progressBar_->setGeometry(kStatusPanel0Width, 2,
                              std::max(window_.width() - kStatusPanel0Width - reserved, 20),
                              statusBarHeight - 3);
}

void ActionStrip::showTimeLeft() {
    const std::optional<qint64> left = progress_.timeLeftMs();
    const QString text =
        left && progressBar_->value() > 0 ? core::TimeLeft::text(*left) : QString();
    if (timeLeftLabel_->text() == text)
        return;
    timeLeftLabel_->setText(text);
    if (timeLeftLabel_->isHidden() == text.isEmpty())
        return;
    timeLeftLabel_->setVisible(!text.isEmpty());
    place();
}

// Frontend ---------------------------------------------------------------------------------

void ActionStrip::setStatus(const QString& text) {
    statusPanel0_->setText(text);
    statusPanel0_->setToolTip(QString());
}

void ActionStrip::setStatusReason(const QString& reason) {
    statusPanel0_->setToolTip(reason.isEmpty() ? QString() : core::texts::statusReason(reason));
}

QString ActionStrip::status() const { return statusPanel0_->text(); }

void ActionStrip::setProgressMaximum(int maximum) {
    // A range of 0..0 would make the bar an endless busy indicator.
    progressBar_->setRange(0, std::max(maximum, 1));
    progress_.setMaximum(maximum);
    showTimeLeft();
}

void ActionStrip::setProgressPosition(int position) {
    progressBar_->setValue(std::clamp(position, 0, progressBar_->maximum()));
    progress_.setPosition(position);
    showTimeLeft();
}

void ActionStrip::stepProgress() { setProgressPosition(progressBar_->value() + 1); }

void ActionStrip::planWork(qint64 totalUnits) { progress_.planWork(totalUnits); }

void ActionStrip::workDone(qint64 units) {
    progress_.workDone(units);
    showTimeLeft();
}

void ActionStrip::endWork() { progress_.endPlan(); }

void ActionStrip::processEvents() { QCoreApplication::processEvents(); }

bool ActionStrip::askYesNo(const QString& caption, const QString& text,
                           DefaultButton defaultButton) {
    QMessageBox box(QMessageBox::Question, caption, withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No, &window_);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void ActionStrip::showInformation(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, withLineBreaks(text), QMessageBox::Ok,
                    &window_);
    box.exec();
}

void ActionStrip::showError(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, withLineBreaks(text), QMessageBox::Ok,
                    &window_);
    box.exec();
}
