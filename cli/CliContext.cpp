#include "cli/CliContext.h"

#include <QRegularExpression>

namespace cli {

void CliContext::print(const QString& line) {
    if (json)
        return;
    out << line << '\n';
    out.flush();
}

int CliContext::finish(const core::Outcome& o) {
    outcome = o;
    // The outcome's status text; one that leaves the status as it was prints that status.
    statusLine = core::statusText(o).value_or(frontend.status());
    print(*statusLine);
    return exitCode(o.kind);
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

std::optional<QString> CommandArgs::takeValue(const QString& name) {
    for (int i = 0; i < args_.size(); ++i) {
        if (args_[i] == name) {
            if (i + 1 >= args_.size())
                throw UsageError{QStringLiteral("option %1 needs a value").arg(name)};
            const QString value = args_[i + 1];
            args_.remove(i, 2);
            return value;
        }
        if (args_[i].startsWith(name + QLatin1Char('='))) {
            const QString value = args_[i].mid(name.size() + 1);
            args_.remove(i);
            return value;
        }
    }
    return std::nullopt;
}

bool CommandArgs::takeFlag(const QString& name) { return args_.removeAll(name) > 0; }

QStringList CommandArgs::positionals() const {
    for (const QString& a : args_) {
        if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option %1").arg(a)};
    }
    return args_;
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
            QStringLiteral("malformed date %1 (use dd.mm.yyyy or yyyy-mm-dd)").arg(text)};
    return date;
}

} // namespace cli
