#include "actions/TotalsClearing.h"

#include "core/Frontend.h"
#include "core/Permission.h"
#include "core/Texts.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsTexts.h"

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

core::Outcome clear(line::Protocol& p, core::Frontend& frontend) {
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
    return core::finish(frontend, Outcome::fromFlags(p));
}

} // namespace actions::totals
