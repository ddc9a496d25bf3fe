#include "cli/Commands.h"

#include <QCoreApplication>

namespace cli {

namespace {
const Command kCommands[] = {
    {"help", "[COMMAND]", QT_TRANSLATE_NOOP("cli", "справка по программе или по команде COMMAND"),
     QT_TRANSLATE_NOOP("cli", "То же, что COMMAND --help: аргументы команды и пример."),
     "zetra-cli help daily", &runHelp},
    {"ports", "", QT_TRANSLATE_NOOP("cli", "список портов, как окно заполняет его при запуске"),
     QT_TRANSLATE_NOOP("cli", "Одна строка на порт в порядке списка; последняя строка — канал "
                              "КВЗ-клиента. Строки статуса нет."),
     "zetra-cli ports", &runPorts},
    {"info", "", QT_TRANSLATE_NOOP("cli", "текущие показания прибора («Обновить»)"),
     QT_TRANSLATE_NOOP("cli", "Двенадцать строк «подпись значение», затем строка статуса."),
     "zetra-cli --port /dev/ttyUSB0 info", &runInfo},
    {"clear-totals", "", QT_TRANSLATE_NOOP("cli", "очистить счётчики прибора («Очистить»)"),
     QT_TRANSLATE_NOOP("cli", "Спрашивает подтверждение (без терминала ответ «Да» даёт --yes) "
                              "и после записи читает очищенное обратно."),
     "zetra-cli --port /dev/ttyUSB0 --yes clear-totals", &runClearTotals},
    {"daily", "FROM TO [--save FILE [--format txt|xls|csv|xlsx|json]]",
     QT_TRANSLATE_NOOP("cli", "прочитать суточный архив с FROM по TO"),
     QT_TRANSLATE_NOOP("cli",
                       "FROM и TO — даты дд.мм.гггг или гггг-мм-дд. --save FILE сохраняет "
                       "прочитанное: формат по расширению FILE (.txt, .xls, .csv, .xlsx, .json) "
                       "или по --format; --save - выводит его на стандартный вывод, а строки "
                       "отчёта и статуса — на стандартный поток ошибок."),
     "zetra-cli --pipe kwz_pipe daily 01.03.2015 15.03.2015 --save march.xls", &runDaily},
    {"minute", "FROM TO [--save FILE [--format txt|xls|csv|xlsx|json]]",
     QT_TRANSLATE_NOOP("cli", "прочитать минутный архив с FROM по TO"),
     QT_TRANSLATE_NOOP("cli", "Аргументы и --save — как у daily."),
     "zetra-cli --pipe kwz_pipe minute 15.03.2015 15.03.2015 --save - --format csv", &runMinute},
    {"settings-read", "[--save FILE]", QT_TRANSLATE_NOOP("cli", "прочитать настройки прибора"),
     QT_TRANSLATE_NOOP("cli", "Печатает 33 строки файла настроек, дату и время прибора; "
                              "--save FILE записывает файл настроек (--save - — на стандартный "
                              "вывод)."),
     "zetra-cli --port /dev/ttyUSB0 settings-read --save meter.dat", &runSettingsRead},
    {"settings-write",
     "FILE [--date D] [--time HH:MM] [--clear-daily] [--clear-minute] [--dry-run]",
     QT_TRANSLATE_NOOP("cli", "записать в прибор настройки из файла FILE"),
     QT_TRANSLATE_NOOP("cli", "--date и --time ставят часы прибора (по умолчанию — часы ПК), "
                              "--clear-daily и --clear-minute очищают архивы, --dry-run только "
                              "показывает отличия от прибора и ничего не пишет. Спрашивает "
                              "подтверждение (--yes)."),
     "zetra-cli --port /dev/ttyUSB0 settings-write meter.dat --dry-run", &runSettingsWrite},
    {"settings-diff", "FILE", QT_TRANSLATE_NOOP("cli", "сравнить настройки прибора с файлом FILE"),
     QT_TRANSLATE_NOOP("cli", "Одна строка на отличающееся поле: «поле значение_прибора -> "
                              "значение_файла». Код выхода 0 — отличий нет, 3 — есть."),
     "zetra-cli --port /dev/ttyUSB0 settings-diff meter.dat", &runSettingsDiff},
    {"firmware-info", "FILE", QT_TRANSLATE_NOOP("cli", "версия и дата файла прошивки FILE"),
     QT_TRANSLATE_NOOP("cli", "Прибор не нужен."), "zetra-cli firmware-info zetra.zet",
     &runFirmwareInfo},
    {"firmware-program", "FILE", QT_TRANSLATE_NOOP("cli", "записать в прибор прошивку из FILE"),
     QT_TRANSLATE_NOOP("cli", "Только через последовательный порт (--port): канал КВЗ-клиента "
                              "прошивку не передаёт."),
     "zetra-cli --port /dev/ttyUSB0 firmware-program zetra.zet", &runFirmwareProgram},
    {"calc-correction",
     "--diameter D --angle A --roughness R --visc-min V --visc-max V (--velocity V | --flow Q) "
     "[--tmax T] [--tmin T] [--firmware N]",
     QT_TRANSLATE_NOOP("cli", "расчёт коэффициента коррекции"),
     QT_TRANSLATE_NOOP("cli", "Числа пишутся по правилам --locale. --tmax и --tmin берут "
                              "вязкости из таблицы воды; --firmware N — байт версии прошивки "
                              "(по умолчанию 0)."),
     "zetra-cli calc-correction --diameter 100 --angle 45 --roughness 0 --tmax 80 --tmin 10 "
     "--velocity 3",
     &runCalcCorrection},
    {"calc-channel", "--t-down T --t-up T --temp T",
     QT_TRANSLATE_NOOP("cli", "расчёт расстояния между ПЭП"),
     QT_TRANSLATE_NOOP("cli", "--t-down и --t-up — время прохождения сигнала по потоку и "
                              "против потока, мкс; --temp — температура воды, гр.С."),
     "zetra-cli calc-channel --t-down 100 --t-up 100 --temp 20", &runCalcChannel},
    {"calc-pulse", "--diameter D (--velocity V | --flow Q) [--rate N]",
     QT_TRANSLATE_NOOP("cli", "расчёт минимального веса импульса"),
     QT_TRANSLATE_NOOP("cli", "--rate — наибольшее число импульсов в секунду (по умолчанию 16)."),
     "zetra-cli calc-pulse --diameter 100 --flow 36 --rate 1", &runCalcPulse},
    {"sync", "[daily|minute|all]",
     QT_TRANSLATE_NOOP("cli", "чтение в хранилище только новых записей архивов"),
     QT_TRANSLATE_NOOP("cli",
                       "Перечитывает последнюю сохранённую запись и, если она не изменилась, "
                       "читает только более новые; иначе — весь архив. По умолчанию all."),
     "zetra-cli --pipe kwz_pipe sync daily", &runSync},
    {"meters", "", QT_TRANSLATE_NOOP("cli", "приборы в хранилище"),
     QT_TRANSLATE_NOOP("cli",
                       "По строке на прибор: заводской номер, дата выпуска, сохранённые дни, "
                       "последнее обслуживание и уход часов."),
     "zetra-cli meters", &runMeters},
    {"history",
     "SERIAL [FROM TO] [--minute] [--manufactured DATE] [--save FILE [--format "
     "txt|xls|csv|xlsx|json]]",
     QT_TRANSLATE_NOOP("cli", "сохранённый архив прибора из хранилища"),
     QT_TRANSLATE_NOOP("cli",
                       "Суточный (--minute: минутный) отчёт по сохранённым записям; без FROM "
                       "и TO — всё сохранённое. Номер двух приборов требует --manufactured."),
     "zetra-cli history 1234 01.03.2015 15.03.2015 --save march.xlsx", &runHistory},
    {"visit", "[--set-clock] [--engineer NAME] [--pdf FILE]",
     QT_TRANSLATE_NOOP("cli", "обслуживание прибора одним действием, с актом"),
     QT_TRANSLATE_NOOP("cli",
                       "По порядку: текущие значения и часы, настройки, новые записи обоих "
                       "архивов в хранилище; с --set-clock после вопроса — часы прибора по ПК "
                       "(без терминала ответ «Да» даёт --yes). --pdf FILE пишет акт визита."),
     "zetra-cli --port /dev/ttyUSB0 visit --engineer Ivanov --pdf act.pdf", &runVisit},
};
} // namespace

const Command* commandTable(int* count) {
    *count = int(std::size(kCommands));
    return kCommands;
}

const Command* findCommand(const QString& name) {
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

} // namespace cli
