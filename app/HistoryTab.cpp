#include "app/HistoryTab.h"

#include "actions/StoreActions.h"
#include "app/ArchiveChartPanel.h"
#include "app/FileFolders.h"
#include "app/FittingScrollArea.h"
#include "archive/ArchiveReport.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "documents/VisitAct.h"
#include "store/History.h"
#include "store/StoreTexts.h"
#include "store/Visit.h"
#include "ui_Form1.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// A report holds at most this many days of minutes.
constexpr int kMinuteDays = store::history::kMaxEntries / 1440;

int dayOf(archive::Kind kind, store::Position p) {
    return kind == archive::Kind::Daily ? int(p) : int(p / 1440);
}

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

HistoryTab::HistoryTab(const TabContext& context)
    : c_(context), page_(named(new QWidget, "HistoryPage")),
      scroll_(named(new FittingScrollArea, "HistoryScroll")),
      saver_(&context.window, QStringLiteral("HistorySaveDialog")) {
    auto* scroll = static_cast<FittingScrollArea*>(scroll_);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page_);
    note_ = named(new QLabel(page_), "HistoryNote");
    note_->setWordWrap(true);
    meterList_ = named(new QListWidget(page_), "HistoryMeters");
    visitList_ = named(new QTableWidget(0, 4, page_), "HistoryVisits");
    visitList_->setHorizontalHeaderLabels(store::texts::visitColumns().split(QLatin1Char(';')));
    visitList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    visitList_->setSelectionMode(QAbstractItemView::SingleSelection);
    visitList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    visitList_->verticalHeader()->hide();
    visitList_->verticalHeader()->setDefaultSectionSize(visitList_->fontMetrics().height() + 6);
    visitList_->horizontalHeader()->setStretchLastSection(true);
    visitList_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    from_ = named(new QDateEdit(page_), "HistoryFrom");
    to_ = named(new QDateEdit(page_), "HistoryTo");
    const QString longDate = QLocale().dateFormat(QLocale::LongFormat);
    for (QDateEdit* picker : {from_, to_}) {
        picker->setDisplayFormat(longDate);
        picker->setCalendarPopup(true);
        picker->setDate(QDate::currentDate());
    }
    showButton_ = named(new QPushButton(tr("Показать"), page_), "HistoryShow");
    syncButton_ = named(new QPushButton(store::texts::syncButton(), page_), "HistorySync");
    saveButton_ = named(new QPushButton(tr("Сохранить"), page_), "HistorySave");

    kinds_ = named(new QTabWidget(page_), "HistoryKinds");
    for (int k = 0; k < 2; ++k) {
        auto* sheet = new QWidget;
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        memos_[k] = new QPlainTextEdit(sheet);
        memos_[k]->setObjectName(k == 0 ? QStringLiteral("HistoryDailyMemo")
                                        : QStringLiteral("HistoryMinuteMemo"));
        memos_[k]->setReadOnly(true);
        memos_[k]->setLineWrapMode(QPlainTextEdit::NoWrap);
        memos_[k]->setFont(c_.ui.Memo2->font());
        layout->addWidget(memos_[k]);
        charts_[k] = addArchiveChart(
            memos_[k], k == 0 ? archive::Kind::Daily : archive::Kind::Minute, archives_);
        kinds_->addTab(sheet, k == 0 ? tr("Суточная") : tr("Минутная"));
    }

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Приборы в хранилище"), page_));
    left->addWidget(meterList_, 1);
    left->addWidget(new QLabel(tr("Визиты"), page_));
    left->addWidget(visitList_, 2);
    visitActions_ = new QHBoxLayout;
    visitActions_->addStretch();
    left->addLayout(visitActions_);
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(tr("С"), page_));
    range->addWidget(from_);
    range->addWidget(new QLabel(tr("по"), page_));
    range->addWidget(to_);
    range->addWidget(showButton_);
    range->addStretch();
    range->addWidget(syncButton_);
    range->addWidget(saveButton_);
    auto* right = new QVBoxLayout;
    right->addLayout(range);
    right->addWidget(note_);
    right->addWidget(kinds_, 1);
    auto* layout = new QHBoxLayout(page_);
    layout->addLayout(left, 2);
    layout->addLayout(right, 5);

    for (QWidget* control : std::initializer_list<QWidget*>{
             meterList_, showButton_, syncButton_, saveButton_, from_, to_, kinds_->tabBar()})
        c_.setActionEnabled(control, true);

    connect(meterList_, &QListWidget::currentRowChanged, this, [this] { meterChosen(); });
    connect(visitList_, &QTableWidget::itemSelectionChanged, this,
            [this] { emit visitSelected(selectedVisitId()); });
    connect(kinds_, &QTabWidget::currentChanged, this, [this] {
        limitPickers(true);
        show();
    });
    connect(showButton_, &QPushButton::clicked, this, [this] { show(); });
}

