// A full programming run against the simulated meter with 9600-baud line emulation, as a ratio
// of the measured time to the line-time limit of the image going out and coming back.
//
//     build/bin/bench_programming

#include "bench/support/QuietFrontend.h"
#include "core/Frontend.h"
#include "firmware/Programming.h"
#include "link/LinkOpener.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {
constexpr double kByteMs = 10.0 / 9600 * 1000;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    sim::Options options;
    options.lineTiming = true;
    sim::Server meter(options);
    if (!meter.start()) {
        std::fprintf(stderr, "simulated meter: %s\n", qPrintable(meter.errorString()));
        return 1;
    }
    firmware::FirmwareImage image;
    for (int i = 0; i < firmware::FirmwareImage::kSize; ++i)
        image.bytes[std::size_t(i)] = quint8(i);
    QuietFrontend frontend;
    core::Session session(frontend);
    QElapsedTimer clock;
    clock.start();
    firmware::programming::run(session,
                               line::LinkTarget::serialPort(meter.ptyPath() + QStringLiteral(" ")),
                               image, QDate::currentDate());
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    const double lineMs = 2.0 * firmware::FirmwareImage::kSize * kByteMs;
    const double fixedMs =
        firmware::programming::kRequestPauseMs + firmware::programming::kProbePauseMs;
    std::printf("status: %s\n", frontend.status().toUtf8().constData());
    std::printf("programming run: %.0f ms; line-time limit of 7680 bytes each way: %.0f ms; "
                "ratio %.4f\n",
                ms, lineMs, ms / lineMs);
    std::printf("without the fixed %.0f ms of entry pauses: ratio %.4f\n", fixedMs,
                (ms - fixedMs) / lineMs);
    return frontend.status().startsWith(QStringLiteral("Завершено успешно")) ? 0 : 1;
}
