#pragma once

// The simulated meter: its memories with deterministic built-in contents, the six
// transactions, programming mode, optional 9600-baud timing and fault injection, served on a
// pseudo-terminal (what SerialLink opens) and on a Unix-domain socket (what PipeLink opens).
//
// In a test of another area:
//
//     sim::Options options;
//     options.contents.date = QDate(2015, 3, 15);       // the meter's frozen clock
//     options.contents.hour = 10;
//     options.faults.push_back(*sim::parseFault("late:60@1"));  // or sim::Fault::late(60, ...)
//     sim::Server meter(options);
//     QVERIFY2(meter.start(), qPrintable(meter.errorString()));
//     auto link = SerialLink::open(meter.ptyPath(), kConnectionTimeouts);   // or
//     auto pipe = PipeLink::open(meter.pipeName());
//     ... run the code under test on the link ...
//     meter.withMeter([](sim::Meter& m) { QCOMPARE(m.byte(sim::Space::Memory, 24), 0x10); });
//     QCOMPARE(meter.frames().size(), std::size_t(3));
//
// sim::Meter alone is the meter's state machine without threads or descriptors: feed it bytes
// with Meter::receive() and look at the answers and the memories directly.

#include "sim/Contents.h"
#include "sim/Faults.h"
#include "sim/Meter.h"
#include "sim/Server.h"
