#include "sim/Faults.h"

#include "sim/Contents.h"

#include <QStringList>

namespace sim {

namespace {

struct KindName {
    FaultKind kind;
    const char* name;
    enum { None, Optional, Required } value;
};

const KindName kKinds[] = {
    {FaultKind::Drop, "drop", KindName::None},
    {FaultKind::Silence, "silence", KindName::None},
    {FaultKind::BadCrc, "badcrc", KindName::None},
    {FaultKind::BadAck, "badack", KindName::None},
    {FaultKind::Short, "short", KindName::Optional},
    {FaultKind::Late, "late", KindName::Required},
    {FaultKind::Junk, "junk", KindName::Optional},
    {FaultKind::Identity, "identity", KindName::Required},
    {FaultKind::NoStore, "nostore", KindName::None},
    {FaultKind::NoProbeAnswer, "noack", KindName::Optional},
    {FaultKind::BadReadBack, "badbyte", KindName::Required},
    {FaultKind::StallBlocks, "stallblock", KindName::Required},
    {FaultKind::StallReadBack, "stallreadback", KindName::Required},
    {FaultKind::RefuseFinish, "refusefinish", KindName::None},
};

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// Decimal, or hexadecimal with 0x.
bool parseNumber(const QString& text, int limit, int* out) {
    bool ok = false;
    const int v = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                      ? text.mid(2).toInt(&ok, 16)
                      : text.toInt(&ok, 10);
    if (!ok || v < 0 || v > limit)
        return false;
    *out = v;
    return true;
}

// A byte: two hexadecimal digits (0x allowed), as bytes are written on the line.
bool parseByte(const QString& text, int* out) {
    QString t = text;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    bool ok = false;
    const int v = t.toInt(&ok, 16);
    if (!ok || t.isEmpty() || t.size() > 2)
        return false;
    *out = v;
    return true;
}

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

bool parseSelector(const QString& text, Selector* sel, QString* error) {
    bool rangeSeen = false;
    for (const QString& item : text.split(QLatin1Char(','))) {
        if (item.startsWith(QLatin1String("cmd="))) {
            int v = 0;
            if (!parseByte(item.mid(4), &v))
                return fail(error, QStringLiteral("bad command byte in '%1'").arg(item));
            sel->command = quint8(v);
        } else if (item.startsWith(QLatin1String("addr="))) {
            int v = 0;
            if (!parseNumber(item.mid(5), 0xFFFF, &v))
                return fail(error, QStringLiteral("bad address in '%1'").arg(item));
            sel->address = quint16(v);
        } else {
            if (rangeSeen)
                return fail(error, QStringLiteral("more than one request range"));
            rangeSeen = true;
            if (item == QLatin1String("all"))
                continue;
            const int dash = item.indexOf(QLatin1Char('-'));
            int first = 0, last = 0;
            if (dash < 0) {
                if (!parseNumber(item, 1 << 30, &first) || first < 1)
                    return fail(error, QStringLiteral("bad request number '%1'").arg(item));
                last = first;
            } else {
                const QString to = item.mid(dash + 1);
                if (!parseNumber(item.left(dash), 1 << 30, &first) || first < 1 ||
                    (!to.isEmpty() && (!parseNumber(to, 1 << 30, &last) || last < first)))
                    return fail(error, QStringLiteral("bad request range '%1'").arg(item));
            }
            sel->first = first;
            sel->last = last;
        }
    }
    return true;
}

} // namespace

bool Selector::matches(int index, quint8 requestCommand, quint16 requestAddress) const {
    return matchesIndex(index) && (!command || *command == requestCommand) &&
           (!address || *address == requestAddress);
}

std::optional<Fault> parseFault(const QString& spec, QString* error) {
    QString head = spec.trimmed();
    Selector sel;
    const int at = head.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        if (!parseSelector(head.mid(at + 1), &sel, error))
            return std::nullopt;
        head = head.left(at);
    }
    const int colon = head.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? head : head.left(colon);
    const QString value = colon < 0 ? QString() : head.mid(colon + 1);

    const KindName* kind = nullptr;
    for (const KindName& k : kKinds)
        if (name == QLatin1String(k.name))
            kind = &k;
    if (!kind) {
        fail(error, QStringLiteral("unknown fault '%1'").arg(name));
        return std::nullopt;
    }
    if (kind->value == KindName::None && colon >= 0) {
        fail(error, QStringLiteral("fault '%1' takes no value").arg(name));
        return std::nullopt;
    }
    if (kind->value == KindName::Required && value.isEmpty()) {
        fail(error, QStringLiteral("fault '%1' needs a value").arg(name));
        return std::nullopt;
    }

