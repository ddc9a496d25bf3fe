#pragma once

#include "core/ExchangeLog.h"
#include "core/Frontend.h"
#include "core/Session.h"
#include "core/TimeLeft.h"
#include "link/LinkOpener.h"
#include "store/Location.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <map>
#include <memory>

class ArchiveTab;
class ExchangeLogWindow;
class QPushButton;
class QToolButton;
class InfoTab;
class SettingsTab;
class UpdateTab;
class TForm2;
class TForm3;
class TForm5;
class QLabel;
class QProgressBar;
class QTabBar;

namespace Ui {
class Form1;
}

// The main window: four tabs, the port list and the two connection buttons whose captions follow
// the tab, the status line and the progress bar. It owns the meter session (the protocol with its
// buffer and flags, the firmware version byte, the archive buffers) and is the Frontend of every
// action. Each tab's state and behaviour live in the tab's own class; the window's slots hand
// each press to it.
// Actions run to their end inside their handler; while one runs every action control is
// disabled, "Прервать" beside the progress bar (or Esc) stops it where stopping is safe, the
// time left shows for long ones, and closing the window asks whether to stop the action first.
// Every frame goes to the exchange log, which its own window shows (Ctrl+L).
class TForm1 : public QMainWindow, public core::Frontend {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Selects the remote-access client's entry and serves it through the pipe `name`.
    void selectPipe(const QString& name);
    // Where the readouts and actions keep what they read (off unless attached).
    void attachStore(const store::Location& location);
    bool actionRunning() const { return busy_; }

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

public slots:
    void FormCreate();
    void FormResize();
    void PageControl1Change(int index);
    void Button1Click();
    void Button2Click();
    void Button5Click();

    // Stops the running action where that is safe ("Прервать", Esc).
    void cancelAction();
    // The exchange log's window, created on first use (Ctrl+L, the status bar's button).
    void showExchangeLog();

    // Archive tab: the font of the two memos.
    void Button3Click();

    // Settings tab: the engineering calculators beside its fields.
    void Button6Click();
    void Button7Click();
    void Button8Click();

    // Update tab: the firmware image and the programming procedure.
    void Button9Click();
    void Button10Click();

    // Settings tab: the settings file and the tab's own reactions.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void ComboBox2Change();
    void Edit13DblClick();
    void Button11Click();     // "Сравнить": the meter's settings against the form
    void SpeedButton3Click(); // the PC's date and time into the clock fields

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Marks an action as running for its whole length: action controls are disabled and the
    // window does not close until the handler returns. A meter action shows "Прервать".
    class ActionScope {
    public:
        explicit ActionScope(TForm1& form, bool stoppable = false) : form_(form) {
            form_.busy_ = true;
            form_.applyActionStates();
            form_.showCancelButton(stoppable);
        }
        ~ActionScope() {
            form_.busy_ = false;
            form_.applyActionStates();
            form_.actionEnded();
        }
        ActionScope(const ActionScope&) = delete;
        ActionScope& operator=(const ActionScope&) = delete;

    private:
        TForm1& form_;
    };

    enum Tab { kInfoTab = 0, kArchiveTab = 1, kSettingsTab = 2, kUpdateTab = 3 };

    // Where the port list's selection reaches the meter.
    line::LinkTarget linkTarget() const;

    void connectSettingsTab();

    // Action controls are enabled when their own rule allows it and no action runs.
    void setActionEnabled(QWidget* control, bool enabled);
    void applyActionStates();

    void setUpActionStrip();
    void showCancelButton(bool shown);
    void actionEnded();
    void askToStopAndClose();
    void showTimeLeft();
    void placeProgressBar(int statusBarHeight);

    std::unique_ptr<Ui::Form1> ui;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::map<QWidget*, bool> actionControls_;
    bool busy_ = false;
    QPushButton* cancelButton_ = nullptr;
    QLabel* timeLeftLabel_ = nullptr;
    QToolButton* logButton_ = nullptr;
    core::ProgressFollower progress_;
    bool closeWhenDone_ = false;
    QPointer<QMessageBox> closeQuestion_;

    core::ExchangeLog exchangeLog_;
    ExchangeLogWindow* logWindow_ = nullptr;

    // The meter session, and the pipe that the port list's last entry reaches.
    core::Session session_{*this};
    QString pipeName_ = line::opener::defaultPipeName();

    // Calculators: each dialog is created on first use and kept to the end.
    void setUpCalculators();
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm5* Form5 = nullptr;

    // The tabs.
    std::unique_ptr<InfoTab> infoTab_;
    std::unique_ptr<ArchiveTab> archiveTab_;
    std::unique_ptr<SettingsTab> settingsTab_;
    std::unique_ptr<UpdateTab> updateTab_;
};
