#include "store/Visit.h"

#include "core/Frontend.h"
#include "core/Session.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "store/StoreTexts.h"

namespace store {

QString outcomeWord(core::Outcome::Kind kind) {
    using Kind = core::Outcome::Kind;
    switch (kind) {
    case Kind::Succeeded:
        return QStringLiteral("ok");
    case Kind::FinishedWithErrors:
        return QStringLiteral("errors");
    case Kind::NoAnswer:
        return QStringLiteral("no_answer");
    case Kind::PortNotOpened:
        return QStringLiteral("cannot_open");
    case Kind::ForeignDevice:
        return QStringLiteral("foreign_device");
    case Kind::RefusedByMeter:
        return QStringLiteral("refused");
    case Kind::InputRefused:
        return QStringLiteral("input_refused");
    case Kind::IntervalRefused:
        return QStringLiteral("interval_refused");
    case Kind::Declined:
        return QStringLiteral("declined");
    case Kind::Cancelled:
        return QStringLiteral("cancelled");
    case Kind::SaveFailed:
        return QStringLiteral("save_failed");
    }
    return {};
}

Store* Attachment::get() {
    if (!location.enabled())
        return nullptr;
    if (!store && openError.isEmpty())
        store = Store::open(location, &openError);
    return store.get();
}

QString Attachment::unavailable() const {
    return texts::storeFailed(location.text, location.enabled() ? openError : texts::storeOff());
}

Attachment& attachment(core::Session& session) { return session.kept<Attachment>(); }

Visit::Visit(core::Session& session, QString action, const line::LinkTarget& target)
    : session_(session), attachment_(attachment(session)), action_(std::move(action)),
      link_(target.isPipe() ? target.name : target.name.trimmed()) {}

Visit::~Visit() {
    if (visitId_ && !ended_)
        end(core::Outcome::of(core::Outcome::Kind::Cancelled));
}

bool Visit::identify() {
    if (!enabled())
        return false;
    // Every branch clears the flags before its own transactions, so this read leaves no
    // trace in the action's outcome.
    line::Protocol& p = session_.protocol();
    const bool read = p.ReadMemory(device::memory::kSerialNumber, 4);
    MeterIdentity id;
    if (read) {
        id.serial = int(p.dataLE(1, 2));
        id.manufactured = device::dateFromDeviceShortDate(p.at(3), p.at(4));
    }
    if (!read)
        return false;
    identified(id);
    return visitId_.has_value();
}

void Visit::identified(const MeterIdentity& identity) {
    if (!enabled() || visitId_)
        return;
    identity_ = identity;
    store_ = attachment_.get();
    if (!store_) {
        failed(attachment_.openError);
        return;
    }
    meterId_ = store_->meterId(identity);
    if (!meterId_) {
        failed(store_->error());
        return;
    }
    visitId_ = store_->beginVisit(*meterId_, action_, link_, QDateTime::currentDateTimeUtc());
    if (!visitId_)
        failed(store_->error());
}

RecordWriter* Visit::writer(Ring ring) {
    if (!visitId_ || !store_)
        return nullptr;
    std::unique_ptr<RecordWriter>& w = ring == Ring::Daily ? daily_ : minute_;
    if (!w)
        w = std::make_unique<RecordWriter>(store_, ring, *meterId_, *visitId_);
    return w.get();
}

void Visit::noteSettings(const QString& phase, const QByteArray& bytes, const QStringList& lines) {
    if (visitId_ && store_ && !store_->putSettings(*visitId_, phase, bytes, lines))
        failed(store_->error());
}

void Visit::failed(const QString& reason) {
    if (failure_.isEmpty())
        failure_ = reason.isEmpty() ? QStringLiteral("SQL error") : reason;
}

void Visit::end(const core::Outcome& outcome) {
    if (ended_)
        return;
    ended_ = true;
    for (std::unique_ptr<RecordWriter>* w : {&daily_, &minute_}) {
        if (*w && !(*w)->flush())
            failed((*w)->error());
    }
    if (visitId_ && store_) {
        facts.outcome = outcomeWord(outcome.kind);
        if (!store_->endVisit(*visitId_, facts, QDateTime::currentDateTimeUtc()))
            failed(store_->error());
    }
    if (!failure_.isEmpty()) {
        attachment_.failed = true;
        session_.frontend().showError(core::texts::errorCaption(),
                                      texts::storeFailed(attachment_.location.text, failure_));
    }
}

} // namespace store
