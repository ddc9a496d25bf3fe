#include "app/ProU.h"

#include "actions/InfoReadout.h"
#include "app/ActionStrip.h"
#include "app/ArchiveTab.h"
#include "app/FileFolders.h"
#include "app/FittingScrollArea.h"
#include "app/HistoryTab.h"
#include "app/InfoTab.h"
#include "app/PortListWatcher.h"
#include "app/SettingsTab.h"
#include "app/UpdateTab.h"
#include "app/VisitDialog.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "link/PortList.h"
#include "store/StoreTexts.h"
#include "store/Visit.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTime>
#include <QToolButton>

namespace {
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
    // The icon the desktop shows for the program: the installed theme's, else the built-in one.
    setWindowIcon(
        QIcon::fromTheme(QStringLiteral("zetra"), QIcon(QStringLiteral(":/icons/zetra.svg"))));
    // Dialogs and message boxes are windows of their own and do not inherit the main window's
    // font: the window's font becomes the program's, so they all read alike.
    QApplication::setFont(font());

    strip_ = std::make_unique<ActionStrip>(*this, *ui->StatusBar1);
    session_ = std::make_unique<core::Session>(*strip_);
    strip_->attach(*session_);

    const TabContext context{*this, *ui, *session_, [this](QWidget* control, bool enabled) {
                                 strip_->setActionEnabled(control, enabled);
                             }};
    infoTab_ = std::make_unique<InfoTab>(context);

    for (QWidget* control : std::initializer_list<QWidget*>{
             ui->Button1, ui->Button2, ui->Button3, ui->Button5, ui->Button6, ui->Button7,
             ui->Button8, ui->Button9, ui->Button10, ui->Button11, ui->SpeedButton1,
             ui->SpeedButton2, ui->ComboBox1, tabBarOf(ui->PageControl1),
             tabBarOf(ui->PageControl2)})
        strip_->setActionEnabled(control, true);
    // What the actions work on stays as it was when the action started: the settings form
    // with its «ПК» and «...» buttons, the archive's date range, the firmware file's name.
    for (QWidget* inputs :
         std::initializer_list<QWidget*>{ui->SettingsPage, ui->Panel1, ui->Edit10})
        strip_->lockWhileRunning(inputs);
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
    historyTab_ = std::make_unique<HistoryTab>(context);
    ui->PageControl1->addTab(historyTab_->page(), store::texts::historyTabCaption());
    connect(ui->PageControl1->findChild<QPushButton*>(QStringLiteral("HistorySync")),
            &QPushButton::clicked, this, [this] {
                if (strip_->running())
                    return;
                ActionStrip::Scope scope(*strip_, true);
                historyTab_->sync(linkTarget());
            });
    connect(ui->PageControl1->findChild<QPushButton*>(QStringLiteral("HistorySave")),
            &QPushButton::clicked, this, [this] {
                if (strip_->running())
                    return;
                ActionStrip::Scope scope(*strip_);
                historyTab_->save();
            });

    // The service visit, beside the Info tab's buttons.
    visitButton_ = new QPushButton(tr("Обслуживание…"), this);
    visitButton_->setObjectName(QStringLiteral("VisitButton"));
    ui->BottomRow->insertWidget(ui->BottomRow->indexOf(ui->Button2) + 1, visitButton_);
    strip_->setActionEnabled(visitButton_, true);
    connect(visitButton_, &QPushButton::clicked, this, &TForm1::visitClick);
    // The act of the visit chosen in the history, made again from the store alone.
    actButton_ = new QPushButton(tr("Акт…"), historyTab_->page());
    actButton_->setObjectName(QStringLiteral("HistoryAct"));
    actButton_->setEnabled(false);
    historyTab_->visitActions()->addWidget(actButton_);
    connect(historyTab_.get(), &HistoryTab::visitSelected, this,
            [this](std::optional<qint64> id) { actButton_->setEnabled(id.has_value()); });
    connect(actButton_, &QPushButton::clicked, this, [this] {
        if (strip_->running())
            return;
        ActionStrip::Scope scope(*strip_);
        historyTab_->writeAct();
    });

    FormCreate();
    // The port list follows adapters plugged in or pulled out while the window is open.
    new PortListWatcher(
        ui->ComboBox1, [this] { return strip_->running(); }, this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    ui->ComboBox1->clear();
    ui->ComboBox1->addItems(line::port_list::present());
    ui->ComboBox1->setCurrentIndex(0);

    strip_->showProgressBar();

    const QString programFolder = QCoreApplication::applicationDirPath();
    updateTab_->setFolder(programFolder);
    settingsTab_->setFolder(file_folders::startFolder(programFolder));

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

void TForm1::FormResize() { strip_->place(); }

bool TForm1::actionRunning() const { return strip_->running(); }

bool TForm1::askYesNo(const QString& caption, const QString& text) {
    return strip_->askYesNo(caption, text);
}

void TForm1::showError(const QString& caption, const QString& text) {
    strip_->showError(caption, text);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && strip_->escape())
        return;
    QMainWindow::keyPressEvent(event);
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
    // The update and history tabs have buttons of their own.
    const bool update = index == kUpdateTab || index == kHistoryTab;
    if (index == kHistoryTab)
        historyTab_->refresh();
    if (!update && index >= 0 && index < 3) {
        ui->Button1->setText(tr(captions[index].button1));
        ui->Button2->setText(tr(captions[index].button2));
    }
    ui->Button1->setVisible(!update);
    ui->Button2->setVisible(!update);
    ui->Button11->setVisible(index == kSettingsTab);
    if (visitButton_)
        visitButton_->setVisible(index == kInfoTab);
    ui->SpeedButton1->setVisible(index == kSettingsTab);
    ui->SpeedButton2->setVisible(index == kSettingsTab);
}

void TForm1::Button1Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_, true);
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
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_, ui->PageControl1->currentIndex() != kArchiveTab);
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

void TForm1::visitClick() {
    if (strip_->running())
        return;
    VisitDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    {
        ActionStrip::Scope scope(*strip_, true);
        infoTab_->visit(linkTarget(), dialog.engineer(), dialog.setClock(), dialog.actFile(),
                        settingsTab_->form());
    }
    historyTab_->refresh();
}

void TForm1::Button5Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!strip_->mayClose()) {
        event->ignore();
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
    if (!strip_->running())
        archiveTab_->chooseFont();
}

void TForm1::Button9Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_);
    updateTab_->loadImage();
}

void TForm1::Button10Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_, true);
    updateTab_->program(linkTarget());
}

void TForm1::SpeedButton1Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_);
    settingsTab_->loadFile();
}

void TForm1::SpeedButton2Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_);
    settingsTab_->saveFile();
}

void TForm1::RadioButton1Click() { settingsTab_->applyInsertionRule(); }

void TForm1::RadioButton2Click() { settingsTab_->applyInsertionRule(); }

void TForm1::RadioButton5Click() { settingsTab_->convertZeroCutoff(false); }

void TForm1::RadioButton6Click() { settingsTab_->convertZeroCutoff(true); }

void TForm1::ComboBox2Change() { settingsTab_->applyMediumRule(); }

void TForm1::Edit13DblClick() { settingsTab_->fillTime(); }

void TForm1::SpeedButton3Click() { settingsTab_->fillDateAndTime(); }

void TForm1::Button11Click() {
    if (strip_->running())
        return;
    ActionStrip::Scope scope(*strip_);
    settingsTab_->compare(linkTarget());
}

void TForm1::attachStore(const store::Location& location) {
    store::attachment(*session_).location = location;
}
