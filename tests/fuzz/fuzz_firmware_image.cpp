// The firmware image loader on any file: it refuses or yields exactly the file's 7680 bytes.
#include "firmware/FirmwareImage.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    // Sizes near the image's are the interesting ones: pad short inputs up to it now and then.
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size > 0 && data[0] == 0xA5 && bytes.size() < firmware::FirmwareImage::kSize)
        bytes.append(
            QByteArray(firmware::FirmwareImage::kSize - bytes.size(), char(data[size - 1])));
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return 0;
    const firmware::ImageLoad load = firmware::loadFirmwareImage(file.fileName());
    if (load.image.has_value() == !load.error.isEmpty())
        std::abort();
    if (load.image) {
        if (bytes.size() != firmware::FirmwareImage::kSize ||
            std::memcmp(load.image->bytes.data(), bytes.constData(), std::size_t(bytes.size())))
            std::abort();
        (void)load.image->versionText();
        (void)load.image->creationDateText();
    }
    return 0;
}
