#include "sim/Meter.h"

#include "link/Crc8.h"

namespace sim {

namespace {

// The command codes once more, on purpose: the simulated meter is an independent meter that
// answers what it receives, not a mirror of the program's line::Protocol, so a wrong code on
// either side shows as a failed exchange in the tests instead of agreeing with itself.
enum : quint8 {
    kReadMemory = 0x18,
    kWriteMemory = 0x24,
    kReadSettingBytes = 0x3C,
    kWriteSettingByte = 0x42,
    kReadRecord = 0x5A,
    kWriteRecord = 0x66,
};

const quint8* u8(const QByteArray& bytes) { return reinterpret_cast<const quint8*>(bytes.data()); }

quint8 crcOf(const QByteArray& bytes, int from, int count) {
    return line::crc8(u8(bytes) + from, std::size_t(count));
}

// Length of the frame that begins with `command`, given what has arrived so far: 0 when the
// length is not known yet, -1 for a byte that begins no frame.
int frameLength(const QByteArray& pending) {
    switch (quint8(pending[0])) {
    case kReadMemory:
    case kReadSettingBytes:
    case kWriteSettingByte:
    case kReadRecord:
    case Meter::kProgrammingCommand:
        return 4;
    case kWriteMemory:
        return pending.size() < 2 ? 0 : (quint8(pending[1]) >> 4) + 4;
    case kWriteRecord:
        return 4 + kRecordSize;
    default:
        return -1;
    }
}

bool isRead(quint8 command) {
    return command == kReadMemory || command == kReadSettingBytes || command == kReadRecord;
}

} // namespace

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

Meter::Meter(const Contents& contents) : contents_(contents), mem_(buildMemories(contents)) {}

QByteArray Meter::read(Space space, int address, int count) const {
    const QByteArray& m = mem_.of(space);
    QByteArray out(count, '\0');
    for (int i = 0; i < count; ++i)
        out[i] = m[(address + i) % m.size()];
    return out;
}

void Meter::write(Space space, int address, const QByteArray& bytes) {
    QByteArray& m = mem_.of(space);
    for (int i = 0; i < bytes.size(); ++i)
        m[(address + i) % m.size()] = bytes[i];
}

quint8 Meter::byte(Space space, int address) const {
    const QByteArray& m = mem_.of(space);
    return quint8(m[address % m.size()]);
}

int Meter::deviceDay() const {
    return byte(Space::Memory, 1238) | (byte(Space::Memory, 1239) << 8);
}

void Meter::resetPort(Port port) { ports_[index(port)] = PortState(); }

void Meter::clearLog() {
    frames_.clear();
    events_.clear();
    discarded_ = 0;
}

std::vector<Answer> Meter::receive(Port port, const QByteArray& bytes, TimePoint at) {
    return receive(port, u8(bytes), int(bytes.size()), at);
}

std::vector<Answer> Meter::receive(Port port, const quint8* bytes, int count, TimePoint at) {
    std::vector<Answer> out;
    for (int i = 0; i < count; ++i)
        takeByte(port, bytes[i], at, out);
    return out;
}

void Meter::takeByte(Port port, quint8 b, TimePoint at, std::vector<Answer>& out) {
    PortState& st = ports_[index(port)];
    if (st.anyByte) {
        const auto gap = at - st.last;
        if (!st.pending.isEmpty() && gap > kStaleFrame) {
            discarded_ += int(st.pending.size());
            st.pending.clear();
        }
        if ((st.mode == Mode::Transfer || st.mode == Mode::Stalled) && gap > kStaleTransfer) {
            event(ProgramEvent::Abandoned, st.session, at, int(st.mode));
            st.mode = Mode::Frames;
        }
    }
    st.last = at;
    st.anyByte = true;

    if (st.mode != Mode::Frames) {
        takeProgrammingByte(port, b, at, out);
        return;
    }
    st.pending.append(char(b));
    parseFrames(port, at, out);
}

void Meter::parseFrames(Port port, TimePoint at, std::vector<Answer>& out) {
    PortState& st = ports_[index(port)];
    while (!st.pending.isEmpty() && st.mode == Mode::Frames) {
        const int length = frameLength(st.pending);
        if (length == 0 || length > st.pending.size())
            return; // wait for the rest
        bool good =
            length > 0 && crcOf(st.pending, 0, length - 1) == quint8(st.pending[length - 1]);
        if (good && quint8(st.pending[0]) == kProgrammingCommand)
            good = quint8(st.pending[1]) == 0xFF && quint8(st.pending[2]) == 0xFF;
        if (!good) {
            // Not a frame after all: give up its first byte and look again from the next.
            st.pending.remove(0, 1);
            ++discarded_;
            continue;
        }
        const QByteArray frame = st.pending.left(length);
        st.pending.remove(0, length);
        handleFrame(port, frame, at, out);
    }
    // Programming mode takes the rest of the bytes one by one.
    if (!st.pending.isEmpty()) {
        const QByteArray rest = st.pending;
        st.pending.clear();
        for (char c : rest)
            takeProgrammingByte(port, quint8(c), at, out);
    }
}

void Meter::handleFrame(Port port, const QByteArray& frame, TimePoint at,
                        std::vector<Answer>& out) {
    const quint8 command = quint8(frame[0]);
    if (command == kProgrammingCommand) {
        PortState& st = ports_[index(port)];
        st.mode = Mode::AwaitProbe;
        st.session = ++sessions_;
        st.block = st.fill = 0;
        event(ProgramEvent::Entered, st.session, at);
        return;
    }

    FrameRecord rec;
    rec.index = ++requestCount_;
    rec.port = port;
    rec.at = at;
    rec.command = command;
    rec.raw = frame;
    const quint8 p1 = quint8(frame[1]);
    const quint8 p2 = quint8(frame[2]);
    switch (command) {
    case kReadMemory:
    case kWriteMemory:
        rec.address = quint16(((p1 & 0x0F) << 8) | p2);
        rec.count = p1 >> 4;
        break;
    case kReadSettingBytes:
        rec.address = p2;
        rec.count = p1;
        break;
    case kWriteSettingByte:
        rec.address = p2;
        rec.count = 1;
        break;
    default: // the record transactions
        rec.address = quint16((p1 << 8) | p2);
        rec.count = kRecordSize;
        break;
    }
    if (!isRead(command))
        rec.data = command == kWriteSettingByte ? frame.mid(1, 1) : frame.mid(3, rec.count);

    for (const Fault& f : faults_)
        if (!f.isProgramming() && f.select.matches(rec.index, command, rec.address))
            rec.faults.push_back(f);
    auto has = [&rec](FaultKind kind) {
        for (const Fault& f : rec.faults)
            if (f.kind == kind)
                return true;
        return false;
    };

    if (has(FaultKind::Drop)) {
        rec.carriedOut = false;
    } else {
        // A write that is not stored is still acknowledged, as a meter that lost it would.
        const bool stored = isRead(command) || !has(FaultKind::NoStore);
        QByteArray answer = stored ? carryOut(rec, frame) : QByteArray(1, char(kAcknowledge));
        rec.carriedOut = stored;
        int extraMs = 0;
        for (const Fault& f : rec.faults) {
            switch (f.kind) {
            case FaultKind::BadCrc:
                if (isRead(command))
                    answer[answer.size() - 1] = char(~quint8(answer[answer.size() - 1]));
                break;
            case FaultKind::BadAck:
                if (!answer.isEmpty())
                    answer[0] = char(kBadAcknowledge);
                break;
            case FaultKind::Short:
                if (f.value >= 0)
                    answer.truncate(f.value);
                else if (isRead(command))
                    answer = QByteArray::fromHex("6400");
                break;
            case FaultKind::Junk:
                answer.append(char(f.value));
                break;
            case FaultKind::Late:
                extraMs += f.value;
                break;
            default:
                break;
            }
        }
        if (!has(FaultKind::Silence) && !answer.isEmpty()) {
            rec.answer = answer;
            queue(out, at, answer, extraMs);
        }
    }
    frames_.push_back(std::move(rec));
    if (frames_.size() > kFrameLogLimit)
        frames_.pop_front();
}

QByteArray Meter::carryOut(FrameRecord& rec, const QByteArray& frame) {
    QByteArray data;
    switch (rec.command) {
    case kReadMemory:
        data = read(Space::Memory, rec.address, rec.count);
        // The identity fault changes what byte 1271 reads as, not what memory holds.
        for (const Fault& f : rec.faults)
            if (f.kind == FaultKind::Identity)
                for (int i = 0; i < rec.count; ++i)
                    if ((rec.address + i) % kMemorySize == 1271)
                        data[i] = char(f.value);
        break;
    case kWriteMemory:
        write(Space::Memory, rec.address, frame.mid(3, rec.count));
        break;
    case kReadSettingBytes:
        data = read(Space::Settings, rec.address, rec.count);
        break;
    case kWriteSettingByte:
        write(Space::Settings, rec.address, frame.mid(1, 1));
        break;
    case kReadRecord:
        data = read(Space::Archive, rec.address, kRecordSize);
        break;
    case kWriteRecord:
        write(Space::Archive, rec.address, frame.mid(3, kRecordSize));
        break;
    }
    QByteArray answer(1, char(kAcknowledge));
    if (isRead(rec.command)) {
        answer += data;
        answer.append(char(crcOf(data, 0, int(data.size()))));
    }
    return answer;
}

const Fault* Meter::programmingFault(FaultKind kind, int session) const {
    for (const Fault& f : faults_)
        if (f.kind == kind && f.select.matchesIndex(session))
            return &f;
    return nullptr;
}

void Meter::takeProgrammingByte(Port port, quint8 b, TimePoint at, std::vector<Answer>& out) {
    PortState& st = ports_[index(port)];
    auto leave = [&] {
        // Anything but the expected byte ends programming mode; the byte may begin a frame.
        event(ProgramEvent::Abandoned, st.session, at, int(st.mode));
        st.mode = Mode::Frames;
        st.pending.append(char(b));
        parseFrames(port, at, out);
    };

    switch (st.mode) {
    case Mode::Frames:
        st.pending.append(char(b));
        parseFrames(port, at, out);
        break;
    case Mode::AwaitProbe:
        if (b != kProbe) {
            leave();
        } else if (const Fault* f = programmingFault(FaultKind::NoProbeAnswer, st.session)) {
            if (f->value >= 0)
                queue(out, at, QByteArray(1, char(f->value)));
            event(ProgramEvent::Probe, st.session, at, f->value);
            st.mode = Mode::Frames;
        } else {
            queue(out, at, QByteArray(1, char(kProbeAnswer)));
            event(ProgramEvent::Probe, st.session, at, kProbeAnswer);
            st.mode = Mode::AwaitImage;
        }
        break;
    case Mode::AwaitImage:
        if (b != kImageStart) {
            leave();
        } else {
            event(ProgramEvent::ImageStart, st.session, at);
            st.mode = Mode::Transfer;
            st.block = st.fill = 0;
        }
        break;
    case Mode::Transfer: {
        mem_.program[st.block * kBlockSize + st.fill] = char(b);
        if (++st.fill < kBlockSize)
            break;
        const Fault* stall = programmingFault(FaultKind::StallBlocks, st.session);
        if (stall && st.block >= stall->value) {
            event(ProgramEvent::Block, st.session, at, st.block, -1);
            st.mode = Mode::Stalled;
            break;
        }
        const int answer = kBlockCount - st.block;
        queue(out, at, QByteArray(1, char(answer)));
        event(ProgramEvent::Block, st.session, at, st.block, answer);
        st.fill = 0;
        if (++st.block < kBlockCount)
            break;
        // The whole image is in: the meter sends back its program memory unasked.
        QByteArray back = mem_.program;
        for (const Fault& f : faults_)
            if (f.kind == FaultKind::BadReadBack && f.select.matchesIndex(st.session))
                back[f.value] = char(~quint8(back[f.value]));
        if (const Fault* f = programmingFault(FaultKind::StallReadBack, st.session))
            back.truncate(f->value);
        if (!back.isEmpty())
            queue(out, at, back);
        event(ProgramEvent::ReadBack, st.session, at, int(back.size()));
        st.mode = Mode::ReadBackDone;
        break;
    }
    case Mode::Stalled:
        break;
    case Mode::ReadBackDone:
        if (b != kFinish) {
            leave();
        } else if (refusesFinish(st.session)) {
            // The line refused it; should it still come through, it is not taken.
            event(ProgramEvent::Abandoned, st.session, at, int(st.mode));
            st.mode = Mode::Frames;
        } else {
            ++finished_;
            event(ProgramEvent::Finished, st.session, at);
            // The meter reports the image's date as the date of its last programming.
            mem_.memory[1263] = mem_.program[kProgramSize - 2];
            mem_.memory[1264] = mem_.program[kProgramSize - 1];
            st.mode = Mode::Frames;
        }
        break;
    }
}

void Meter::event(ProgramEvent::Kind kind, int session, TimePoint at, int value, int answer) {
    events_.push_back({kind, session, at, value, answer});
}

void Meter::queue(std::vector<Answer>& out, TimePoint at, QByteArray bytes, int extraMs) {
    out.push_back({at + delay_ + std::chrono::milliseconds(extraMs), std::move(bytes)});
}

} // namespace sim
