#include "settings/SettingsReadout.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsImage.h"

namespace settings {

ReadResult read(line::Protocol& p, core::Frontend& frontend, const SettingsForm& current,
                const QLocale& locale) {
    frontend.setStatus(core::texts::transferringParameters());
    frontend.processEvents();
    frontend.setProgressMaximum(kReadProgressMaximum);
    p.clearFlags();

    ReadResult result;
    result.form = current;
    SettingsForm& f = result.form;

    const bool versionKnown = p.ReadMemory(device::memory::kFirmwareVersion, 2);
    const quint8 version = p.at(1);
    if (versionKnown)
        result.firmwareVersionByte = version;

    // Field by field, each its own transaction in the meter's order; a field whose read fails
    // stays unknown and shows empty. A and C are read at their places below version 6.
    SettingsImage image;
    for (const FieldId id :
         {FieldId::Diameter, FieldId::Base, FieldId::Angle, FieldId::CableLength,
          FieldId::ZeroCutoff, FieldId::PulseWeight, FieldId::K, FieldId::A, FieldId::B, FieldId::C,
          FieldId::ZeroOffset, FieldId::Insertion, FieldId::WindowOffset}) {
        const FieldRange r = fieldRange(id, 0);
        if (p.ReadSettingBytes(quint8(r.address), quint8(r.count)))
            image.put(r.address, p.buffer() + 1, r.count);
    }
    f = formFromImage(image, versionKnown ? std::optional<quint8>(version) : std::nullopt, f,
                      locale);

    result.dateRead = p.ReadMemory(device::memory::kDate, 2);
    f.date = result.dateRead ? device::dateFromDeviceDay(int(p.dataLE(1, 2)))
                             : device::dateFromDeviceDay(0);
    result.timeRead = p.ReadMemory(device::memory::kClock, 2);
    f.time = result.timeRead ? device::formatClock(p.at(1), p.at(2)) : device::formatClock(0, 0);

    result.outcome = core::finish(frontend, core::Outcome::fromFlags(p));
    return result;
}

} // namespace settings
