#include "settings/SettingsFile.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsWriter.h"
#include "tests/support/SettingsForms.h"

#include <QtTest>

Q_DECLARE_METATYPE(settings::SettingsForm)

namespace {
const QLocale kRu(QLocale::Russian, QLocale::Russia);

QString rangeText(settings::FieldId id, quint8 version) {
    const settings::FieldRange r = settings::fieldRange(id, version);
    return QStringLiteral("field %1 at %2+%3").arg(int(id)).arg(r.address).arg(r.count);
}
} // namespace

// Every field of the written block goes through the one encoding: what the write sends is what
// the dry run and the comparison expect, and what the settings file brings back.
class SettingsFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void writeDryRunAndFileAgree_data() {
        QTest::addColumn<settings::SettingsForm>("form");
        QTest::addColumn<int>("version");
        settings::SettingsForm axial = test_forms::filled();
        axial.diametral = false;
        axial.angle = QStringLiteral("не число"); // unchecked and sent as 0
        axial.sensorsType3 = true;
        axial.medium = settings::SettingsForm::Medium::Oil;
        axial.period = settings::SettingsForm::Period::FourSeconds;
        settings::SettingsForm percent = test_forms::filled();
        percent.cutoffInPercent = true;
        percent.zeroCutoff = QStringLiteral("1,50");
        percent.windowOffset = -20;
        percent.cableLength = QStringLiteral("0");
        for (const int version : {5, 6}) {
            const QByteArray v = QByteArray::number(version);
            QTest::newRow("diametral, water, v" + v) << test_forms::filled() << version;
            QTest::newRow("axial, oil, v" + v) << axial << version;
            QTest::newRow("cutoff in percent, v" + v) << percent << version;
        }
    }
    void writeDryRunAndFileAgree() {
        QFETCH(settings::SettingsForm, form);
        QFETCH(int, version);
        const settings::Preparation prepared = settings::prepareWrite(form, kRu);
        QVERIFY2(prepared.write, qPrintable(prepared.error));
        const settings::SettingsImage written = settings::writtenImage(*prepared.write, version);
        const settings::SettingsImage dryRun = settings::intendedImage(form, kRu, version);

        const settings::file::LoadResult reloaded = settings::file::parse(
            settings::file::contents(form), settings::SettingsForm{}, kRu, QStringLiteral("x"));
        QVERIFY2(reloaded.form, qPrintable(reloaded.error));
        const settings::SettingsImage fromFile =
            settings::intendedImage(*reloaded.form, kRu, version);
        // "Читать" of what was written shows a form that would write the same bytes again.
        const settings::SettingsImage reread = settings::intendedImage(
            settings::formFromImage(written, quint8(version), form, kRu), kRu, version);

        for (const settings::FieldId id : settings::blockFields()) {
            const settings::FieldRange r = settings::fieldRange(id, quint8(version));
            QVERIFY2(r.address >= settings::map::kWrittenFirst &&
                         r.address + r.count <=
                             settings::map::kWrittenFirst + settings::map::kWrittenBytes,
                     qPrintable(rangeText(id, version)));
            QVERIFY2(written.equal(dryRun, r.address, r.count),
                     qPrintable(rangeText(id, version) + QStringLiteral(": write and dry run")));
            QVERIFY2(dryRun.equal(fromFile, r.address, r.count),
                     qPrintable(rangeText(id, version) + QStringLiteral(": file round trip")));
            QVERIFY2(written.equal(reread, r.address, r.count),
                     qPrintable(rangeText(id, version) + QStringLiteral(": read back")));
        }
        // Nothing of the block is left to a path of its own: the fields cover it whole.
        for (int a = settings::map::kWrittenFirst;
             a < settings::map::kWrittenFirst + settings::map::kWrittenBytes; ++a)
            QVERIFY2(dryRun.allKnown(a, 1) && written.equal(dryRun, a, 1),
                     qPrintable(QStringLiteral("address %1").arg(a)));
    }

    // A value that does not fit is refused by the write and left unknown by the dry run, so
    // the comparison never calls it equal.
    void unfitValueIsNeitherWrittenNorExpected_data() {
        QTest::addColumn<QString>("pulseWeight");
        QTest::newRow("fits") << QStringLiteral("2,50");
        QTest::newRow("too large") << QStringLiteral("99999999");
    }
    void unfitValueIsNeitherWrittenNorExpected() {
        QFETCH(QString, pulseWeight);
        settings::SettingsForm form = test_forms::filled();
        form.pulseWeight = pulseWeight;
        const bool written = settings::prepareWrite(form, kRu).write.has_value();
        const settings::FieldRange r = settings::fieldRange(settings::FieldId::PulseWeight, 6);
        QCOMPARE(settings::intendedImage(form, kRu, 6).allKnown(r.address, r.count), written);
    }
};

QTEST_GUILESS_MAIN(SettingsFieldsTest)
#include "test_settings_fields.moc"
