#pragma once

#include "core/ExchangeLog.h"
#include "core/Frontend.h"
#include "core/TimeLeft.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <map>
#include <vector>

class ExchangeLogWindow;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolButton;
class QWidget;

namespace core {
class Session;
}

// The window's status bar as the running action sees it: the status line, the progress bar
// with the time left, "Прервать" (or Esc) and the exchange log's button (Ctrl+L). It is the
// Frontend of every action the window runs and keeps the action's life cycle: while one runs
// every action control is disabled, and a close asked for meanwhile waits for its end.
class ActionStrip : public QObject, public core::Frontend {
    Q_OBJECT

public:
    ActionStrip(QMainWindow& window, QStatusBar& statusBar);
    ~ActionStrip() override;

    // The session whose actions the strip follows: its stop request and its exchange log.
    void attach(core::Session& session);

    // Marks an action as running for its whole length: action controls are disabled and the
    // window does not close until the scope ends. A stoppable action shows "Прервать".
    class Scope {
    public:
        explicit Scope(ActionStrip& strip, bool stoppable = false);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ActionStrip& strip_;
    };
    bool running() const { return busy_; }

    // A control that starts an action: enabled when its own rule allows it and no action runs.
    void setActionEnabled(QWidget* control, bool enabled);
    // A widget holding what an action works on (a form's fields, a date range, a file name):
    // locked while an action runs. Its children keep their own enabled state for after.
    void lockWhileRunning(QWidget* inputs);

    // The bar moves into the status bar once the window is laid out, and follows its size.
    void showProgressBar();
    void place();

    // Stops the running action where that is safe ("Прервать", Esc).
    void cancel();
    // Esc while "Прервать" can be pressed; false when the key is not the strip's.
    bool escape();
    // The exchange log's window, created on first use.
    void showExchangeLog();
    // The window is asked to close: false when an action runs, which is then asked about.
    bool mayClose();

    // Frontend
    void planWork(qint64 totalUnits) override;
    void workDone(qint64 units) override;
    void endWork() override;
    void setStatus(const QString& text) override;
    void setStatusReason(const QString& reason) override; // the status panel's tooltip
    QString status() const override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void stepProgress() override;
    void processEvents() override;
    bool askYesNo(const QString& caption, const QString& text,
                  DefaultButton defaultButton = DefaultButton::No) override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;

private:
    void applyActionStates();
    void showCancelButton(bool shown);
    void actionEnded();
    void askToStopAndClose();
    void showTimeLeft();
    void placeProgressBar(int statusBarHeight);

    QMainWindow& window_;
    QStatusBar& statusBar_;
    core::Session* session_ = nullptr;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* timeLeftLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QToolButton* logButton_ = nullptr;
    std::map<QWidget*, bool> actionControls_;
    std::vector<QWidget*> inputs_;
    bool busy_ = false;
    core::ProgressFollower progress_;
    bool closeWhenDone_ = false;
    QPointer<QMessageBox> closeQuestion_;
    core::ExchangeLog exchangeLog_;
    ExchangeLogWindow* logWindow_ = nullptr;
};
