// The window's own texts in the language chosen at start: Russian as written by default,
// English from the translation built into the program with --lang en.

#include "app/ProU.h"
#include "core/Language.h"
#include "tests/support/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using core::language::Language;
Q_DECLARE_METATYPE(std::optional<Language>)

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { core::language::use(Language::Russian); }

    void languageFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<std::optional<Language>>("expected");
        const std::optional<Language> none;
        QTest::newRow("absent") << QStringList{"zetra"} << std::optional(Language::Russian);
        QTest::newRow("en") << QStringList{"zetra", "--lang", "en"}
                            << std::optional(Language::English);
        QTest::newRow("=en") << QStringList{"zetra", "--lang=en"}
                             << std::optional(Language::English);
        QTest::newRow("EN") << QStringList{"zetra", "--lang", "EN"}
                            << std::optional(Language::English);
        QTest::newRow("ru") << QStringList{"zetra", "--lang", "ru"}
                            << std::optional(Language::Russian);
        QTest::newRow("after --pipe") << QStringList{"zetra", "--pipe", "kwz_pipe", "--lang", "en"}
                                      << std::optional(Language::English);
        QTest::newRow("unknown") << QStringList{"zetra", "--lang", "de"} << none;
        QTest::newRow("empty") << QStringList{"zetra", "--lang="} << none;
        QTest::newRow("no value") << QStringList{"zetra", "--lang"} << none;
    }
    void languageFromTheCommandLine() {
        QFETCH(QStringList, args);
        QFETCH(std::optional<Language>, expected);
        QCOMPARE(core::language::fromArguments(args), expected);
    }

    // Rows in order: Russian, English, then Russian again (the English translation is removed).
    void windowTexts_data() {
        QTest::addColumn<Language>("lang");
        QTest::addColumn<QStringList>("texts");
        const QStringList russian{"ЗЕТРА (автономный) v1.16",
                                  "Информация",
                                  "Обновить",
                                  "Присоедините прибор и нажмите <Обновить>",
                                  "КВЗ-клиент",
                                  "Читать",
                                  "Не удаётся открыть порт "};
        QTest::newRow("default") << Language::Russian << russian;
        QTest::newRow("en") << Language::English
                            << QStringList{"ZETRA (stand-alone) v1.16",
                                           "Info",
                                           "Refresh",
                                           "Connect the meter and press <Refresh>",
                                           "KVZ-client",
                                           "Read",
                                           "Cannot open port "};
        QTest::newRow("ru after en") << Language::Russian << russian;
    }
    void windowTexts() {
        QFETCH(Language, lang);
        QFETCH(QStringList, texts);
        QVERIFY(core::language::use(lang));
        TForm1 w;
        auto* tabs = child<QTabWidget>(w, "PageControl1");
        auto* ports = child<QComboBox>(w, "ComboBox1");
        auto* button = child<QPushButton>(w, "Button1");
        auto* status = child<QLabel>(w, "StatusPanel0");
        QStringList shown{w.windowTitle(), tabs->tabText(0), button->text(), status->text(),
                          ports->itemText(ports->count() - 1)};
        tabs->setCurrentIndex(1);
        shown << button->text();
        tabs->setCurrentIndex(0);
        w.selectPipe(QStringLiteral("/nonexistent/zetra-test-pipe"));
        button->click();
        shown << status->text();
        QCOMPARE(shown, texts);
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "test_window_language.moc"
