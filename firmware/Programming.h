#pragma once

#include "core/Session.h"
#include "firmware/FirmwareImage.h"
#include "link/Link.h"
#include "link/Protocol.h"

#include <QDate>

#include <functional>

// Reprograms the meter over a serial port: the programming-mode request, the probe and its
// acknowledgement, the stamped image in 120 blocks of 64 bytes, and the meter's read-back of its
// whole program memory compared byte for byte; the finish byte only after a full match.
namespace firmware::programming {

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
constexpr line::ReadTimeouts kEntryTimeouts{2, 2, 1};
// After it, every awaited byte (a block answer, a read-back byte) is awaited at most this
// long: far above a byte's 1.04 ms at 9600 baud, short enough that a meter that fell silent
// ends the run.
constexpr line::ReadTimeouts kTransferTimeouts{0, 0, 3000};

// The 4-byte programming-mode request: 7E FF FF and its CRC-8.
std::array<quint8, 4> request();

// Runs the whole procedure on the target's serial port (the pipe cannot carry it), stamping
// `today` into the image (the stamp stays in the image afterwards). Every write and read goes
// to the session's trace. Sets the final status; the port is closed and the progress bar at 0
// on every path.
core::Outcome run(core::Session& session, const line::LinkTarget& target, FirmwareImage& image,
                  const QDate& today);
// The same with the PC's calendar asked for the stamp once the question is answered Yes, so
// that a Yes after midnight stamps the new day.
core::Outcome run(core::Session& session, const line::LinkTarget& target, FirmwareImage& image,
                  const std::function<QDate()>& today);

} // namespace firmware::programming
