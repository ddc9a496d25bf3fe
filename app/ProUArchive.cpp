// The Archive tab of the main window: reading the daily or minute archive into its memo,
// saving it as a text file or a workbook, and the memos' font.

#include "app/ProU.h"

#include "app/frame/Actions.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"
#include "ui_Form1.h"

#include <QFileDialog>
#include <QFontDialog>

namespace {
archive::Kind archiveKind(const QTabWidget* archiveTabs) {
    return archiveTabs->currentIndex() == 0 ? archive::Kind::Daily : archive::Kind::Minute;
}

// The save dialog's two filter entries, text file first.
QStringList saveFilters() { return archive::texts::saveFilter().split(QStringLiteral(";;")); }

archive::ExportFormat formatOf(const QString& filter) {
    return saveFilters().indexOf(filter) == 1 ? archive::ExportFormat::Workbook
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
        setDefaultSuffix(formatOf(selectedNameFilter()) == archive::ExportFormat::Workbook
                             ? QStringLiteral("xls")
                             : QStringLiteral("txt"));
        QFileDialog::accept();
        setDefaultSuffix(QString());
    }
};
} // namespace

void TForm1::initArchiveTab() {
    SaveDialog1 = new ArchiveSaveDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setNameFilters(saveFilters());

    FontDialog1 = new QFontDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    FontDialog1->setOptions(QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);

    connect(ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    setActionEnabled(ui->Button3, true);
}

void TForm1::runArchiveReadout() {
    const archive::Kind kind = archiveKind(ui->PageControl2);
    const archive::Interval interval{dayNumberFromDate(ui->DateTimePicker2->date()),
                                     dayNumberFromDate(ui->DateTimePicker3->date())};
    const archive::Readout readout =
        frame::readArchive(session_, linkTarget(), kind, interval, QLocale());
    if (!readout.lines)
        return;
    // All lines in one update of the memo.
    QPlainTextEdit* memo = kind == archive::Kind::Daily ? ui->Memo2 : ui->Memo3;
    memo->setPlainText(readout.lines->join(QLatin1Char('\n')));
}

void TForm1::exportArchive() {
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    const archive::ExportFormat format = formatOf(SaveDialog1->selectedNameFilter());
    const QString fileName =
        archive::withDefaultExtension(SaveDialog1->selectedFiles().first(), format);
    // Next time the dialog offers the name the file got.
    SaveDialog1->selectFile(fileName);

    const archive::Kind kind = archiveKind(ui->PageControl2);
    const QPlainTextEdit* memo = kind == archive::Kind::Daily ? ui->Memo2 : ui->Memo3;
    archive::exportArchive(*this, kind, format, fileName, archive::memoLines(memo->toPlainText()),
                           session_.kept<archive::Archives>(), QLocale());
}

void TForm1::Button3Click() {
    // The dialog is modal: no action can start while it is open.
    if (busy_)
        return;
    FontDialog1->setCurrentFont(ui->Memo2->font());
    if (FontDialog1->exec() != QDialog::Accepted)
        return;
    const QFont font = FontDialog1->selectedFont();
    ui->Memo2->setFont(font);
    ui->Memo3->setFont(font);
}