archive::Kind HistoryTab::kind() const {
    return kinds_->currentIndex() == 0 ? archive::Kind::Daily : archive::Kind::Minute;
}

const store::MeterSummary* HistoryTab::meter() const {
    const int row = meterList_->currentRow();
    return row >= 0 && row < int(meters_.size()) ? &meters_[std::size_t(row)] : nullptr;
}

void HistoryTab::say(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

std::optional<qint64> HistoryTab::selectedVisitId() const {
    const QList<QTableWidgetItem*> chosen = visitList_->selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    return visitList_->item(chosen.first()->row(), 0)->data(Qt::UserRole).toLongLong();
}

void HistoryTab::refresh() {
    const qint64 chosen = meter() ? meter()->id : -1; // ids start at 1
    store::Attachment& a = store::attachment(c_.session);
    store::Store* s = a.get();
    std::optional<std::vector<store::MeterSummary>> meters;
    if (s)
        meters = s->meters();
    const QSignalBlocker block(meterList_);
    meterList_->clear();
    meters_.clear();
    if (!meters) {
        const QString reason = !a.location.enabled() ? store::texts::storeOff()
                               : s                   ? s->error()
                                                     : a.openError;
        say(store::texts::storeFailed(a.location.text, reason));
        c_.setActionEnabled(syncButton_, false);
        meterChosen();
        return;
    }
    c_.setActionEnabled(syncButton_, true);
    say(meters->empty() ? tr("В хранилище нет приборов: синхронизируйте прибор") : QString());
    meters_ = std::move(*meters);
    int row = meters_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < meters_.size(); ++i) {
        const store::MeterSummary& m = meters_[i];
        meterList_->addItem(
            tr("№ %1 от %2")
                .arg(m.identity.serial)
                .arg(QLocale().toString(m.identity.manufactured, QLocale::ShortFormat)));
        if (m.id == chosen)
            row = int(i);
    }
    meterList_->setCurrentRow(row);
    meterChosen();
}

void HistoryTab::meterChosen() {
    visitList_->setRowCount(0);
    const store::MeterSummary* m = meter();
    store::Store* s = store::attachment(c_.session).get();
    if (m && s) {
        if (const std::optional<std::vector<store::VisitSummary>> visits = s->visits(m->id)) {
            visitList_->setRowCount(int(visits->size()));
            for (int row = 0; row < int(visits->size()); ++row) {
                const store::VisitSummary& v = (*visits)[std::size_t(row)];
                const QString drift =
                    v.clockDriftSeconds
                        ? (*v.clockDriftSeconds > 0 ? QStringLiteral("+") : QString()) +
                              QString::number(*v.clockDriftSeconds)
                        : QString();
                const QString cells[] = {
                    QLocale().toString(v.startedUtc.toLocalTime(), QLocale::ShortFormat), v.action,
                    v.outcome, drift};
                for (int column = 0; column < 4; ++column)
                    visitList_->setItem(row, column, new QTableWidgetItem(cells[column]));
                visitList_->item(row, 0)->setData(Qt::UserRole, v.id);
            }
        } else {
            say(store::texts::storeFailed(store::attachment(c_.session).location.text, s->error()));
        }
    }
    emit visitSelected(std::nullopt);
    limitPickers(true);
    show();
}

void HistoryTab::limitPickers(bool reset) {
    const store::MeterSummary* m = meter();
    const bool daily = kind() == archive::Kind::Daily;
    const std::optional<store::Position> first = !m      ? std::nullopt
                                                 : daily ? m->dailyFrom
                                                         : m->minuteFrom;
    const std::optional<store::Position> last = !m      ? std::nullopt
                                                : daily ? m->dailyTo
                                                        : m->minuteTo;
    if (!first || !last)
        return;
    const int firstDay = dayOf(kind(), *first);
    const int lastDay = dayOf(kind(), *last);
    for (QDateEdit* picker : {from_, to_}) {
        const QSignalBlocker block(picker);
        picker->setDateRange(device::dateFromDayNumber(firstDay),
                             device::dateFromDayNumber(lastDay));
    }
    if (reset) {
        // All that is stored; of the minutes, the newest days one report holds.
        from_->setDate(device::dateFromDayNumber(
            daily ? firstDay : std::max(firstDay, lastDay - kMinuteDays + 1)));
        to_->setDate(device::dateFromDayNumber(lastDay));
    }
}

