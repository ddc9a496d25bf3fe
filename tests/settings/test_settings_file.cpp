// The settings file: its 33 lines and bytes, loading them back, and the files it refuses.
#include "settings/SettingsFile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
const QLocale kRu(QLocale::Russian, QLocale::Russia);

settings::SettingsForm filledForm() {
    settings::SettingsForm f;
    f.diametral = true;
    f.sensorsType3 = true;
    f.medium = settings::SettingsForm::Medium::Water;
    f.period = settings::SettingsForm::Period::OneSecond;
    f.diameter = QStringLiteral("100,0");
    f.base = QStringLiteral("200,5");
    f.angle = QStringLiteral("45,00");
    f.cableLength = QString(); // an empty field is an empty line
    f.k = QStringLiteral("1,0000");
    f.a = QStringLiteral("2,0000");
    f.b = QStringLiteral("3,0000");
    f.c = QStringLiteral("4,0000");
    f.zeroCutoff = QStringLiteral("0,10");
    f.cutoffInPercent = true;
    f.pulseWeight = QStringLiteral("1,50");
    f.zeroOffset = QStringLiteral("-0,1250");
    f.windowOffset = -5;
    return f;
}

QByteArray cp1251(const QStringList& lines) {
    QStringEncoder e("windows-1251");
    QByteArray out;
    for (const QString& l : lines)
        out += QByteArray(e(l)) + "\r\n";
    return out;
}

