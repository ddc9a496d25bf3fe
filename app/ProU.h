#pragma once

#include "core/Session.h"
#include "link/LinkOpener.h"
#include "store/Location.h"

#include <QMainWindow>

#include <memory>

class ActionStrip;
class QPushButton;
class ArchiveTab;
class HistoryTab;
class InfoTab;
class SettingsTab;
class UpdateTab;
class TForm2;
class TForm3;
class TForm5;

namespace Ui {
class Form1;
}

// The main window: five tabs, the port list and the two connection buttons whose captions follow
// the tab. It owns the meter session (the protocol with its buffer and flags, the firmware
// version byte, the archive buffers); its action strip in the status bar is the Frontend of
// every action. Each tab's state and behaviour live in the tab's own class; the window's slots
// hand each press to it. Actions run to their end inside their handler, within the strip's
// scope (ActionStrip).
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Selects the remote-access client's entry and serves it through the pipe `name`.
    void selectPipe(const QString& name);
    // Where the readouts and actions keep what they read (off unless attached).
    void attachStore(const store::Location& location);
    bool actionRunning() const;
    // The History tab: its visit list tells which visit is chosen.
    HistoryTab& historyTab() const { return *historyTab_; }
    // The message boxes the actions show, parented to the window.
    bool askYesNo(const QString& caption, const QString& text);
    void showError(const QString& caption, const QString& text);

public slots:
    void FormCreate();
    void FormResize();
    void PageControl1Change(int index);
    void Button1Click();
    void Button2Click();
    void Button5Click();

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
    void visitClick();        // «Обслуживание…»: the service visit

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum Tab { kInfoTab = 0, kArchiveTab = 1, kSettingsTab = 2, kUpdateTab = 3, kHistoryTab = 4 };

    // Where the port list's selection reaches the meter.
    line::LinkTarget linkTarget() const;

    void connectSettingsTab();

    std::unique_ptr<Ui::Form1> ui;
    // The status bar's action strip, the Frontend of the session's actions.
    std::unique_ptr<ActionStrip> strip_;

    // The meter session, and the pipe that the port list's last entry reaches.
    std::unique_ptr<core::Session> session_;
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
    std::unique_ptr<HistoryTab> historyTab_;
    QPushButton* visitButton_ = nullptr; // on the Info tab only
    QPushButton* actButton_ = nullptr;   // the History tab's act of the chosen visit
};
