#include "app/ArchiveTab.h"

#include "actions/Actions.h"
#include "app/ArchiveChart.h"
#include "app/MemoFontDialog.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"
#include "ui_Form1.h"

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

ArchiveTab::ArchiveTab(const TabContext& context) : c_(context) {
    SaveDialog1 = new ArchiveSaveDialog(&c_.window);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setNameFilters(saveFilters());

    FontDialog1 = new MemoFontDialog(&c_.window);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    c_.setActionEnabled(c_.ui.Button3, true);

    archive::Archives& archives = c_.session.kept<archive::Archives>();
    dailyChart_ = addArchiveChart(c_.ui.Memo2, archive::Kind::Daily, archives);
    minuteChart_ = addArchiveChart(c_.ui.Memo3, archive::Kind::Minute, archives);
}

void ArchiveTab::read(const line::LinkTarget& target) {
    const archive::Kind kind = archiveKind(c_.ui.PageControl2);
    const archive::Interval interval{device::dayNumberFromDate(c_.ui.DateTimePicker2->date()),
                                     device::dayNumberFromDate(c_.ui.DateTimePicker3->date())};
    const archive::Readout readout =
        actions::readArchive(c_.session, target, kind, interval, QLocale());
    if (!readout.lines)
        return;
    // All lines in one update of the memo.
    QPlainTextEdit* memo = kind == archive::Kind::Daily ? c_.ui.Memo2 : c_.ui.Memo3;
    memo->setPlainText(readout.lines->join(QLatin1Char('\n')));
    // A hidden chart is drawn when it is switched to.
    ArchiveChart* chart = kind == archive::Kind::Daily ? dailyChart_ : minuteChart_;
    if (chart->isVisible())
        chart->refresh();
}

void ArchiveTab::save() {
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    const archive::ExportFormat format = formatOf(SaveDialog1->selectedNameFilter());
    const QString fileName =
        archive::withDefaultExtension(SaveDialog1->selectedFiles().first(), format);
    // Next time the dialog offers the name the file got.
    SaveDialog1->selectFile(fileName);

    const archive::Kind kind = archiveKind(c_.ui.PageControl2);
    const QPlainTextEdit* memo = kind == archive::Kind::Daily ? c_.ui.Memo2 : c_.ui.Memo3;
    archive::exportArchive(c_.session.frontend(), kind, format, fileName,
                           archive::memoLines(memo->toPlainText()),
                           c_.session.kept<archive::Archives>(), QLocale());
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
