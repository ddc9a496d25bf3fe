#include "cli/Options.h"

#include "core/Texts.h"

#include <QCoreApplication>
#include <QFile>

// The completion script lives in the library's resources, which a static library brings in
// only when asked to.
static void initCompletionResource() { Q_INIT_RESOURCE(completion); }

namespace cli {

namespace {

const GlobalOption kGlobalOptions[] = {
    {"--port", "PORT", "ZETRA_PORT", 1,
     QT_TRANSLATE_NOOP("cli", "последовательный порт: путь к устройству (/dev/ttyUSB0) или имя "
                              "из списка портов (ttyUSB0, COM3)")},
    {"--pipe", "NAME", "ZETRA_PIPE", 1,
     QT_TRANSLATE_NOOP("cli", "канал КВЗ-клиента (kwz_pipe) вместо порта; имя без пути лежит во "
                              "временной папке. Без --port и --pipe — первый порт списка")},
    {"--yes", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "отвечать «Да» на вопросы подтверждения; без него вопрос задаётся "
                              "на терминале, а без терминала ответ — «Нет»")},
    {"--locale", "NAME", nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "запись чисел и дат, например ru_RU или en_US; по умолчанию — "
                              "локаль системы")},
    {"--lang", "LANG", nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "язык текстов программы: ru (по умолчанию) или en")},
    {"--trace", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "каждый кадр обмена на стандартный поток ошибок (> отправлен, < "
                              "принят)")},
    {"--json", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "один объект JSON на стандартный вывод вместо строк текста")},
    {"--log", "FILE", nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "дописывать журнал обмена в FILE (время, направление, байты, "
                              "смысл)")},
    {"--progress", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "строки хода выполнения, даже когда стандартный поток ошибок — не "
                              "терминал")},
    {"--quiet", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "без хода выполнения и без необязательных сообщений на "
                              "стандартном потоке ошибок; ошибки остаются")},
    {"--store", "S", nullptr, 2,
     QT_TRANSLATE_NOOP("cli", "хранилище: файл SQLite или postgresql://USER@HOST[:PORT]/DB; по "
                              "умолчанию $ZETRA_STORE, иначе meters.sqlite в папке данных")},
    {"--no-store", nullptr, nullptr, 2,
     QT_TRANSLATE_NOOP("cli", "без хранилища (как ZETRA_STORE=none): прочитанное не сохраняется")},
    {"--help", nullptr, nullptr, 0,
     QT_TRANSLATE_NOOP("cli", "эта справка; COMMAND --help — справка по команде")},
    {"--version", nullptr, nullptr, 0, QT_TRANSLATE_NOOP("cli", "версия программы")},
    {"-h", nullptr, nullptr, 0, nullptr},
    // Prints the bash completion script; the build installs its output.
    {"--bash-completion", nullptr, nullptr, 0, nullptr},
};

// A text of the tables, in the language of the run.
QString shown(const char* text) { return QCoreApplication::translate("cli", text); }

// Words of `text` filled into lines of at most `width` characters, each after `indent`
// blanks; the first line continues what stands before it (`used` characters).
QString wrapped(const QString& text, int indent, int used, int width = 79) {
    QString out;
    int column = used;
    bool first = true;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (first && column < indent) {
            out += QString(indent - column, QLatin1Char(' '));
            column = indent;
        } else if (!first && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (!first) {
            out += QLatin1Char(' ');
            ++column;
        }
        first = false;
        out += word;
        column += int(word.size());
    }
    return out;
}

// "  NAME   text": the text column starts at 22; a longer name has its text on the next line.
QString row(const QString& name, const QString& text) {
    constexpr int kTextColumn = 22;
    const QString head = QStringLiteral("  ") + name;
    if (head.size() >= kTextColumn - 1)
        return head + QLatin1Char('\n') + wrapped(text, kTextColumn, 0) + QLatin1Char('\n');
    return head + wrapped(text, kTextColumn, int(head.size())) + QLatin1Char('\n');
}

QString optionWithValue(const GlobalOption& o) {
    QString s = QLatin1String(o.name);
    if (o.value)
        s += QLatin1Char(' ') + QLatin1String(o.value);
    return s;
}

