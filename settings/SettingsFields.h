#pragma once

// The Settings tab's fields, one name for each wherever a field is meant: the write's checks and
// their messages, the meter's bytes, the comparison and the read-back, the settings file.
namespace settings {

// The settings that a comparison and the read-back check go through, in the settings file's
// order, then the fields the write derives, then the stamps of the write.
enum class FieldId {
    Insertion,
    Sensors,
    Medium,
    Period,
    Diameter,
    Base,
    Angle,
    CableLength,
    K,
    A,
    B,
    C,
    ZeroCutoff,
    PulseWeight,
    ZeroOffset,
    WindowOffset,
    // Derived by the write, never shown by "Читать".
    WindowStart,
    PathDelay,
    DelayConstant,
    CrossSection,
    PathCoefficient,
    // The stamps of the last write.
    DateStamp,
    HourStamp,
};

} // namespace settings
