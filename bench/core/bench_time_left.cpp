// The time-left estimate against the truth on a 9600-baud simulated meter: for the daily
// readout of 731 days, the minute readout of 7200 minutes and a firmware programming run, the
// estimate at 10 % of the work compared with the time the rest of the work really took.
// Goal: within ±5 %.
//
//     build/bin/bench_time_left

#include "actions/Connection.h"
#include "archive/ArchiveReadout.h"
#include "core/Frontend.h"
#include "core/Session.h"
#include "core/TimeLeft.h"
#include "device/DeviceDates.h"
#include "firmware/Programming.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

namespace {

const QDate kToday(2015, 3, 15);

// Follows the progress as the window does, and notes the estimate when a tenth of the work of
// the last piece (the readout loop, or the planned firmware job) is done, and when its last
// unit was done.
class MeasuringFrontend : public core::Frontend {
public:
    MeasuringFrontend() { clock_.start(); }

    void setStatus(const QString& text) override { status_ = text; }
    QString status() const override { return status_; }
    void setProgressMaximum(int maximum) override {
        follower_.setMaximum(maximum);
        // Each maximum starts a piece of work; the last one is the readout's loop.
        if (!planned_) {
            watchedTotal_ = maximum;
            noted_ = false;
        }
    }
    void setProgressPosition(int position) override {
        follower_.setPosition(position);
        if (!planned_)
            note(position, follower_.maximum());
    }
    void stepProgress() override { setProgressPosition(follower_.position() + 1); }
    void processEvents() override {}
    void planWork(qint64 totalUnits) override {
        planned_ = true;
        watchedTotal_ = totalUnits;
        noted_ = false;
        follower_.planWork(totalUnits);
    }
    void workDone(qint64 units) override {
        follower_.workDone(units);
        note(units, watchedTotal_);
    }
    void endWork() override { follower_.endPlan(); }
    bool askYesNo(const QString&, const QString&, DefaultButton) override { return true; }
    void showInformation(const QString&, const QString&) override {}
    void showError(const QString&, const QString& text) override { status_ = text; }

    double estimateMs = -1; // at a tenth of the work
    double trueMs = -1;     // from then to the last unit

private:
    void note(qint64 done, qint64 total) {
        if (total != watchedTotal_ || total <= 0)
            return;
        const qint64 now = clock_.elapsed();
        if (!noted_ && done * 10 >= total) {
            noted_ = true;
            notedAt_ = now;
            const auto left = follower_.estimate().remainingMs();
            estimateMs = left ? double(*left) : -1;
        }
        if (noted_ && done >= total)
            trueMs = double(now - notedAt_);
    }

    QElapsedTimer clock_;
    QString status_;
    core::ProgressFollower follower_;
    bool planned_ = false;
    qint64 watchedTotal_ = 0;
    bool noted_ = false;
    qint64 notedAt_ = 0;
};

void report(const char* what, const MeasuringFrontend& f) {
    const double error = (f.estimateMs - f.trueMs) / f.trueMs * 100;
    std::printf("  %-36s estimate %7.0f ms, truth %7.0f ms, error %+6.2f %%  %s   [%s]\n", what,
                f.estimateMs, f.trueMs, error, std::fabs(error) <= 5 ? "within 5 %" : "OUTSIDE",
                qPrintable(f.status()));
}

void readout(sim::Server& meter, archive::Kind kind, archive::Interval interval, const char* what) {
    MeasuringFrontend frontend;
    core::Session session(frontend);
    archive::Archives archives;
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    actions::Connection(session).run(line::LinkTarget::serialPort(meter.ptyPath() + " "), [&] {
        return archive::readArchive(session.protocol(), frontend, kind, interval, archives, locale)
            .outcome;
    });
    report(what, frontend);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    sim::Options options;
    options.lineTiming = true;
    options.contents.date = kToday;
    options.contents.hour = 23;
    options.contents.minute = 59;
    sim::Server meter(options);
    if (!meter.start()) {
        std::fprintf(stderr, "simulated meter: %s\n", qPrintable(meter.errorString()));
        return 1;
    }
    const int today = device::dayNumberFromDate(kToday);
    std::printf("Time left at 10 %% of the work against the real remaining time, 9600-baud "
                "simulated meter, pty\n");
    readout(meter, archive::Kind::Daily, {today - 730, today}, "daily readout, 731 days");
    readout(meter, archive::Kind::Minute, {today - 4, today}, "minute readout, 7200 minutes");

    MeasuringFrontend frontend;
    core::Session session(frontend);
    firmware::FirmwareImage image;
    for (int i = 0; i < firmware::FirmwareImage::kSize; ++i)
        image.bytes[std::size_t(i)] = quint8(i);
    firmware::programming::run(session,
                               line::LinkTarget::serialPort(meter.ptyPath() + QStringLiteral(" ")),
                               image, QDate::currentDate());
    report("firmware programming", frontend);
    return 0;
}
