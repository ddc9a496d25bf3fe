#include "cli/CliContext.h"

#include "core/Texts.h"
#include "store/Visit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace cli {

void CliContext::print(const QString& line) {
    if (json)
        return;
    QTextStream& stream = linesToStandardError ? err : out;
    stream << line << '\n';
    stream.flush();
}

int CliContext::finish(const core::Outcome& o) {
    outcome = o;
    // The outcome's status text; one that leaves the status as it was prints that status.
    statusLine = core::statusText(o).value_or(frontend.status());
    // The reason behind the status, one line on standard error; the status line keeps its words.
    // A file not saved names its reason in the status line itself.
    if (!o.reason.isEmpty()) {
        put(QStringLiteral("reason"), o.reason);
        if (!json && o.kind != core::Outcome::Kind::SaveFailed) {
            std::fprintf(stderr, "%s\n", core::texts::statusReason(o.reason).toUtf8().constData());
            std::fflush(stderr);
        }
    }
    print(*statusLine);
    const int code = exitCode(o.kind);
    // A store that could not be written never costs the action, but a script learns of it.
    return code == kExitOk && store::attachment(session).failed ? kExitFailed : code;
}

int CliContext::endWithoutStatus(core::Outcome::Kind kind) {
    outcome = core::Outcome::of(kind);
    return exitCode(kind);
}

int CliContext::exitCode(core::Outcome::Kind kind) {
    if (kind == core::Outcome::Kind::Cancelled)
        return kExitCancelled;
    return kind == core::Outcome::Kind::Succeeded ? kExitOk : kExitFailed;
}

UsageError unknownOption(const QString& option) {
    return {QCoreApplication::translate("cli", "неизвестный параметр %1").arg(option)};
}

UsageError repeatedOption(const QString& option) {
    return {QCoreApplication::translate("cli", "параметр %1 указан дважды").arg(option)};
}

UsageError saveToStandardOutputWithJson() {
    return {QCoreApplication::translate(
        "cli", "--save - и --json не сочетаются: оба пишут на стандартный вывод")};
}

bool CommandArgs::isOption(const QString& arg) {
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}

int CommandArgs::optionsEnd() const {
    const int end = int(args_.indexOf(QStringLiteral("--")));
    return end < 0 ? int(args_.size()) : end;
}

std::optional<QString> CommandArgs::takeValue(const QString& name) {
    std::optional<QString> value;
    for (int i = 0; i < optionsEnd();) {
        std::optional<QString> found;
        int taken = 1;
        if (args_[i] == name) {
            if (i + 1 >= args_.size())
                throw UsageError{
                    QCoreApplication::translate("cli", "параметру %1 нужно значение").arg(name)};
            found = args_[i + 1];
            taken = 2;
        } else if (args_[i].startsWith(name + QLatin1Char('='))) {
            found = args_[i].mid(name.size() + 1);
        }
        if (!found) {
            ++i;
            continue;
        }
        if (value)
            throw repeatedOption(name);
        value = found;
        args_.remove(i, taken);
    }
    return value;
}

bool CommandArgs::takeFlag(const QString& name) {
    int count = 0;
    for (int i = 0; i < optionsEnd();) {
        if (args_[i] == name) {
            args_.remove(i);
            ++count;
        } else {
            ++i;
        }
    }
    if (count > 1)
        throw repeatedOption(name);
    return count == 1;
}

QStringList CommandArgs::positionals() const {
    const int end = optionsEnd();
    QStringList values;
    for (int i = 0; i < end; ++i) {
        if (isOption(args_[i]))
            throw unknownOption(args_[i]);
        values << args_[i];
    }
    return values + args_.mid(end + 1);
}

SaveToStandardOutput::SaveToStandardOutput(const QString& fileName) {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zetra-cli-XXXXXX"));
    if (!dir.isValid())
        return; // the writer then fails on the empty name and says so
    dir.setAutoRemove(false);
    folder_ = dir.path();
    path_ = dir.filePath(fileName);
}

SaveToStandardOutput::~SaveToStandardOutput() {
    if (!folder_.isEmpty())
        QDir(folder_).removeRecursively();
}

bool SaveToStandardOutput::copyOut(QString* reason) {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        *reason = QCoreApplication::translate("cli", "стандартный вывод закрыт");
        return false;
    }
    return true;
}

QDate parseCommandDate(const QString& text) {
    static const QRegularExpression dotted(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    QDate date;
    if (const auto m = dotted.match(text); m.hasMatch())
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    else if (const auto m2 = iso.match(text); m2.hasMatch())
        date = QDate(m2.captured(1).toInt(), m2.captured(2).toInt(), m2.captured(3).toInt());
    if (!date.isValid())
        throw UsageError{
            QCoreApplication::translate("cli", "неверная дата %1 (нужно дд.мм.гггг или гггг-мм-дд)")
                .arg(text)};
    return date;
}

} // namespace cli
