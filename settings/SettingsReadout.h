#pragma once

#include "core/Outcome.h"
#include "settings/SettingsForm.h"

#include <QLocale>

#include <optional>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

namespace settings {

constexpr int kReadProgressMaximum = 15;

struct ReadResult {
    SettingsForm form;                         // the tab after the reading
    std::optional<quint8> firmwareVersionByte; // when the version could be read
    bool dateRead = false; // the clock fields hold the meter's date and time, not a stand-in
    bool timeRead = false;
    core::Outcome outcome;
};

// "Читать" on the Settings tab, entered with the link open and the identity confirmed: reads
// the settings area and the clock into the form. `current` is the tab as it stands: the unit
// of the zero cutoff, and the radio buttons that a failed flags read leaves alone, come from
// it. Every field is tried; a failed one is emptied. Sets the final status.
ReadResult read(line::Protocol& protocol, core::Frontend& frontend, const SettingsForm& current,
                const QLocale& locale);

} // namespace settings
