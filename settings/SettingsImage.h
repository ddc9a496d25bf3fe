#pragma once

#include "settings/SettingsFields.h"
#include "settings/SettingsForm.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

namespace line {
class Protocol;
}

namespace settings {

// One setting whose value in the meter is not the one wanted: its label (the settings file's,
// with its colon, or a name of its own), the meter's value as "Читать" shows it (empty when it
// could not be read) and the wanted value (the form's text, or what the write sent).
struct FieldDifference {
    QString label;
    QString meter;
    QString intended;

    bool operator==(const FieldDifference& o) const {
        return label == o.label && meter == o.meter && intended == o.intended;
    }
};

// The bytes of the settings area 0..69 as far as they are known: read from the meter, or
// worked out from a form. A byte that could not be read (or a field whose text is not a
// number) is not known.
struct SettingsImage {
    static constexpr int kSize = 70;
    std::array<quint8, kSize> bytes{};
    std::array<bool, kSize> known{};

    void put(int address, const quint8* data, int count);
    bool allKnown(int address, int count) const;
    bool equal(const SettingsImage& other, int address, int count, quint8 mask = 0xFF) const;
};

// Reads the addresses first..last into `image` with ReadSettingBytes, at most a frame's worth
// a transaction. Returns how many transactions failed.
int readSettingsArea(line::Protocol& protocol, int first, int last, SettingsImage& image);
// The transactions that readSettingsArea makes for first..last.
int settingsAreaReads(int first, int last);

// The settings area 13..69 as the meter store keeps it: 57 bytes, or null when one is unknown.
constexpr int kStoredAreaFirst = 13;
constexpr int kStoredAreaLast = 69;
QByteArray storedArea(const SettingsImage& image);

// What a write of `form` would put into 16..69, field by field through encodeField: a field
// whose text is not a number, or does not fit, stays unknown, so that the others can still be
// compared.
SettingsImage intendedImage(const SettingsForm& form, const QLocale& locale, quint8 versionByte);

// The tab as "Читать" would fill it from these bytes. `current` gives the unit of the zero
// cutoff and the selections that an unknown flags byte leaves alone; fields whose bytes are
// unknown are empty. With the version unknown, A and C are empty.
SettingsForm formFromImage(const SettingsImage& image, std::optional<quint8> versionByte,
                           const SettingsForm& current, const QLocale& locale);

struct FieldRange {
    int address = 0;
    int count = 0;
    quint8 mask = 0xFF; // for the flags byte: the bits of the field
};

// Where a field lives for a firmware version (A and C trade places from version 6 on).
FieldRange fieldRange(FieldId id, quint8 versionByte);
// The bytes a field of the written block holds for `form`: the one encoding of every value that
// the write sends and that the dry run and the comparison expect. Empty when the field's text
// is not a number or its value does not fit the field. The flags byte is Insertion's (Sensors,
// Medium and Period share it).
struct FieldBytes {
    std::array<quint8, 4> bytes{};
    int count = 0;
};
std::optional<FieldBytes> encodeField(FieldId id, const SettingsForm& form, const QLocale& locale);
// The fields that make up the written block 16..69, in the order the write checks that each
// value fits.
const std::vector<FieldId>& blockFields();

// The settings file's label (with its colon), or a name of its own for the others.
QString fieldLabel(FieldId id);
// The fields typed in as text (Diameter to ZeroOffset), each with its member of the form and the
// settings file's line that holds its value.
const std::vector<FieldId>& typedFields();
QString SettingsForm::*typedText(FieldId id);
int fileValueLine(FieldId id);
// The object name of the Settings tab's field that holds a typed text.
const char* tabWidget(FieldId id);
// The write's own rule for a typed value (the zero offset may be any number), and why a value
// that passed the checks still cannot be written: its field cannot hold it.
bool ruleHolds(FieldId id, long double value);
QString doesNotFit(FieldId id);
// The fields a derived field is worked out from; empty for the others.
std::vector<FieldId> derivedFrom(FieldId id);
bool isDerived(FieldId id);
std::vector<FieldId> comparedFields(); // the file's fields and the derived ones
std::vector<FieldId> writtenFields();  // those and the stamps

// A field as the tab (or the settings file) shows it: `shown` is the form "Читать" filled
// from `image`; the derived fields and the stamps come from the image itself.
QString fieldText(FieldId id, const SettingsForm& shown, const SettingsImage& image,
                  quint8 versionByte, const QLocale& locale);

} // namespace settings
