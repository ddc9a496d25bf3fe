#pragma once

#include "app/core/Frontend.h"
#include "archive/ArchiveBuffers.h"
#include "link/LinkOpener.h"
#include "link/Protocol.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QFileDialog;
class QFontDialog;
class QLabel;
class QProgressBar;
class QTabBar;

namespace Ui {
class Form1;
}

// The main window: four tabs, the port list and the two connection buttons whose captions follow
// the tab, the status line and the progress bar. It owns the program-wide state (the protocol
// with its buffer and flags, the firmware version byte, ...) and is the Frontend of every action.
// Actions run to their end inside their handler; while one runs every action control is
// disabled and closing the window is refused.
class TForm1 : public QMainWindow, public Frontend {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Selects the remote-access client's entry and serves it through the pipe `name`.
    void selectPipe(const QString& name);
    bool actionRunning() const { return busy_; }

    // Frontend
    void setStatus(const QString& text) override;
    QString status() const override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void stepProgress() override;
    void processEvents() override;
    bool askYesNo(const QString& caption, const QString& text) override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;

public slots:
    void FormCreate();
    void FormResize();
    void PageControl1Change(int index);
    void Button1Click();
    void Button2Click();
    void Button5Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class ActionScope;

    enum Tab { kInfoTab = 0, kArchiveTab = 1, kSettingsTab = 2, kUpdateTab = 3 };

    PortSelection portSelection() const;
    void runInfoReadout();

    // Action controls are enabled when their own rule allows it and no action runs.
    void setActionEnabled(QWidget* control, bool enabled);
    void applyActionStates();
    bool branchBuilt(int tab, int button) const;

    std::unique_ptr<Ui::Form1> ui;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::map<QWidget*, bool> actionControls_;
    bool busy_ = false;

    // Program-wide state.
    LinkOpener opener_;
    Protocol protocol_;
    quint8 firmwareVersionByte_ = 0;

    // Archive tab (ProUArchive.cpp) ------------------------------------------------------------
public slots:
    void Button3Click();

private:
    void initArchiveTab();
    void runArchiveReadout();
    void exportArchive();

    // The last readout of each archive, for the export.
    archive::Archives archives_;
    QFileDialog* SaveDialog1 = nullptr;
    QFontDialog* FontDialog1 = nullptr;
};
