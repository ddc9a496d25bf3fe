#include "spreadsheet/CompoundFile.h"

#include <QtEndian>

#include <cstring>

namespace spreadsheet {

namespace {
constexpr int kSectorSize = 512;
constexpr quint32 kIdsPerSector = kSectorSize / 4;
constexpr quint32 kHeaderDifatEntries = 109;
constexpr quint32 kDifatEntriesPerSector = kIdsPerSector - 1; // the last one links onward
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kNoStream = 0xFFFFFFFF;

void put16(QByteArray& file, qsizetype at, quint16 v) { qToLittleEndian(v, file.data() + at); }
void put32(QByteArray& file, qsizetype at, quint32 v) { qToLittleEndian(v, file.data() + at); }
qsizetype sectorOffset(quint32 sector) { return qsizetype(sector + 1) * kSectorSize; }

quint32 difatSectorsFor(quint32 fatSectors) {
    return fatSectors <= kHeaderDifatEntries
               ? 0
               : (fatSectors - kHeaderDifatEntries + kDifatEntriesPerSector - 1) /
                     kDifatEntriesPerSector;
}

void putDirectoryEntry(QByteArray& file, qsizetype at, const QString& name, quint8 type,
                       quint32 child, quint32 start, quint32 size) {
    const QString shortName = name.left(31);
    for (qsizetype i = 0; i < shortName.size(); ++i)
        put16(file, at + 2 * i, shortName[i].unicode());
    put16(file, at + 64, quint16((shortName.size() + 1) * 2)); // bytes, with the final NUL
    file[at + 66] = char(type);
    file[at + 67] = 1; // black: a lone entry is a whole red-black tree
    put32(file, at + 68, kNoStream);
    put32(file, at + 72, kNoStream);
    put32(file, at + 76, child);
    put32(file, at + 116, start);
    put32(file, at + 120, size);
}
} // namespace

QByteArray compoundFileWithStream(const QString& streamName, const QByteArray& stream) {
    const quint32 streamSize = quint32(std::max<qsizetype>(stream.size(), kMinimumStreamSize));
    const quint32 streamSectors = (streamSize + kSectorSize - 1) / kSectorSize;

    // The table must list every sector, its own included.
    quint32 fatSectors = 1;
    while (kIdsPerSector * fatSectors <
           fatSectors + difatSectorsFor(fatSectors) + 1 + streamSectors)
        ++fatSectors;
    const quint32 difatSectors = difatSectorsFor(fatSectors);
    const quint32 firstDifat = fatSectors;
    const quint32 directory = fatSectors + difatSectors;
    const quint32 firstStream = directory + 1;
    const quint32 sectors = firstStream + streamSectors;

    QByteArray file(sectorOffset(sectors), '\0');

    // Header.
    static const unsigned char signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(file.data(), signature, sizeof signature);
    put16(file, 0x18, 0x003E); // minor version
    put16(file, 0x1A, 0x0003); // major version
    put16(file, 0x1C, 0xFFFE); // little-endian
    put16(file, 0x1E, 9);      // 512-byte sectors
    put16(file, 0x20, 6);      // 64-byte mini sectors
    put32(file, 0x2C, fatSectors);
    put32(file, 0x30, directory);
    put32(file, 0x38, kMinimumStreamSize); // mini stream cutoff
    put32(file, 0x3C, kEndOfChain);        // no mini FAT
    put32(file, 0x44, difatSectors ? firstDifat : kEndOfChain);
    put32(file, 0x48, difatSectors);

    // Where the FAT sectors are: the header's 109 slots, then the DIFAT sectors.
    for (quint32 i = 0; i < kHeaderDifatEntries; ++i)
        put32(file, 0x4C + 4 * i, i < fatSectors ? i : kFreeSector);
    for (quint32 d = 0; d < difatSectors; ++d) {
        const qsizetype at = sectorOffset(firstDifat + d);
        for (quint32 k = 0; k < kDifatEntriesPerSector; ++k) {
            const quint32 fat = kHeaderDifatEntries + d * kDifatEntriesPerSector + k;
            put32(file, at + 4 * k, fat < fatSectors ? fat : kFreeSector);
        }
        put32(file, at + 4 * kDifatEntriesPerSector,
              d + 1 < difatSectors ? firstDifat + d + 1 : kEndOfChain);
    }

    // The allocation table itself.
    auto setFat = [&](quint32 sector, quint32 next) {
        put32(file, sectorOffset(sector / kIdsPerSector) + 4 * (sector % kIdsPerSector), next);
    };
    for (quint32 s = sectors; s < fatSectors * kIdsPerSector; ++s)
        setFat(s, kFreeSector);
    for (quint32 s = 0; s < fatSectors; ++s)
        setFat(s, kFatSector);
    for (quint32 s = firstDifat; s < directory; ++s)
        setFat(s, kDifatSector);
    setFat(directory, kEndOfChain);
    for (quint32 s = firstStream; s < sectors; ++s)
        setFat(s, s + 1 < sectors ? s + 1 : kEndOfChain);

    // Directory: the root storage, the stream, two unused slots.
    const qsizetype dir = sectorOffset(directory);
    putDirectoryEntry(file, dir, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    putDirectoryEntry(file, dir + 128, streamName, 2, kNoStream, firstStream, streamSize);
    for (int unused = 2; unused < 4; ++unused) {
        const qsizetype at = dir + 128 * unused;
        put32(file, at + 68, kNoStream);
        put32(file, at + 72, kNoStream);
        put32(file, at + 76, kNoStream);
    }

    std::memcpy(file.data() + sectorOffset(firstStream), stream.constData(), stream.size());
    return file;
}

} // namespace spreadsheet
