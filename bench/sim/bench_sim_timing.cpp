// How closely the simulated meter's 9600-baud line emulation keeps the line's time: each
// exchange is timed from the request's write to the answer's last byte, over the pty, and
// compared with (request + answer bytes) x 1.0417 ms.

#include "sim/Sim.h"

#include "link/Crc8.h"
#include "link/SerialLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray request(quint8 command, quint8 p1, quint8 p2, const QByteArray& data = {}) {
    QByteArray f;
    f.append(char(command)).append(char(p1)).append(char(p2)).append(data);
    f.append(
        char(line::crc8(reinterpret_cast<const quint8*>(f.constData()), std::size_t(f.size()))));
    return f;
}

struct Case {
    const char* name;
    QByteArray frame;
    int answerLength;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = 50;
    for (bool line : {false, true}) {
        sim::Options o;
        o.servePipe = false;
        o.lineTiming = line;
        sim::Server server(o);
        if (!server.start()) {
            std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
            return 1;
        }
        auto link = line::SerialLink::open(server.ptyPath(), line::ReadTimeouts{0, 0, 1000});
        if (!link)
            return 1;
        const std::vector<Case> cases = {
            {"WriteSettingByte (4 + 1 bytes)", request(0x42, 0, 100), 1},
            {"ReadMemory 1 (4 + 3 bytes)", request(0x18, 0x10, 24), 3},
            {"ReadRecord (4 + 10 bytes)", request(0x5A, 0x0F, 0xA0), 10},
            {"WriteRecord (12 + 1 bytes)", request(0x66, 0x0F, 0xA0, QByteArray(8, '\0')), 1},
            {"ReadMemory 15 (4 + 17 bytes)", request(0x18, 0xF4, 0xC0), 17},
        };
        std::printf("%s\n", line ? "line timing (9600 baud)" : "no line timing");
        for (const Case& c : cases) {
            std::vector<double> ms;
            quint8 answer[32];
            for (int i = 0; i < rounds; ++i) {
                link->discardInput();
                QElapsedTimer clock;
                clock.start();
                link->write(reinterpret_cast<const quint8*>(c.frame.constData()),
                            int(c.frame.size()));
                const int got = link->read(answer, c.answerLength);
                ms.push_back(clock.nsecsElapsed() / 1e6);
                if (got != c.answerLength) {
                    std::fprintf(stderr, "short answer\n");
                    return 1;
                }
            }
            std::sort(ms.begin(), ms.end());
            const double ideal = (c.frame.size() + c.answerLength) * 1.0416667;
            if (line)
                std::printf("  %-32s median %6.3f ms  max %6.3f ms  line time %6.3f ms  "
                            "ratio %.4f\n",
                            c.name, ms[ms.size() / 2], ms.back(), ideal, ms[ms.size() / 2] / ideal);
            else
                std::printf("  %-32s median %6.3f ms  max %6.3f ms\n", c.name, ms[ms.size() / 2],
                            ms.back());
        }
    }
    return 0;
}
