#include "actions/TotalsClearing.h"

#include "core/Frontend.h"
#include "core/Permission.h"
#include "core/Texts.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsTexts.h"

#include <QStringList>

#include <algorithm>

namespace actions::totals {

namespace {
// The memory blocks zeroed with the totals, in the order they are written: the volume, the
// operating and idle times, and the accumulation blocks that carry the running day record.
struct Block {
    quint16 address;
    quint8 count;
};
constexpr Block kBlocks[] = {
    {device::memory::kVolume, 6},
    {device::memory::kOperatingTime, 8},
    {1243, 3},
    {1246, 6},
    {1252, 3},
    {1255, 6},
};
} // namespace

namespace {
// Reads back what the clearing zeroed: the setting bytes four at a time, each memory block
// whole. A read that fails leaves its bytes unknown (the flags carry the error).
std::vector<NotZero> readBack(line::Protocol& p) {
    std::vector<NotZero> found;
    constexpr int settingsPerRead = 4;
    const int first = settings::map::kTotalsFirst;
    for (int at = 0; at < settings::map::kTotalsBytes; at += settingsPerRead) {
        const int count = std::min(settingsPerRead, settings::map::kTotalsBytes - at);
        if (!p.ReadSettingBytes(quint8(first + at), quint8(count)))
            continue;
        for (int i = 0; i < count; ++i)
            if (p.at(1 + i) != 0)
                found.push_back({true, first + at + i, 1});
    }
    for (const Block& b : kBlocks) {
        if (!p.ReadMemory(b.address, b.count))
            continue;
        const int nonZero = int(std::count_if(p.buffer() + 1, p.buffer() + 1 + b.count,
                                              [](quint8 v) { return v != 0; }));
        if (nonZero > 0)
            found.push_back({false, b.address, nonZero});
    }
    return found;
}
} // namespace

core::Outcome clear(line::Protocol& p, core::Frontend& frontend,
                    std::optional<std::vector<NotZero>>* notCleared) {
    using core::Outcome;
    if (!frontend.askYesNo(core::texts::attentionCaption(), settings::texts::clearTotalsQuestion(),
                           core::Frontend::DefaultButton::No))
        return Outcome::of(Outcome::Kind::Declined);
    if (const auto refusal =
            core::refuseUnlessChangesPermitted(p, frontend, Outcome::Detail::ClearingForbidden))
        return *refusal;

    frontend.setStatus(settings::texts::clearingTotals());
    frontend.processEvents();
    frontend.setProgressMaximum(kProgressMaximum);
    p.clearFlags();

    // Half-cleared totals would disagree with each other: the clearing is not cut, and with
    // nothing after it, a stop asked meanwhile changes nothing of its outcome.
    line::CancelToken::Scope whole(p.cancelToken(), line::CancelToken::Phase::Deferred);
    for (int i = 0; i < settings::map::kTotalsBytes; ++i)
        p.WriteSettingByte(quint8(settings::map::kTotalsFirst + i), 0);
    static const quint8 zeros[8] = {};
    for (const Block& b : kBlocks) {
        p.putData(zeros, b.count);
        p.WriteMemory(b.address, b.count);
    }
    // Writes that failed already say so; acknowledged ones are checked.
    if (!p.replySeen() || p.errorSeen())
        return core::finish(frontend, Outcome::fromFlags(p));
    const std::vector<NotZero> found = readBack(p);
    if (notCleared)
        *notCleared = found;
    if (!found.empty()) {
        QStringList parts;
        for (const NotZero& n : found)
            parts << (n.settings ? settings::texts::settingByteNotZero(n.address)
                                 : settings::texts::memoryNotZero(n.address, n.bytes));
        frontend.showError(core::texts::errorCaption(),
                           settings::texts::totalsNotCleared(parts.join(QStringLiteral(", "))));
        return core::finish(frontend, Outcome::of(Outcome::Kind::FinishedWithErrors));
    }
    return core::finish(frontend, Outcome::fromFlags(p));
}

} // namespace actions::totals
