#pragma once

#include "firmware/FirmwareImage.h"
#include "link/Link.h"
#include "link/Protocol.h"

#include <QDate>

#include <functional>

class Frontend;
class LinkOpener;

// Reprograms the meter over a serial port: the programming-mode request, the probe and its
// acknowledgement, the stamped image in 120 blocks of 64 bytes, and the meter's read-back of its
// whole program memory compared byte for byte; the finish byte only after a full match.
namespace programming {

constexpr quint8 kRequestCommand = 0x7E;
constexpr quint8 kProbe = 0xFB;
constexpr quint8 kAcknowledge = 0xAA;
constexpr quint8 kStartOfImage = 0xFD;
constexpr quint8 kFinish = 0xF9;
constexpr int kBlockSize = 64;
constexpr int kBlocks = FirmwareImage::kSize / kBlockSize;
constexpr int kRequestPauseMs = 250;
constexpr int kProbePauseMs = 10;

// Until the acknowledgement a byte is awaited a few milliseconds.
constexpr ReadTimeouts kEntryTimeouts{2, 2, 1};
// After it, every awaited byte (a block answer, a read-back byte) is awaited at most this
// long: far above a byte's 1.04 ms at 9600 baud, short enough that a meter that fell silent
// ends the run.
constexpr ReadTimeouts kTransferTimeouts{0, 0, 3000};

// The 4-byte programming-mode request: 7E FF FF and its CRC-8.
std::array<quint8, 4> request();

struct Options {
    Protocol::TraceHook trace; // every write and read, as the transactions trace theirs
};

// Runs the whole procedure on the serial port of `portEntry`, stamping `today` into the
// image (the stamp stays in the image afterwards). Sets the final status; the port is closed
// and the progress bar at 0 on every path.
void run(Frontend& frontend, const LinkOpener& opener, const QString& portEntry,
         FirmwareImage& image, const QDate& today, const Options& options = {});
// The same with the PC's calendar asked for the stamp once the question is answered Yes.
void run(Frontend& frontend, const LinkOpener& opener, const QString& portEntry,
         FirmwareImage& image, const std::function<QDate()>& today, const Options& options = {});

} // namespace programming