// The options a command's synopsis names, and which of them take a value.
struct CommandOptions {
    QStringList all;
    QStringList valued;
};
CommandOptions optionsOf(const Command& command) {
    CommandOptions result;
    const QStringList tokens =
        QString::fromLatin1(command.synopsis).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size(); ++i) {
        QString token = tokens[i];
        while (token.startsWith(QLatin1Char('[')) || token.startsWith(QLatin1Char('(')))
            token.remove(0, 1);
        if (!token.startsWith(QLatin1String("--")))
            continue;
        const bool closed = token.endsWith(QLatin1Char(']')) || token.endsWith(QLatin1Char(')'));
        while (token.endsWith(QLatin1Char(']')) || token.endsWith(QLatin1Char(')')))
            token.chop(1);
        if (result.all.contains(token))
            continue;
        result.all << token;
        const QChar next = i + 1 < tokens.size() ? tokens[i + 1].front() : QChar();
        if (!closed && !next.isNull() && !QStringLiteral("-[(|").contains(next))
            result.valued << token;
    }
    return result;
}

} // namespace

const GlobalOption* globalOptionTable(int* count) {
    *count = int(std::size(kGlobalOptions));
    return kGlobalOptions;
}

std::optional<QString> GlobalOptions::value(const char* name) const {
    const auto it = values_.find(QLatin1String(name));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

GlobalOptions GlobalOptions::take(QStringList& args, const QProcessEnvironment& environment) {
    GlobalOptions g;
    CommandArgs scan(args);
    std::map<int, QString> groupTaken; // group -> the option given on the command line
    for (const GlobalOption& o : kGlobalOptions) {
        const QString name = QLatin1String(o.name);
        bool given = false;
        if (o.value) {
            if (const std::optional<QString> v = scan.takeValue(name)) {
                g.values_[name] = *v;
                given = true;
            }
        } else if (scan.takeFlag(name)) {
            g.flags_.insert(name);
            given = true;
        }
        if (!given || o.group == 0)
            continue;
        if (const auto other = groupTaken.find(o.group); other != groupTaken.end())
            throw UsageError{QCoreApplication::translate("cli", "%1 и %2 исключают друг друга")
                                 .arg(other->second, name)};
        groupTaken[o.group] = name;
    }
    // The environment, for the groups the command line left alone.
    std::map<int, QString> groupFromEnvironment;
    for (const GlobalOption& o : kGlobalOptions) {
        if (!o.environment || groupTaken.count(o.group) || !o.value)
            continue;
        const QString variable = QLatin1String(o.environment);
        const QString v = environment.value(variable);
        if (v.isEmpty())
            continue;
        if (const auto other = groupFromEnvironment.find(o.group);
            other != groupFromEnvironment.end())
            throw UsageError{QCoreApplication::translate("cli", "%1 и %2 исключают друг друга")
                                 .arg(other->second, variable)};
        groupFromEnvironment[o.group] = variable;
        g.values_[QLatin1String(o.name)] = v;
    }
    args = scan.remaining();
    return g;
}

namespace help {

QString usage() {
    QString text =
        QCoreApplication::translate("cli",
                                    "Использование: zetra-cli [ПАРАМЕТРЫ] COMMAND [АРГУМЕНТЫ]") +
        QLatin1Char('\n') +
        QCoreApplication::translate(
            "cli", "Показания, архивы, настройки и прошивка расходомера ЗЕТРА из терминала и "
                   "сценариев.") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate("cli", "Параметры (до или после команды):") + QLatin1Char('\n');
    QString environment;
    for (const GlobalOption& o : kGlobalOptions) {
        if (!o.help)
            continue;
        text += row(optionWithValue(o), shown(o.help));
        if (o.environment)
            environment += row(
                QLatin1String(o.environment),
                QCoreApplication::translate("cli", "вместо %1, когда его нет в командной строке")
                    .arg(QLatin1String(o.name)));
    }
    text += QLatin1Char('\n') + QCoreApplication::translate("cli", "Команды:") + QLatin1Char('\n');
    int count = 0;
    const Command* commands = commandTable(&count);
    for (int i = 0; i < count; ++i)
        text += row(QLatin1String(commands[i].name), shown(commands[i].summary));
    text += QLatin1Char('\n') +
            wrapped(QCoreApplication::translate(
                        "cli", "zetra-cli help COMMAND или zetra-cli COMMAND --help показывает "
                               "аргументы команды и пример. Даты пишутся дд.мм.гггг или "
                               "гггг-мм-дд. Параметр -- заканчивает параметры."),
                    0, 0) +
            QLatin1Char('\n');
    text += QLatin1Char('\n') + QCoreApplication::translate("cli", "Окружение:") +
            QLatin1Char('\n') + environment;
    static const std::pair<int, const char*> kExitCodes[] = {
        {kExitOk, QT_TRANSLATE_NOOP("cli", "действие удалось")},
        {kExitFailed, QT_TRANSLATE_NOOP("cli", "действие не удалось")},
        {kExitUsage, QT_TRANSLATE_NOOP("cli", "ошибка в командной строке")},
        {kExitDifferent, QT_TRANSLATE_NOOP("cli", "настройки прибора отличаются от файла "
                                                  "(settings-diff, settings-write --dry-run)")},
        {kExitCancelled, QT_TRANSLATE_NOOP("cli", "действие прервано сигналом SIGINT или SIGTERM")},
    };
    text +=
        QLatin1Char('\n') + QCoreApplication::translate("cli", "Коды выхода:") + QLatin1Char('\n');
    for (const auto& [code, meaning] : kExitCodes)
        text += row(QString::number(code), shown(meaning));
    return text;
}

QString command(const Command& c) {
    QString synopsis = QStringLiteral("zetra-cli [") +
                       QCoreApplication::translate("cli", "ПАРАМЕТРЫ") + QStringLiteral("] ") +
                       QLatin1String(c.name);
    if (*c.synopsis)
        synopsis += QLatin1Char(' ') + QLatin1String(c.synopsis);
    const QString head = QCoreApplication::translate("cli", "Использование:") + QLatin1Char(' ');
    return head + wrapped(synopsis, 4, int(head.size())) + QStringLiteral("\n\n") +
           wrapped(QLatin1String(c.name) + QStringLiteral(" — ") + shown(c.summary), 0, 0) +
           QLatin1Char('\n') + wrapped(shown(c.details), 0, 0) + QStringLiteral("\n\n") +
           QCoreApplication::translate("cli", "Пример:") + QStringLiteral("\n  ") +
           QLatin1String(c.example) + QLatin1Char('\n');
}

QString bashCompletion() {
    QStringList commands, fileCommands, options, valued;
    for (const GlobalOption& o : kGlobalOptions) {
        if (!o.help)
            continue;
        options << QLatin1String(o.name);
        if (o.value)
            valued << QLatin1String(o.name);
    }
    QString ownOptions;
    int count = 0;
    const Command* table = commandTable(&count);
    for (int i = 0; i < count; ++i) {
        const Command& c = table[i];
        commands << QLatin1String(c.name);
        if (QLatin1String(c.synopsis).startsWith(QLatin1String("FILE")))
            fileCommands << QLatin1String(c.name);
        const CommandOptions own = optionsOf(c);
        if (!own.all.isEmpty())
            ownOptions += QStringLiteral("        %1) own='%2' ;;\n")
                              .arg(QLatin1String(c.name), own.all.join(QLatin1Char(' ')));
        for (const QString& v : own.valued)
            if (!valued.contains(v))
                valued << v;
    }
    // The script's logic, with the tables' words put in.
    initCompletionResource();
    QFile file(QStringLiteral(":/cli/completion.bash.in"));
    file.open(QIODevice::ReadOnly);
    QString script = QString::fromUtf8(file.readAll());
    script.replace(QStringLiteral("@COMMANDS@"), commands.join(QLatin1Char(' ')));
    script.replace(QStringLiteral("@OPTIONS@"), options.join(QLatin1Char(' ')));
    script.replace(QStringLiteral("@VALUED@"), valued.join(QLatin1Char(' ')));
    script.replace(QStringLiteral("@OWN@"), ownOptions);
    script.replace(QStringLiteral("@FILECOMMANDS@"), fileCommands.join(QStringLiteral(" | ")));
    return script;
}

} // namespace help

int runHelp(CliContext& context, CommandArgs& args) {
    const QStringList names = args.positionals();
    if (names.size() > 1)
        throw UsageError{QCoreApplication::translate("cli", "help принимает одно имя команды")};
    QString text = help::usage();
    if (!names.isEmpty()) {
        const Command* c = findCommand(names.first());
        if (!c)
            throw UsageError{
                QCoreApplication::translate("cli", "неизвестная команда %1").arg(names.first())};
        text = help::command(*c);
    }
    context.out << text;
    context.out.flush();
    return kExitOk;
}

} // namespace cli
