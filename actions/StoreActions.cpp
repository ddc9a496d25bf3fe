#include "actions/StoreActions.h"

#include "actions/Connection.h"
#include "core/Frontend.h"
#include "store/StoreTexts.h"
#include "store/Visit.h"

namespace actions {

using core::Outcome;

SyncRun syncStore(core::Session& session, const line::LinkTarget& target, bool daily, bool minute) {
    SyncRun run;
    run.outcome = Connection(session).run(target, [&] {
        store::Visit visit(session, QStringLiteral("sync"), target);
        if (!visit.identify()) {
            const Outcome o = core::finish(
                session.frontend(),
                Outcome::of(session.protocol().stopRequested() ? Outcome::Kind::Cancelled
                            : visit.storeFailed()              ? Outcome::Kind::FinishedWithErrors
                                                               : Outcome::Kind::NoAnswer));
            visit.end(o);
            return o;
        }
        run.meter = visit.identity();
        run.visitId = visit.visitId();
        store::sync::Result r =
            store::sync::run(session.protocol(), session.frontend(), *visit.store(),
                             *visit.meterId(), *visit.visitId(), daily, minute);
        visit.facts.pcTime = r.pcTime.isValid() ? std::optional(r.pcTime) : std::nullopt;
        visit.facts.meterTime = r.meterTime;
        visit.facts.clockDriftSeconds = r.clockDriftSeconds;
        if (!r.storeError.isEmpty())
            visit.failed(r.storeError);
        visit.end(r.outcome);
        run.result = std::move(r);
        return run.result->outcome;
    });
    return run;
}

} // namespace actions
