#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace firmware {

// The firmware image: the meter's whole program memory, 7680 bytes, sent as it is. Its last
// four bytes are the trailer: version major and minor, then the creation date as a device
// short date (day; month << 4 | year - 2007).
struct FirmwareImage {
    static constexpr int kSize = 7680;
    static constexpr int kVersionMajor = 7676;
    static constexpr int kVersionMinor = 7677;
    static constexpr int kDateDay = 7678;
    static constexpr int kDateMonthYear = 7679;

    std::array<quint8, kSize> bytes{};

    QString versionText() const;      // "1.16"
    QString creationDateText() const; // "05.03.2009г."
    QDate creationDate() const;       // invalid when the trailer holds no calendar date
    // Writes the programming date into the trailer's date bytes.
    void stampDate(const QDate& date);
};

struct ImageLoad {
    std::optional<FirmwareImage> image; // empty when the file was refused
    QString error;                      // the refusal, for an "Ошибка" message
};

// Reads an image file; anything but a readable file of exactly 7680 bytes is refused.
ImageLoad loadFirmwareImage(const QString& path);

} // namespace firmware
