#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace sim {

// Which requests a fault touches. Requests are numbered from 1 in the order the meter takes
// them in (over every port); a range may be narrowed to one command byte and one address (the
// memory or setting address, or the record address, as the request carries it).
// For the programming faults the range counts programming sessions instead, and the command
// and address are not looked at.
struct Selector {
    int first = 1;
    int last = 0; // 0: no upper end
    std::optional<quint8> command;
    std::optional<quint16> address;

    static Selector all() { return {}; }
    static Selector request(int index) { return {index, index, {}, {}}; }
    static Selector requests(int first, int last) { return {first, last, {}, {}}; }
    static Selector from(int index) { return {index, 0, {}, {}}; }
    Selector& onCommand(quint8 c) {
        command = c;
        return *this;
    }
    Selector& atAddress(quint16 a) {
        address = a;
        return *this;
    }

    bool matchesIndex(int index) const { return index >= first && (last == 0 || index <= last); }
    bool matches(int index, quint8 requestCommand, quint16 requestAddress) const;
};

enum class FaultKind {
    // Transactions
    Drop,     // the request is lost on the line: not carried out, not answered
    Silence,  // the request is carried out (a write is stored), but nothing is answered
    BadCrc,   // a read answer's CRC byte is inverted (an acknowledgement has none)
    BadAck,   // the first answer byte is 0x9B instead of 0x64
    Short,    // value < 0: a read answer becomes 64 00; otherwise cut to `value` bytes
    Late,     // the answer leaves `value` ms later than it would
    Junk,     // one extra byte `value` follows the answer
    Identity, // byte 1271 reads as `value` (whatever memory holds)
    NoStore,  // a write is acknowledged as usual but not stored
    // Programming mode
    NoProbeAnswer, // value < 0: the probe FB gets no answer; otherwise it gets byte `value`
    BadReadBack,   // read-back byte number `value` (0..7679) is wrong
    StallBlocks,   // `value` blocks are answered, then the meter is silent
    StallReadBack, // `value` read-back bytes are sent, then the meter is silent
    RefuseFinish,  // after the read-back the line takes no byte: the finish F9 is refused
};

struct Fault {
    FaultKind kind = FaultKind::Drop;
    int value = 0;
    Selector select;

    bool isProgramming() const { return kind >= FaultKind::NoProbeAnswer; }

    static Fault make(FaultKind kind, int value = 0, Selector select = {}) {
        return Fault{kind, value, select};
    }
    static Fault drop(Selector s = {}) { return make(FaultKind::Drop, 0, s); }
    static Fault silence(Selector s = {}) { return make(FaultKind::Silence, 0, s); }
    static Fault badCrc(Selector s = {}) { return make(FaultKind::BadCrc, 0, s); }
    static Fault badAck(Selector s = {}) { return make(FaultKind::BadAck, 0, s); }
    static Fault shortAnswer(Selector s = {}, int length = -1) {
        return make(FaultKind::Short, length, s);
    }
    static Fault late(int ms, Selector s = {}) { return make(FaultKind::Late, ms, s); }
    static Fault junk(Selector s = {}, quint8 byte = 0xFF) {
        return make(FaultKind::Junk, byte, s);
    }
    static Fault identity(quint8 byte, Selector s = {}) {
        return make(FaultKind::Identity, byte, s);
    }
    static Fault noStore(Selector s = {}) { return make(FaultKind::NoStore, 0, s); }
    static Fault refuseFinish(Selector s = {}) { return make(FaultKind::RefuseFinish, 0, s); }
    static Fault noProbeAnswer(int byte = -1, Selector s = {}) {
        return make(FaultKind::NoProbeAnswer, byte, s);
    }
    static Fault badReadBack(int index, Selector s = {}) {
        return make(FaultKind::BadReadBack, index, s);
    }
    static Fault stallBlocks(int answered, Selector s = {}) {
        return make(FaultKind::StallBlocks, answered, s);
    }
    static Fault stallReadBack(int sent, Selector s = {}) {
        return make(FaultKind::StallReadBack, sent, s);
    }
};

// Parses KIND[:VALUE][@SELECTOR] as the command line writes it (see faultSyntaxHelp).
std::optional<Fault> parseFault(const QString& spec, QString* error = nullptr);
// The spec that parses back into the fault.
QString faultSpec(const Fault& fault);
QString faultSyntaxHelp();

} // namespace sim