void compareForms(const settings::SettingsForm& a, const settings::SettingsForm& b) {
    QCOMPARE(a.diametral, b.diametral);
    QCOMPARE(a.sensorsType3, b.sensorsType3);
    QCOMPARE(a.medium, b.medium);
    QCOMPARE(a.period, b.period);
    QCOMPARE(a.diameter, b.diameter);
    QCOMPARE(a.base, b.base);
    QCOMPARE(a.angle, b.angle);
    QCOMPARE(a.cableLength, b.cableLength);
    QCOMPARE(a.k, b.k);
    QCOMPARE(a.a, b.a);
    QCOMPARE(a.b, b.b);
    QCOMPARE(a.c, b.c);
    QCOMPARE(a.zeroCutoff, b.zeroCutoff);
    QCOMPARE(a.cutoffInPercent, b.cutoffInPercent);
    QCOMPARE(a.pulseWeight, b.pulseWeight);
    QCOMPARE(a.zeroOffset, b.zeroOffset);
    QCOMPARE(a.windowOffset, b.windowOffset);
}
} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(QStringEncoder("windows-1251").isValid());
        QVERIFY(dir.isValid());
    }

    void linesOfAForm() {
        const QStringList expected = {
            "тип врезки:",
            "ВТК-Б (диаметральное)",
            "датчики:",
            "тип 3",
            "Рабочая среда:",
            "вода",
            "Период измерения, сек:",
            "1",
            "Внутренний диаметр трубы, мм:",
            "100,0",
            "Расстояние между мембранами, мм:",
            "200,5",
            "Угол наклона акустического канала, град.:",
            "45,00",
            "Длина кабеля, м:",
            "",
            "Коэффициент коррекции K:",
            "1,0000",
            "Поправочный коэффициент A:",
            "2,0000",
            "Поправочный коэффициент B:",
            "3,0000",
            "Поправочный коэффициент C:",
            "4,0000",
            "Отсечка нуля:",
            "%",
            "0,10",
            "Вес импульса, литров/импульс:",
            "1,50",
            "Смещение нуля, мкс:",
            "-0,1250",
            "Смещение окна, мкс:",
            "-5",
        };
        QCOMPARE(settings::file::lines(filledForm()), expected);
        const QByteArray bytes = settings::file::contents(filledForm());
        QCOMPARE(bytes, cp1251(expected));
        // "тип врезки:" in Windows-1251, and CR LF after every line.
        QVERIFY(bytes.startsWith(QByteArray::fromHex("F2E8EF20E2F0E5E7EAE83A0D0A")));
        QCOMPARE(bytes.count("\r\n"), 33);
    }

    void linesWithNothingSelected() {
        const QStringList l = settings::file::lines(settings::SettingsForm());
        QCOMPARE(l[1], QStringLiteral("ВТК-А (осевое)"));
        QCOMPARE(l[3], QStringLiteral("тип 6"));
        QCOMPARE(l[5], QStringLiteral("нефтепродукты"));
        QCOMPARE(l[7], QStringLiteral("4"));
        QCOMPARE(l[25], QStringLiteral("м3/ч"));
        QCOMPARE(l[32], QStringLiteral("0"));
    }

    void roundTrip() {
        const QString path = dir.filePath(QStringLiteral("a.dat"));
        QCOMPARE(settings::file::save(path, filledForm()), QString());
        settings::SettingsForm before; // every control different from the saved ones
        before.zeroCutoff = QStringLiteral("7");
        before.date = QDate(2011, 1, 1);
        before.time = QStringLiteral("11:11");
        before.clearDaily = true;
        const auto loaded = settings::file::load(path, before, kRu);
        QVERIFY2(loaded.form.has_value(), qPrintable(loaded.error));
        compareForms(*loaded.form, filledForm());
        // What the file does not keep stays as it was.
        QCOMPARE(loaded.form->date, QDate(2011, 1, 1));
        QCOMPARE(loaded.form->time, QStringLiteral("11:11"));
        QVERIFY(loaded.form->clearDaily);

        // Nothing selected comes back as oil products and period 4.
        const auto empty = settings::file::parse(settings::file::contents(settings::SettingsForm()),
                                                 filledForm(), kRu, path);
        QVERIFY(empty.form);
        QCOMPARE(empty.form->medium, settings::SettingsForm::Medium::Oil);
        QCOMPARE(empty.form->period, settings::SettingsForm::Period::FourSeconds);
        QVERIFY(!empty.form->diametral);
        QVERIFY(!empty.form->cutoffInPercent);
    }

    void containsMatching_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("first"); // the first choice of the line's pair
        QTest::newRow("axial with more words") << 2 << "ВТК-А (осевое) старого образца" << true;
        QTest::newRow("axial lower case") << 2 << "вТК-А (осевое)" << true;
        QTest::newRow("diametral upper case") << 2 << "ВТК-Б (ДИАМЕТРАЛЬНОЕ)" << false;
        QTest::newRow("type 6 inside") << 4 << "датчики тип 6" << true;
        QTest::newRow("type 3") << 4 << "тип 3" << false;
        QTest::newRow("water inside") << 6 << "морская вода" << true;
        QTest::newRow("water with a capital") << 6 << "Вода" << true;
        QTest::newRow("oil") << 6 << "Нефтепродукты" << false;
        QTest::newRow("period 10 contains 1") << 8 << "10" << true;
        QTest::newRow("period 4") << 8 << "4" << false;
        QTest::newRow("unit m3/h") << 26 << "в м3/ч" << true;
        QTest::newRow("unit percent") << 26 << " % " << false;
    }

    void containsMatching() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(bool, first);
        QStringList l = settings::file::lines(settings::SettingsForm());
        l[line - 1] = text;
        const auto r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu, QString());
        QVERIFY(r.form);
        switch (line) {
        case 2:
            QCOMPARE(!r.form->diametral, first);
            break;
        case 4:
            QCOMPARE(!r.form->sensorsType3, first);
            break;
        case 6:
            QCOMPARE(r.form->medium == settings::SettingsForm::Medium::Water, first);
            break;
        case 8:
            QCOMPARE(r.form->period == settings::SettingsForm::Period::OneSecond, first);
            break;
        case 26:
            QCOMPARE(!r.form->cutoffInPercent, first);
            break;
        }
    }

    // Labels compare by the text before the colon, case and surrounding blanks aside.
    void labelsThatStillMatch_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("upper case") << 1 << "ТИП ВРЕЗКИ:";
        QTest::newRow("blanks around") << 3 << "  датчики  :  ";
        QTest::newRow("words after the colon") << 9 << "Внутренний диаметр трубы, мм: 100";
        QTest::newRow("last label") << 32 << "смещение окна, МКС:";
    }
    void labelsThatStillMatch() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QStringList l = settings::file::lines(filledForm());
        l[line - 1] = text;
        const auto r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu, QString());
        QVERIFY2(r.form, qPrintable(r.error));
        compareForms(*r.form, filledForm());
    }

    // A file of another kind, or garbled, is refused whole with the line that gave it away.
    void linesThatRefuseTheFile_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString label =
            QStringLiteral("Строка %1 файла настроек должна начинаться с \"%2\"\rf.dat");
        const QString choice =
            QStringLiteral("В строке %1 файла настроек нет ни \"%2\", ни \"%3\"\rf.dat");
        QTest::newRow("another label") << 1 << "что угодно:" << label.arg(1).arg("тип врезки:");
        QTest::newRow("no colon") << 5 << "Рабочая среда" << label.arg(5).arg("Рабочая среда:");
        QTest::newRow("empty label line")
            << 28 << "" << label.arg(28).arg("Вес импульса, литров/импульс:");
        QTest::newRow("label one line down")
            << 17 << "1,0000" << label.arg(17).arg("Коэффициент коррекции K:");
        QTest::newRow("axial with a Latin A")
            << 2 << "ВТК-A (осевое)"
            << choice.arg(2).arg("ВТК-А (осевое)", "ВТК-Б (диаметральное)");
        QTest::newRow("no sensors type") << 4 << "тип 5" << choice.arg(4).arg("тип 6", "тип 3");
        QTest::newRow("medium missing") << 6 << "" << choice.arg(6).arg("вода", "нефтепродукты");
        QTest::newRow("period 2") << 8 << "2" << choice.arg(8).arg("1", "4");
        QTest::newRow("unit spaced") << 26 << "м3 / ч" << choice.arg(26).arg("м3/ч", "%");
    }
    void linesThatRefuseTheFile() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QStringList l = settings::file::lines(filledForm());
        l[line - 1] = text;
        const auto r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu,
                                             QStringLiteral("f.dat"));
        QVERIFY(!r.form);
        QCOMPARE(r.error, error);
    }

    // The file this program writes is Windows-1251, but the same lines saved by another
    // program in UTF-8 must read the same, never as other selections.
    void encodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList l = settings::file::lines(filledForm());
        const QByteArray utf8 = l.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        QTest::newRow("Windows-1251") << cp1251(l);
        QTest::newRow("UTF-8") << utf8;
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF") + utf8;
        QTest::newRow("UTF-8, LF only") << QByteArray(l.join(QLatin1Char('\n')).toUtf8());
    }
    void encodings() {
        QFETCH(QByteArray, bytes);
        const auto r = settings::file::parse(bytes, settings::SettingsForm(), kRu, QString());
        QVERIFY2(r.form, qPrintable(r.error));
        compareForms(*r.form, filledForm());
    }

    void lineEndsAndWindowOffset_data() {
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("LF only") << QByteArray("\n") << "12" << 12;
        QTest::newRow("CR only") << QByteArray("\r") << "-5" << -5;
        QTest::newRow("clamped up") << QByteArray("\r\n") << "250" << 100;
        QTest::newRow("clamped down") << QByteArray("\r\n") << "-1000" << -100;
        QTest::newRow("fraction dropped") << QByteArray("\r\n") << "12,7" << 12;
        QTest::newRow("negative fraction") << QByteArray("\r\n") << "-12,7" << -12;
        QTest::newRow("decimal point") << QByteArray("\r\n") << "-12.7" << -12;
    }

    void lineEndsAndWindowOffset() {
        QFETCH(QByteArray, separator);
        QFETCH(QString, offset);
        QFETCH(int, expected);
        QStringList l = settings::file::lines(filledForm());
        l[32] = offset;
        QStringEncoder e("windows-1251");
        QByteArray bytes = QByteArray(e(l.join(QString::fromLatin1(separator))));
        const auto r = settings::file::parse(bytes, settings::SettingsForm(), kRu, QString());
        QVERIFY2(r.form, qPrintable(r.error));
        QCOMPARE(r.form->windowOffset, expected);
        QCOMPARE(r.form->pulseWeight, QStringLiteral("1,50"));
    }

    void refusedFiles() {
        const QString missing = dir.filePath(QStringLiteral("missing.dat"));
        auto r = settings::file::load(missing, settings::SettingsForm(), kRu);
        QVERIFY(!r.form);
        QCOMPARE(r.error, QStringLiteral("Не удаётся прочитать файл настроек\r") + missing);

        QStringList l = settings::file::lines(filledForm());
        l.removeLast();
        r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu,
                                  QStringLiteral("x.dat"));
        QVERIFY(!r.form);
        QCOMPARE(r.error, QStringLiteral("Файл настроек неполный (меньше 33 строк)\rx.dat"));
        r = settings::file::parse(QByteArray(), settings::SettingsForm(), kRu,
                                  QStringLiteral("x.dat"));
        QVERIFY(!r.form);

        l = settings::file::lines(filledForm());
        l[32] = QStringLiteral("пять");
        r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu, QString());
        QVERIFY(!r.form);
        QCOMPARE(r.error,
                 QStringLiteral("Смещение окна в файле настроек указано неверно\rпять - не число"));
        l[32] = QString();
        r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu, QString());
        QVERIFY(!r.form);
        // Either separator, but a thousands separator is not guessed at.
        l[32] = QStringLiteral("1.000,5");
        r = settings::file::parse(cp1251(l), settings::SettingsForm(), kRu, QString());
        QVERIFY(!r.form);
        QCOMPARE(r.error, QStringLiteral("Смещение окна в файле настроек указано неверно\r1.000,5 "
                                         "- не число"));
    }

    // Only a regular file of at most 64 KiB is read; a device or a pipe would never end.
    void filesThatAreNotSettingsFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        const QString big = dir.filePath(QStringLiteral("big.dat"));
        QFile f(big);
        if (f.open(QIODevice::WriteOnly)) {
            QByteArray bytes = settings::file::contents(filledForm());
            f.write(bytes + QByteArray(int(settings::file::kMaxFileSize) + 1 - bytes.size(), '\n'));
        }
        const QString fifo = dir.filePath(QStringLiteral("fifo.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString cannot = QStringLiteral("Не удаётся прочитать файл настроек\r");
        QTest::newRow("endless device") << "/dev/zero" << cannot + "/dev/zero";
        QTest::newRow("pipe") << fifo << cannot + fifo;
        QTest::newRow("folder") << dir.path() << cannot + dir.path();
        QTest::newRow("over 64 KiB")
            << big << QStringLiteral("Файл настроек слишком велик, это не файл настроек\r") + big;
    }
    void filesThatAreNotSettingsFiles() {
        QFETCH(QString, path);
        QFETCH(QString, error);
        const auto r = settings::file::load(path, settings::SettingsForm(), kRu);
        QVERIFY(!r.form);
        QCOMPARE(r.error, error);
    }

    void unwritableFile() {
        const QString path = dir.filePath(QStringLiteral("no/such/folder/a.dat"));
        QCOMPARE(settings::file::save(path, filledForm()),
                 QStringLiteral("Не удаётся записать файл настроек\r") + path);
        QVERIFY(!QFile::exists(path));

        // A file that cannot be replaced keeps its old contents.
        const QString kept = dir.filePath(QStringLiteral("kept.dat"));
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const QString folderAsFile = dir.filePath(QStringLiteral("kept.dat/inner.dat"));
        QVERIFY(!settings::file::save(folderAsFile, filledForm()).isEmpty());
        QFile f(kept);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }

    void defaultSuffix() {
        QCOMPARE(settings::file::withDefaultSuffix(QStringLiteral("/tmp/a")),
                 QStringLiteral("/tmp/a.dat"));
        QCOMPARE(settings::file::withDefaultSuffix(QStringLiteral("/tmp/a.txt")),
                 QStringLiteral("/tmp/a.txt"));
        QCOMPARE(settings::file::withDefaultSuffix(QStringLiteral("/tmp/v1.0/a")),
                 QStringLiteral("/tmp/v1.0/a.dat"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
