// The text report and the settings file as they land on disk: Windows-1251 from the program's
// own table whatever code pages Qt carries, a character the code page lacks as "?", never an
// empty file, and a save that fails leaves the file that was there.

#include "archive/ArchiveExport.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes one text through the report export or, as the diameter, the settings file.
enum class Writer { Report, Settings };

QString write(Writer writer, const QString& path, const QString& text) {
    if (writer == Writer::Report)
        return archive::saveReportText(path, {text});
    settings::SettingsForm form;
    form.diameter = text;
    return settings::file::save(path, form);
}
} // namespace

Q_DECLARE_METATYPE(Writer)

class SavedFiles : public QObject {
    Q_OBJECT

private slots:
    void charactersOutsideTheCodePage_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray cyrillic("\xD0\xE0\xF1\xF5\xEE\xE4 \xB9 5");
        for (const Writer w : {Writer::Report, Writer::Settings}) {
            const char* name = w == Writer::Report ? "report" : "settings";
            QTest::addRow("%s, Cyrillic and the number sign", name)
                << w << QStringLiteral("Расход № 5") << cyrillic;
            QTest::addRow("%s, superscript three", name)
                << w << QStringLiteral("м³") << QByteArray("\xEC?");
            QTest::addRow("%s, an emoji", name)
                << w << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
            QTest::addRow("%s, Chinese", name) << w << QStringLiteral("水表") << QByteArray("??");
        }
    }
    void charactersOutsideTheCodePage() {
        QFETCH(Writer, writer);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        QCOMPARE(write(writer, path, text), QString());
        const QByteArray written = fileBytes(path);
        QVERIFY(written.contains(bytes + "\r\n"));
        if (writer == Writer::Settings) {
            // And it reads back as the same field, the lost characters as "?".
            const settings::file::LoadResult back = settings::file::load(path, {}, QLocale::c());
            QVERIFY(back.form);
            QCOMPARE(back.form->diameter.count(QLatin1Char('?')), bytes.count('?'));
        }
    }

    void aFailedSaveLeavesTheOldFile_data() {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("report") << Writer::Report;
        QTest::newRow("settings") << Writer::Settings;
    }
    void aFailedSaveLeavesTheOldFile() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        // A name so long that no temporary file can stand beside it: the replacement cannot
        // be made, while the old file is there.
        const QString path = dir.filePath(QString(250, QLatin1Char('k')) + QStringLiteral(".txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        const QString error = write(writer, path, QStringLiteral("новое"));
        if (error.isEmpty() && fileBytes(path) != "old contents\r\n")
            QFAIL("the save reported success and replaced the file");
        QVERIFY2(!error.isEmpty(), "a save that could not be made is reported");
        QVERIFY(error.contains(path));
        QCOMPARE(fileBytes(path), QByteArray("old contents\r\n"));
    }
};

QTEST_GUILESS_MAIN(SavedFiles)
#include "test_saved_files.moc"