void HistoryTab::show() {
    const int k = kind() == archive::Kind::Daily ? 0 : 1;
    lines_[k].clear();
    memos_[k]->clear();
    if (k == 0)
        archives_.daily = {};
    else
        archives_.minute = {};
    if (charts_[k]->isVisible())
        charts_[k]->refresh();
    c_.setActionEnabled(saveButton_, false);
    const store::MeterSummary* m = meter();
    store::Store* s = store::attachment(c_.session).get();
    const bool stored = m && (k == 0 ? m->dailyFrom : m->minuteFrom);
    if (!s || !stored) {
        if (s && m)
            memos_[k]->setPlainText(store::texts::noRecordsStored());
        return;
    }
    const int fromDay = device::dayNumberFromDate(from_->date());
    const int toDay = device::dayNumberFromDate(to_->date());
    if (fromDay > toDay)
        return;
    if (k == 1 && toDay - fromDay + 1 > kMinuteDays) {
        say(store::texts::minuteRangeTooLong(kMinuteDays));
        return;
    }
    const std::optional<store::history::Built> built =
        k == 0 ? store::history::build(*s, m->id, archive::Kind::Daily, fromDay, toDay, QLocale())
               : store::history::build(*s, m->id, archive::Kind::Minute,
                                       store::minutePosition(fromDay, 0),
                                       store::minutePosition(toDay, 1439), QLocale());
    if (!built) {
        say(store::texts::storeFailed(store::attachment(c_.session).location.text, s->error()));
        return;
    }
    say(QString());
    if (k == 0)
        archives_.daily = built->archives.daily;
    else
        archives_.minute = built->archives.minute;
    lines_[k] = built->lines;
    // All lines in one update of the memo; a hidden chart is drawn when it is switched to.
    memos_[k]->setPlainText(lines_[k].join(QLatin1Char('\n')));
    if (charts_[k]->isVisible())
        charts_[k]->refresh();
    c_.setActionEnabled(saveButton_, true);
}

void HistoryTab::save() {
    const int k = kind() == archive::Kind::Daily ? 0 : 1;
    if (lines_[k].isEmpty())
        return;
    saver_.save(c_.session.frontend(), kind(), lines_[k], archives_);
}

void HistoryTab::writeAct() {
    const std::optional<qint64> visit = selectedVisitId();
    store::Store* s = store::attachment(c_.session).get();
    if (!visit || !s)
        return;
    const QString name = QFileDialog::getSaveFileName(
        &c_.window, tr("Акт обслуживания"),
        file_folders::last().isEmpty()
            ? QString()
            : QDir(file_folders::last()).filePath(tr("акт %1.pdf").arg(*visit)),
        tr("документ PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (name.isEmpty())
        return;
    const QString file = QFileInfo(name).suffix().isEmpty() ? name + QStringLiteral(".pdf") : name;
    file_folders::remember(file);
    core::Frontend& frontend = c_.session.frontend();
    const QString reason = documents::writeVisitAct(*s, *visit, file);
    if (!reason.isEmpty())
        core::finish(frontend, core::Outcome::saveFailed(file, reason));
    else
        say(tr("Акт визита записан: %1").arg(QDir::toNativeSeparators(file)));
}

void HistoryTab::sync(const line::LinkTarget& target) {
    store::Attachment& a = store::attachment(c_.session);
    if (!a.get()) {
        c_.session.frontend().showError(core::texts::errorCaption(), a.unavailable());
        return;
    }
    const actions::SyncRun run = actions::syncStore(c_.session, target, true, true);
    refresh();
    if (run.meter) {
        for (std::size_t i = 0; i < meters_.size(); ++i) {
            if (meters_[i].identity.serial == run.meter->serial &&
                meters_[i].identity.manufactured == run.meter->manufactured)
                meterList_->setCurrentRow(int(i));
        }
    }
    if (run.result) {
        QStringList lines;
        for (const store::sync::RingResult* r : {&run.result->daily, &run.result->minute}) {
            if (r->ran)
                lines << store::texts::syncLine(r == &run.result->daily, r->read, r->fresh,
                                                r->conflicts, r->unreadable);
        }
        say(lines.join(QLatin1Char('\n')));
    }
}