    Fault f;
    f.kind = kind->kind;
    f.select = sel;
    bool ok = true;
    switch (f.kind) {
    case FaultKind::Short:
        f.value = -1;
        if (colon >= 0)
            ok = parseNumber(value, 1 << 16, &f.value);
        break;
    case FaultKind::Late:
        ok = parseNumber(value, 3600 * 1000, &f.value);
        break;
    case FaultKind::Junk:
        f.value = 0xFF;
        if (colon >= 0)
            ok = parseByte(value, &f.value);
        break;
    case FaultKind::Identity:
        ok = parseNumber(value, 255, &f.value);
        break;
    case FaultKind::NoProbeAnswer:
        f.value = -1;
        if (colon >= 0)
            ok = parseByte(value, &f.value);
        break;
    case FaultKind::BadReadBack:
        if (value == QLatin1String("last"))
            f.value = kProgramSize - 1;
        else
            ok = parseNumber(value, kProgramSize - 1, &f.value);
        break;
    case FaultKind::StallBlocks:
        ok = parseNumber(value, 120, &f.value);
        break;
    case FaultKind::StallReadBack:
        ok = parseNumber(value, kProgramSize, &f.value);
        break;
    default:
        break;
    }
    if (!ok) {
        fail(error, QStringLiteral("bad value '%1' for fault '%2'").arg(value, name));
        return std::nullopt;
    }
    return f;
}

QString faultSpec(const Fault& f) {
    QString name;
    for (const KindName& k : kKinds)
        if (k.kind == f.kind)
            name = QLatin1String(k.name);
    switch (f.kind) {
    case FaultKind::Short:
    case FaultKind::NoProbeAnswer:
        if (f.value >= 0)
            name += QLatin1Char(':') +
                    (f.kind == FaultKind::Short ? QString::number(f.value) : hexByte(f.value));
        break;
    case FaultKind::Junk:
        name += QLatin1Char(':') + hexByte(f.value);
        break;
    case FaultKind::Late:
    case FaultKind::Identity:
    case FaultKind::BadReadBack:
    case FaultKind::StallBlocks:
    case FaultKind::StallReadBack:
        name += QStringLiteral(":%1").arg(f.value);
        break;
    default:
        break;
    }
    QStringList sel;
    const Selector& s = f.select;
    if (s.first != 1 || s.last != 0)
        sel << (s.last == s.first ? QString::number(s.first)
                : s.last == 0     ? QStringLiteral("%1-").arg(s.first)
                                  : QStringLiteral("%1-%2").arg(s.first).arg(s.last));
    if (s.command)
        sel << QStringLiteral("cmd=") + hexByte(*s.command);
    if (s.address)
        sel << QStringLiteral("addr=%1").arg(*s.address);
    if (!sel.isEmpty())
        name += QLatin1Char('@') + sel.join(QLatin1Char(','));
    return name;
}

QString faultSyntaxHelp() {
    return QStringLiteral(
        "Fault syntax: KIND[:VALUE][@SELECTOR]\n"
        "  Transaction faults:\n"
        "    drop           the request is lost: not carried out, not answered\n"
        "    silence        the request is carried out (writes are stored), no answer\n"
        "    badcrc         a read answer carries an inverted CRC byte\n"
        "    badack         the answer starts with 9B instead of 64\n"
        "    short[:N]      a read answer becomes 64 00; with N: the answer cut to N bytes\n"
        "    late:MS        the answer leaves MS milliseconds later\n"
        "    junk[:XX]      one extra byte XX (hex, default FF) after the answer\n"
        "    identity:N     byte 1271 reads as N (1 = a foreign device)\n"
        "    nostore        a write is acknowledged but not stored (with cmd=42,addr=N:\n"
        "                   that setting byte is silently dropped)\n"
        "  Programming faults (the selector's range counts programming sessions):\n"
        "    noack[:XX]     the probe FB is answered with XX instead of AA, or not at all\n"
        "    badbyte:I      read-back byte I (0..7679, or 'last') is wrong\n"
        "    stallblock:K   K blocks are answered, then the meter falls silent\n"
        "    stallreadback:J  J read-back bytes are sent, then the meter falls silent\n"
        "    refusefinish   after the read-back the pseudo-terminal takes no byte for 3 s:\n"
        "                   the finish F9 is refused on the line (and ignored if it came)\n"
        "  SELECTOR: comma-separated, all parts must hold (default: every request)\n"
        "    N | N-M | N- | all   1-based request numbers (every frame taken in counts)\n"
        "    cmd=XX               only requests with command byte XX (hex): 18 24 3C 42 5A 66\n"
        "    addr=N               only requests at address N (decimal, or 0x hex): memory\n"
        "                         or setting address, or record address\n"
        "  Examples: drop@3  silence@2-  late:60@1  badcrc@cmd=5A,addr=4000  short:3@5-7\n"
        "            nostore@cmd=42,addr=17\n");
}

} // namespace sim
