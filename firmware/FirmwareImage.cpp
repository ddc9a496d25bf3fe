#include "firmware/FirmwareImage.h"

#include "device/DeviceDates.h"
#include "firmware/FirmwareTexts.h"

#include <QFile>
#include <QFileInfo>

namespace firmware {

QString FirmwareImage::versionText() const {
    return QString::number(bytes[kVersionMajor]) + QLatin1Char('.') +
           QString::number(bytes[kVersionMinor]);
}

QString FirmwareImage::creationDateText() const {
    return device::formatDeviceShortDate(bytes[kDateDay], bytes[kDateMonthYear]);
}

QDate FirmwareImage::creationDate() const {
    return device::dateFromDeviceShortDate(bytes[kDateDay], bytes[kDateMonthYear]);
}

void FirmwareImage::stampDate(const QDate& date) {
    bytes[kDateDay] = quint8(date.day());
    bytes[kDateMonthYear] = device::deviceShortDateMonthYear(date.month(), date.year());
}

ImageLoad loadFirmwareImage(const QString& path) {
    ImageLoad result;
    // Only a regular file of an image's size is opened: a device or a pipe could block or
    // never end, and any other size is not an image.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.error = texts::cannotReadImage(path, texts::notARegularFile());
        return result;
    }
    if (info.isFile() && info.size() != FirmwareImage::kSize) {
        result.error = texts::wrongImageSize(path, info.size());
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = texts::cannotReadImage(path, file.errorString());
        return result;
    }
    // One byte more than an image holds tells a longer file from an image.
    const QByteArray data = file.read(FirmwareImage::kSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = texts::cannotReadImage(path, file.errorString());
        return result;
    }
    if (data.size() != FirmwareImage::kSize || !file.atEnd()) {
        result.error = texts::wrongImageSize(path, file.size());
        return result;
    }
    FirmwareImage image;
    std::copy(data.begin(), data.end(), image.bytes.begin());
    result.image = image;
    return result;
}

} // namespace firmware
