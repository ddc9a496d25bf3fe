#include "app/ProU.h"

#include "actions/InfoReadout.h"
#include "app/ArchiveTab.h"
#include "app/ExchangeLogWindow.h"
#include "app/FittingScrollArea.h"
#include "app/InfoTab.h"
#include "app/PortListWatcher.h"
#include "app/SettingsTab.h"
#include "app/UpdateTab.h"
#include "core/CancelTexts.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "link/PortList.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int kStatusPanel0Width = 300;
constexpr int kStatusPanel1Width = 50;
constexpr int kInitialProgressMaximum = 500;
// The progress bar keeps this much room at the window's right edge for the size grip.
constexpr int kProgressRightMargin = 28;

QString withLineBreaks(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

// A double click on a text field, which has no signal of its own for it.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> onDoubleClick)
        : QObject(parent), onDoubleClick_(std::move(onDoubleClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            onDoubleClick_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onDoubleClick_;
};

QTabBar* tabBarOf(QTabWidget* tabs) {
    return tabs->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

static void initResources() {
    // The icons are compiled into the window's static library.
    Q_INIT_RESOURCE(zetra);
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui(new Ui::Form1) {
    initResources();
    ui->setupUi(this);
    setWindowTitle(core::texts::mainWindowCaption());
    // Dialogs and message boxes are windows of their own and do not inherit the main window's
    // font: the window's font becomes the program's, so they all read alike.
    QApplication::setFont(font());

    statusPanel0_ = new QLabel(core::texts::initialStatus(), ui->StatusBar1);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setFixedWidth(kStatusPanel0Width);
    statusPanel1_ = new QLabel(ui->StatusBar1);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1_->setFixedWidth(kStatusPanel1Width);
    ui->StatusBar1->addWidget(statusPanel0_);
    ui->StatusBar1->addWidget(statusPanel1_);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, kInitialProgressMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    setUpActionStrip();

    const TabContext context{*this, *ui, session_, [this](QWidget* control, bool enabled) {
                                 setActionEnabled(control, enabled);
                             }};
    infoTab_ = std::make_unique<InfoTab>(context);

    for (QWidget* control : std::initializer_list<QWidget*>{
             ui->Button1, ui->Button2, ui->Button3, ui->Button5, ui->Button6, ui->Button7,
             ui->Button8, ui->Button9, ui->Button10, ui->Button11, ui->SpeedButton1,
             ui->SpeedButton2, ui->ComboBox1, tabBarOf(ui->PageControl1),
             tabBarOf(ui->PageControl2)})
        actionControls_[control] = true;
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    archiveTab_ = std::make_unique<ArchiveTab>(context);
    connect(ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    setUpCalculators();
    updateTab_ = std::make_unique<UpdateTab>(context);
    connect(ui->Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(ui->Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    settingsTab_ = std::make_unique<SettingsTab>(context);
    connectSettingsTab();
    applyActionStates();

    FormCreate();
    // The port list follows adapters plugged in or pulled out while the window is open.
    new PortListWatcher(
        ui->ComboBox1, [this] { return busy_; }, this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    ui->ComboBox1->clear();
    ui->ComboBox1->addItems(line::port_list::present());
    ui->ComboBox1->setCurrentIndex(0);

    // The progress bar lives inside the status bar, right of the status line.
    ProgressBar1->setParent(ui->StatusBar1);
    placeProgressBar(ui->StatusBar1->sizeHint().height());
    ProgressBar1->show();

    const QString programFolder = QCoreApplication::applicationDirPath();
    updateTab_->setFolder(programFolder);
    settingsTab_->setFolder(programFolder);

    const QString longDate = QLocale().dateFormat(QLocale::LongFormat);
    const QDate today = QDate::currentDate();
    for (QDateEdit* picker : {ui->DateTimePicker1, ui->DateTimePicker2, ui->DateTimePicker3}) {
        picker->setDisplayFormat(longDate);
        picker->setDate(today);
    }
    const QTime now = QTime::currentTime();
    ui->Edit13->setText(device::formatClock(now.hour(), now.minute()));

    // The window starts large enough for every tab to show whole (the design size is smaller
    // than the tabs need in the desktop's fonts), and may then be made smaller: its tabs scroll.
    FittingScrollArea::prepare(this);
    resize(size().expandedTo(sizeHint()));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    PageControl1Change(ui->PageControl1->currentIndex());
}

void TForm1::FormResize() { placeProgressBar(ui->StatusBar1->height()); }

// The bar runs from the status line to the status bar's right end; while an action runs it
// leaves room for the time left and "Прервать" there. The log's small button stands in the
// corner.
void TForm1::placeProgressBar(int statusBarHeight) {
    int reserved = kProgressRightMargin;
    for (QWidget* w : std::initializer_list<QWidget*>{timeLeftLabel_, cancelButton_}) {
        if (!w->isHidden())
            reserved += w->sizeHint().width() + 6;
    }
    ProgressBar1->setGeometry(kStatusPanel0Width, 2,
                              std::max(width() - kStatusPanel0Width - reserved, 20),
                              statusBarHeight - 3);
}

void TForm1::setUpActionStrip() {
    timeLeftLabel_ = new QLabel(this);
    timeLeftLabel_->setObjectName(QStringLiteral("TimeLeftLabel"));
    timeLeftLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 4);
    timeLeftLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLeftLabel_->setToolTip(QCoreApplication::translate("TForm1", "Осталось времени"));
    cancelButton_ = new QPushButton(core::texts::cancel::cancelButton(), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setVisible(false);
    logButton_ = new QToolButton(this);
    logButton_->setObjectName(QStringLiteral("LogButton"));
    // A list icon where the style has one; the letter names the button for screen readers and
    // stands in for a missing icon.
    logButton_->setText(QCoreApplication::translate("TForm1", "Ж"));
    logButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    logButton_->setFixedWidth(kProgressRightMargin - 4);
    ui->StatusBar1->setSizeGripEnabled(false);
    timeLeftLabel_->setVisible(false);
    logButton_->setToolTip(QCoreApplication::translate("TForm1", "Журнал обмена (Ctrl+L)"));
    logButton_->setAutoRaise(true);
    ui->StatusBar1->addPermanentWidget(timeLeftLabel_);
    ui->StatusBar1->addPermanentWidget(cancelButton_);
    ui->StatusBar1->addPermanentWidget(logButton_);
    connect(cancelButton_, &QPushButton::clicked, this, &TForm1::cancelAction);
    connect(logButton_, &QToolButton::clicked, this, &TForm1::showExchangeLog);

    auto* logKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    logKey->setContext(Qt::ApplicationShortcut);
    connect(logKey, &QShortcut::activated, this, &TForm1::showExchangeLog);

    session_.setExchangeLog(&exchangeLog_);
    // While a phase that must not be cut runs, the button is disabled and says why.
    session_.cancel().setPhaseObserver([this](line::CancelToken::Phase phase) {
        cancelButton_->setEnabled(phase == line::CancelToken::Phase::Interruptible);
        cancelButton_->setToolTip(phase == line::CancelToken::Phase::Refused
                                      ? core::texts::cancel::cannotStopFirmware()
                                  : phase == line::CancelToken::Phase::Deferred
                                      ? core::texts::cancel::cannotStopSettings()
                                      : QString());
    });
}

void TForm1::showCancelButton(bool shown) {
    cancelButton_->setEnabled(true);
    cancelButton_->setToolTip(QString());
    cancelButton_->setVisible(shown);
    FormResize();
}

void TForm1::cancelAction() {
    if (busy_)
        session_.cancel().request();
}

void TForm1::actionEnded() {
    cancelButton_->setVisible(false);
    progress_.endPlan();
    timeLeftLabel_->clear();
    timeLeftLabel_->setVisible(false);
    FormResize();
    // The close asked for during the action happens now that it has ended; a question still
    // unanswered has nothing left to stop.
    if (closeQuestion_)
        closeQuestion_->reject();
    if (closeWhenDone_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void TForm1::askToStopAndClose() {
    if (closeWhenDone_ || closeQuestion_)
        return;
    auto* box = new QMessageBox(QMessageBox::Question, core::texts::attentionCaption(),
                                core::texts::cancel::closeQuestion(),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    closeQuestion_ = box;
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        closeWhenDone_ = true;
        if (busy_)
            session_.cancel().request();
        else
            close();
    });
    box->open();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && cancelButton_->isVisible() &&
        cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::showExchangeLog() {
    if (!logWindow_)
        logWindow_ = new ExchangeLogWindow(exchangeLog_, this);
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

void TForm1::showTimeLeft() {
    const std::optional<qint64> left = progress_.timeLeftMs();
    const QString text =
        left && ProgressBar1->value() > 0 ? core::TimeLeft::text(*left) : QString();
    if (timeLeftLabel_->text() == text)
        return;
    timeLeftLabel_->setText(text);
    if (timeLeftLabel_->isHidden() == text.isEmpty())
        return;
    timeLeftLabel_->setVisible(!text.isEmpty());
    FormResize();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::PageControl1Change(int index) {
    struct Captions {
        const char* button1;
        const char* button2;
    };
    static const Captions captions[] = {
        {QT_TRANSLATE_NOOP("TForm1", "Обновить"), QT_TRANSLATE_NOOP("TForm1", "Очистить")},
        {QT_TRANSLATE_NOOP("TForm1", "Читать"), QT_TRANSLATE_NOOP("TForm1", "Сохранить")},
        {QT_TRANSLATE_NOOP("TForm1", "Читать"), QT_TRANSLATE_NOOP("TForm1", "Применить")},
    };
    const bool update = index == kUpdateTab;
    if (!update && index >= 0 && index < 3) {
        ui->Button1->setText(tr(captions[index].button1));
        ui->Button2->setText(tr(captions[index].button2));
    }
    ui->Button1->setVisible(!update);
    ui->Button2->setVisible(!update);
    ui->Button11->setVisible(index == kSettingsTab);
    ui->SpeedButton1->setVisible(index == kSettingsTab);
    ui->SpeedButton2->setVisible(index == kSettingsTab);
}

void TForm1::Button1Click() {
    if (busy_)
        return;
    ActionScope scope(*this, true);
    switch (ui->PageControl1->currentIndex()) {
    case kInfoTab:
        infoTab_->read(linkTarget());
        break;
    case kSettingsTab:
        settingsTab_->read(linkTarget());
        break;
    case kArchiveTab:
        archiveTab_->read(linkTarget());
        break;
    default:
        break;
    }
}

void TForm1::Button2Click() {
    if (busy_)
        return;
    ActionScope scope(*this, ui->PageControl1->currentIndex() != kArchiveTab);
    switch (ui->PageControl1->currentIndex()) {
    case kInfoTab:
        infoTab_->clearTotals(linkTarget());
        break;
    case kSettingsTab:
        settingsTab_->write(linkTarget());
        break;
    case kArchiveTab:
        archiveTab_->save();
        break;
    default:
        break;
    }
}

void TForm1::Button5Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // Closing asks whether to stop the action; the action goes on while the question
        // stands. On Yes the window closes once the action has ended.
        event->ignore();
        askToStopAndClose();
        return;
    }
    QMainWindow::closeEvent(event);
}

line::LinkTarget TForm1::linkTarget() const {
    const bool pipeEntry = ui->ComboBox1->currentIndex() == ui->ComboBox1->count() - 1;
    return line::port_list::targetOfEntry(ui->ComboBox1->currentText(), pipeEntry, pipeName_);
}

void TForm1::selectPipe(const QString& name) {
    pipeName_ = name;
    ui->ComboBox1->setCurrentIndex(ui->ComboBox1->count() - 1);
}

void TForm1::connectSettingsTab() {
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(ui->Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    // The reactions run when the engineer moves a selection, not when the tab is filled.
    connect(ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(ui->RadioButton5, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton5Click();
    });
    connect(ui->RadioButton6, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton6Click();
    });
    connect(ui->ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
    ui->Edit13->installEventFilter(new DoubleClickFilter(ui->Edit13, [this] { Edit13DblClick(); }));
}

// The tabs' buttons ----------------------------------------------------------------------------

void TForm1::Button3Click() {
    // The dialog is modal: no action can start while it is open.
    if (!busy_)
        archiveTab_->chooseFont();
}

void TForm1::Button9Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    updateTab_->loadImage();
}

void TForm1::Button10Click() {
    if (busy_)
        return;
    ActionScope scope(*this, true);
    updateTab_->program(linkTarget());
}

void TForm1::SpeedButton1Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    settingsTab_->loadFile();
}

void TForm1::SpeedButton2Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    settingsTab_->saveFile();
}

void TForm1::RadioButton1Click() { settingsTab_->applyInsertionRule(); }

void TForm1::RadioButton2Click() { settingsTab_->applyInsertionRule(); }

void TForm1::RadioButton5Click() { settingsTab_->convertZeroCutoff(false); }

void TForm1::RadioButton6Click() { settingsTab_->convertZeroCutoff(true); }

void TForm1::ComboBox2Change() { settingsTab_->applyMediumRule(); }

void TForm1::Edit13DblClick() { settingsTab_->fillTime(); }

void TForm1::SpeedButton3Click() { settingsTab_->fillTime(); }

void TForm1::Button11Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    settingsTab_->compare(linkTarget());
}

void TForm1::setActionEnabled(QWidget* control, bool enabled) {
    actionControls_[control] = enabled;
    control->setEnabled(enabled && !busy_);
}

void TForm1::applyActionStates() {
    for (const auto& [control, enabled] : actionControls_)
        control->setEnabled(enabled && !busy_);
}

// Frontend ---------------------------------------------------------------------------------

void TForm1::setStatus(const QString& text) { statusPanel0_->setText(text); }

QString TForm1::status() const { return statusPanel0_->text(); }

void TForm1::setProgressMaximum(int maximum) {
    // A range of 0..0 would make the bar an endless busy indicator.
    ProgressBar1->setRange(0, std::max(maximum, 1));
    progress_.setMaximum(maximum);
    showTimeLeft();
}

void TForm1::setProgressPosition(int position) {
    ProgressBar1->setValue(std::clamp(position, 0, ProgressBar1->maximum()));
    progress_.setPosition(position);
    showTimeLeft();
}

void TForm1::stepProgress() { setProgressPosition(ProgressBar1->value() + 1); }

void TForm1::planWork(qint64 totalUnits) { progress_.planWork(totalUnits); }

void TForm1::workDone(qint64 units) {
    progress_.workDone(units);
    showTimeLeft();
}

void TForm1::endWork() { progress_.endPlan(); }

void TForm1::processEvents() { QCoreApplication::processEvents(); }

bool TForm1::askYesNo(const QString& caption, const QString& text, DefaultButton defaultButton) {
    QMessageBox box(QMessageBox::Question, caption, withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TForm1::showInformation(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, withLineBreaks(text), QMessageBox::Ok, this);
    box.exec();
}

void TForm1::showError(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, withLineBreaks(text), QMessageBox::Ok, this);
    box.exec();
}
