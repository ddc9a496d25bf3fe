#include "app/ArchiveTab.h"

#include "actions/Actions.h"
#include "app/ArchiveChartPanel.h"
#include "app/FileFolders.h"
#include "app/MemoFontDialog.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveTexts.h"
#include "core/Frontend.h"
#include "core/Outcome.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "ui_Form1.h"

#include <QDateEdit>
#include <QFileDialog>

namespace {
archive::Kind archiveKind(const QTabWidget* archiveTabs) {
    return archiveTabs->currentIndex() == 0 ? archive::Kind::Daily : archive::Kind::Minute;
}

// The save dialog's filter entries, text file first, in the order of the export formats.
QStringList saveFilters() { return archive::texts::saveFilter().split(QStringLiteral(";;")); }

archive::ExportFormat formatOf(const QString& filter) {
    const qsizetype entry = saveFilters().indexOf(filter);
    return entry > 0 && entry < archive::kExportFormats ? archive::ExportFormat(entry)
                                                        : archive::ExportFormat::Text;
}

// The save dialog gives a name typed without an extension the one of the chosen filter entry
// before it asks about replacing an existing file, so the question is about the file that
// will be written. The suffix is set only for that moment: left in place, it would make the
// dialog's completion pick an existing file of the other entry while a name is being typed.
class ArchiveSaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        setDefaultSuffix(archive::formatExtension(formatOf(selectedNameFilter())));
        QFileDialog::accept();
        setDefaultSuffix(QString());
    }
};
} // namespace

ArchiveSaver::ArchiveSaver(QWidget* parent, const QString& objectName)
    : dialog_(new ArchiveSaveDialog(parent)) {
    dialog_->setObjectName(objectName);
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setNameFilters(saveFilters());
}

void ArchiveSaver::save(core::Frontend& frontend, archive::Kind kind, const QStringList& lines,
                        const archive::Archives& archives) {
    file_folders::openIn(dialog_);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return;
    const archive::SaveTarget target = archive::saveTarget(dialog_->selectedFiles().first(),
                                                           formatOf(dialog_->selectedNameFilter()));
    // Next time the dialog offers the name the file got, under the entry of its format.
    dialog_->selectNameFilter(saveFilters().value(int(target.format)));
    dialog_->selectFile(target.fileName);
    file_folders::remember(target.fileName);
    const core::Outcome saved = archive::exportArchive(frontend, kind, target.format,
                                                       target.fileName, lines, archives, QLocale());
    if (saved.succeeded())
        frontend.setStatus(core::texts::savedTo(target.fileName));
    else
        core::finish(frontend, saved);
}

ArchiveTab::ArchiveTab(const TabContext& context)
    : c_(context), saver_(&context.window, QStringLiteral("SaveDialog1")) {
    FontDialog1 = new MemoFontDialog(&c_.window);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    c_.setActionEnabled(c_.ui.Button3, true);

    archive::Archives& archives = c_.session.kept<archive::Archives>();
    dailyChart_ = addArchiveChart(c_.ui.Memo2, archive::Kind::Daily, archives);
    minuteChart_ = addArchiveChart(c_.ui.Memo3, archive::Kind::Minute, archives);

    QObject::connect(c_.ui.PageControl2, &QTabWidget::currentChanged, &c_.window,
                     [this] { limitPickersToMeter(); });
    QObject::connect(c_.ui.PageControl1, &QTabWidget::currentChanged, &c_.window,
                     [this] { limitPickersToMeter(); });
}

void ArchiveTab::limitPickersToMeter() {
    const std::optional<int> today = c_.session.kept<archive::Archives>().meterToday;
    if (!today)
        return;
    const int back = archiveKind(c_.ui.PageControl2) == archive::Kind::Daily
                         ? archive::kDailyDaysBack
                         : archive::kMinuteDaysBack;
    const QDate first = device::dateFromDayNumber(*today - back);
    const QDate last = device::dateFromDayNumber(*today);
    for (QDateEdit* picker : {c_.ui.DateTimePicker2, c_.ui.DateTimePicker3})
        picker->setDateRange(first, last);
}

void ArchiveTab::read(const line::LinkTarget& target) {
    const archive::Kind kind = archiveKind(c_.ui.PageControl2);
    const archive::Interval interval{device::dayNumberFromDate(c_.ui.DateTimePicker2->date()),
                                     device::dayNumberFromDate(c_.ui.DateTimePicker3->date())};
    const archive::Readout readout =
        actions::readArchive(c_.session, target, kind, interval, QLocale());
    limitPickersToMeter();
    if (!readout.lines)
        return;
    // All lines in one update of the memo.
    QPlainTextEdit* memo = kind == archive::Kind::Daily ? c_.ui.Memo2 : c_.ui.Memo3;
    memo->setPlainText(readout.lines->join(QLatin1Char('\n')));
    // A hidden chart is drawn when it is switched to.
    charts::ArchiveChart* chart = kind == archive::Kind::Daily ? dailyChart_ : minuteChart_;
    if (chart->isVisible())
        chart->refresh();
}

void ArchiveTab::save() {
    const archive::Kind kind = archiveKind(c_.ui.PageControl2);
    const QPlainTextEdit* memo = kind == archive::Kind::Daily ? c_.ui.Memo2 : c_.ui.Memo3;
    saver_.save(c_.session.frontend(), kind, archive::memoLines(memo->toPlainText()),
                c_.session.kept<archive::Archives>());
}

void ArchiveTab::chooseFont() {
    FontDialog1->setMemoFont(c_.ui.Memo2->font());
    FontDialog1->setCurrentColor(c_.ui.Memo2->palette().color(QPalette::Text));
    if (FontDialog1->exec() != QDialog::Accepted)
        return;
    const QFont font = FontDialog1->selectedFont();
    const QColor color = FontDialog1->selectedColor();
    for (QPlainTextEdit* memo : {c_.ui.Memo2, c_.ui.Memo3}) {
        memo->setFont(font);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Text, color);
        memo->setPalette(palette);
    }
}
