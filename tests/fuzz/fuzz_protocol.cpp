// The protocol's answer handling over a scripted link: whatever comes back, in whatever
// pieces, a transaction that succeeds holds an answer it can vouch for.
#include "link/Crc8.h"
#include "link/Protocol.h"
#include "tests/support/ScriptedLink.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    ScriptedLink link;
    line::Protocol protocol;
    protocol.setLink(&link);
    protocol.setPause([](int) {});
    // The input: a control byte, then pieces; each piece is a length byte and that many
    // bytes, arriving on a write (even length byte) or while waiting (odd).
    std::size_t at = 0;
    const quint8 control = size > 0 ? data[at++] : 0;
    if (control & 0x80)
        link.goneAfterWrites = control & 0x0F;
    while (at < size) {
        const int n = std::min<int>(data[at] >> 1, int(size - at - 1));
        QByteArray piece(reinterpret_cast<const char*>(data + at + 1), n);
        if (data[at] & 1)
            link.arrivals.push_back(piece);
        else
            link.answer(piece);
        at += std::size_t(n) + 1;
    }
    for (int i = 0; i < 6; ++i) {
        const quint8 count = quint8(1 + (control + i) % 15);
        bool ok = false;
        switch ((control + i) % 4) {
        case 0:
            ok = protocol.ReadMemory(quint16(24 + i), count);
            if (ok && (protocol.at(0) != line::Protocol::kAcknowledge ||
                       protocol.at(count + 1) != line::crc8(protocol.buffer() + 1, count)))
                std::abort();
            break;
        case 1:
            ok = protocol.ReadRecord(quint16(8 * i));
            if (ok && (protocol.at(0) != line::Protocol::kAcknowledge ||
                       protocol.at(9) != line::crc8(protocol.buffer() + 1, 8)))
                std::abort();
            break;
        case 2:
            ok = protocol.WriteSettingByte(quint8(i), count);
            if (ok && protocol.at(0) != line::Protocol::kAcknowledge)
                std::abort();
            break;
        default:
            ok = protocol.WriteRecord(quint16(8 * i));
            break;
        }
        // A gone line is never written to again.
        if (link.gone() && link.writes.size() > link.goneAfterWrites)
            std::abort();
        // Nothing owed outlives the transaction that owes it by more than its own attempts
        // (the retries' answers of the one before it included, until they are settled).
        if (protocol.answersOwed() > 2 * line::Protocol::kAttempts - 1)
            std::abort();
    }
    return 0;
}
