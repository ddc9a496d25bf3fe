#include "core/Outcome.h"

#include <QtTest>

using Kind = core::Outcome::Kind;
using Detail = core::Outcome::Detail;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Detail)

// Every status line an outcome leaves, made in its one place, as the window's status bar,
// zetra-cli's last line and the exchange log's «Итог» line all show it.
class OutcomeTest : public QObject {
    Q_OBJECT

private slots:
    void statusText_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Detail>("detail");
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<QString>("text"); // "-": the status stays as it was
        auto row = [](const char* name, Kind kind, Detail detail, int done, int failed, int total,
                      const char* port, const QString& text) {
            QTest::newRow(name) << kind << detail << done << failed << total
                                << QString::fromUtf8(port) << text;
        };
        row("succeeded", Kind::Succeeded, Detail::None, 0, 0, 0, "", "Завершено успешно");
        row("with errors", Kind::FinishedWithErrors, Detail::None, 0, 0, 0, "",
            "Завершено с ошибками");
        row("no answer", Kind::NoAnswer, Detail::None, 0, 0, 0, "", "Прибор не отвечает");
        row("port", Kind::PortNotOpened, Detail::None, 0, 0, 0, "/dev/ttyUSB0 ",
            "Не удаётся открыть порт /dev/ttyUSB0 ");
        row("stopped", Kind::Cancelled, Detail::None, 0, 0, 0, "", "Прервано пользователем");
        row("declined", Kind::Declined, Detail::None, 0, 0, 0, "", "-");
        row("input refused", Kind::InputRefused, Detail::None, 0, 0, 0, "", "-");
        row("records read", Kind::Succeeded, Detail::RecordsRead, 15, 0, 0, "",
            "Завершено успешно. Прочитано 15 записей");
        row("records with errors", Kind::FinishedWithErrors, Detail::RecordsRead, 15, 2, 0, "",
            "Завершено c 2 ошибками при передаче");
        row("reading stopped", Kind::Cancelled, Detail::RecordsRead, 7, 0, 0, "",
            "Прервано пользователем. Прочитано 7 записей");
        row("clearing stopped", Kind::Cancelled, Detail::RecordsCleared, 120, 0, 731, "",
            "Прервано пользователем. Очищено 120 записей из 731");
        row("archive shut", Kind::RefusedByMeter, Detail::ArchiveUnavailable, 0, 0, 0, "",
            "Архив недоступен");
        row("archive not cleared", Kind::RefusedByMeter, Detail::ArchiveNotCleared, 0, 0, 0, "",
            "Архив прибора недоступен, очистка не выполнена");
        row("interval", Kind::IntervalRefused, Detail::IntervalInvalid, 0, 0, 0, "",
            "Ошибка. Указан неверный интервал");
        row("interval reversed", Kind::IntervalRefused, Detail::IntervalReversed, 0, 0, 0, "",
            "Ошибка. Указана дата начала больше даты окончания");
        row("meter clock", Kind::FinishedWithErrors, Detail::MeterClockInvalid, 0, 0, 0, "",
            "Ошибка. Прибор сообщил неверное время");
        row("settings forbidden", Kind::RefusedByMeter, Detail::ProgrammingForbidden, 0, 0, 0, "",
            "Программирование запрещено");
        row("clearing forbidden", Kind::RefusedByMeter, Detail::ClearingForbidden, 0, 0, 0, "",
            "Очистка запрещена");
        row("form refused", Kind::InputRefused, Detail::SettingsNotWritten, 0, 0, 0, "",
            "Настройки не записаны");
        row("no programming mode", Kind::FinishedWithErrors, Detail::NoProgrammingMode, 0, 0, 0, "",
            "Не удалось войти в режим программирования");
        row("programming failed", Kind::FinishedWithErrors, Detail::ProgrammingFailed, 0, 0, 0, "",
            "Завершено c ошибками. Повторите");
    }
    void statusText() {
        QFETCH(Kind, kind);
        QFETCH(Detail, detail);
        QFETCH(int, done);
        QFETCH(int, failed);
        QFETCH(int, total);
        QFETCH(QString, portName);
        QFETCH(QString, text);
        core::Outcome o = core::Outcome::of(kind, detail);
        o.done = done;
        o.failed = failed;
        o.total = total;
        o.portName = portName;
        const std::optional<QString> made = core::statusText(o);
        if (text == QLatin1String("-"))
            QVERIFY(!made);
        else
            QCOMPARE(made.value_or(QStringLiteral("(none)")), text);
    }

    // A failed save after an action that ran speaks for both; a stop or a refusal stays.
    void withSave_data() {
        QTest::addColumn<Kind>("action");
        QTest::addColumn<Kind>("save");
        QTest::addColumn<Kind>("result");
        QTest::newRow("saved") << Kind::Succeeded << Kind::Succeeded << Kind::Succeeded;
        QTest::newRow("not saved") << Kind::Succeeded << Kind::SaveFailed << Kind::SaveFailed;
        QTest::newRow("errors, not saved")
            << Kind::FinishedWithErrors << Kind::SaveFailed << Kind::SaveFailed;
        QTest::newRow("stopped") << Kind::Cancelled << Kind::SaveFailed << Kind::Cancelled;
        QTest::newRow("no answer") << Kind::NoAnswer << Kind::Succeeded << Kind::NoAnswer;
    }
    void withSave() {
        QFETCH(Kind, action);
        QFETCH(Kind, save);
        QFETCH(Kind, result);
        const core::Outcome saved = save == Kind::SaveFailed
                                        ? core::Outcome::saveFailed("/tmp/a b.csv", "Disk full")
                                        : core::Outcome::of(save);
        const core::Outcome o = core::withSave(core::Outcome::of(action), saved);
        QCOMPARE(o.kind, result);
        if (result == Kind::SaveFailed)
            QCOMPARE(core::statusText(o).value_or(""),
                     QStringLiteral("Файл не сохранён: /tmp/a b.csv (Disk full)"));
    }
};

QTEST_GUILESS_MAIN(OutcomeTest)
#include "test_outcome.moc"
