// The port list as it follows the PC's serial ports: the entries made of the ports, and where
// the selection goes when ports come and go.

#include "link/PortList.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<line::port_list::Port>)

namespace {
// A list as the window shows it: the device entries in their order, then the pipe.
QStringList listOf(QStringList devices) {
    devices.append(line::port_list::pipeEntry());
    return devices;
}
} // namespace

class PortListTest : public QObject {
    Q_OBJECT

private slots:
    void entriesOfThePorts_data() {
        QTest::addColumn<QList<line::port_list::Port>>("ports");
        QTest::addColumn<QStringList>("entries");
        using P = line::port_list::Port;
        QTest::newRow("none: the pipe alone") << QList<P>{} << listOf({});
        QTest::newRow("described")
            << QList<P>{{"ttyUSB0", "FT232R USB UART"}} << listOf({"ttyUSB0 FT232R USB UART "});
        QTest::newRow("no description") << QList<P>{{"ttyS0", ""}} << listOf({"ttyS0 "});
        QTest::newRow("alphabetical, not numeric")
            << QList<P>{{"COM2", "Port"}, {"COM10", "Port"}, {"COM1", "Port"}}
            << listOf({"COM1 Port ", "COM10 Port ", "COM2 Port "});
        QTest::newRow("case-insensitive")
            << QList<P>{{"ttyUSB0", ""}, {"TTYACM0", ""}} << listOf({"TTYACM0 ", "ttyUSB0 "});
    }
    void entriesOfThePorts() {
        QFETCH(QList<line::port_list::Port>, ports);
        QFETCH(QStringList, entries);
        QCOMPARE(line::port_list::fromPorts(ports), entries);
    }

    void selectionFollowsItsPort_data() {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("now");
        QTest::addColumn<int>("selectedNow");
        QTest::newRow("a port comes before the selected one")
            << listOf({"ttyS0 ", "ttyS1 "}) << 1 << listOf({"ttyACM0 ", "ttyS0 ", "ttyS1 "}) << 2;
        QTest::newRow("a port comes after the selected one")
            << listOf({"ttyS0 ", "ttyS1 "}) << 0 << listOf({"ttyS0 ", "ttyS1 ", "ttyUSB0 "}) << 0;
        QTest::newRow("a port before the selected one goes")
            << listOf({"ttyACM0 ", "ttyS0 ", "ttyUSB0 "}) << 2 << listOf({"ttyS0 ", "ttyUSB0 "})
            << 1;
        QTest::newRow("the selected port goes: first entry")
            << listOf({"ttyS0 ", "ttyUSB0 "}) << 1 << listOf({"ttyS0 ", "ttyS1 "}) << 0;
        QTest::newRow("the pipe stays selected as ports come")
            << listOf({"ttyS0 "}) << 1 << listOf({"ttyS0 ", "ttyS1 ", "ttyUSB0 "}) << 3;
        QTest::newRow("the pipe stays selected as ports go")
            << listOf({"ttyS0 ", "ttyUSB0 "}) << 2 << listOf({}) << 0;
        QTest::newRow("same port, new description")
            << listOf({"ttyUSB0 FT232R USB UART "}) << 0
            << listOf({"ttyACM0 Modem ", "ttyUSB0 USB Serial "}) << 1;
        QTest::newRow("a port named like the start of another is another port")
            << listOf({"ttyS1 ", "ttyS10 "}) << 1 << listOf({"ttyS0 ", "ttyS1 "}) << 0;
        QTest::newRow("nothing selected: first entry")
            << listOf({"ttyS0 "}) << -1 << listOf({"ttyACM0 ", "ttyS0 "}) << 0;
        QTest::newRow("selection past the end: first entry")
            << listOf({"ttyS0 "}) << 5 << listOf({"ttyACM0 ", "ttyS0 "}) << 0;
    }
    void selectionFollowsItsPort() {
        QFETCH(QStringList, shown);
        QFETCH(int, selected);
        QFETCH(QStringList, now);
        QFETCH(int, selectedNow);
        const line::port_list::Refreshed r = line::port_list::refresh(shown, selected, now);
        QCOMPARE(r.entries, now);
        QCOMPARE(r.selected, selectedNow);
        QCOMPARE(r.entries.last(), line::port_list::pipeEntry());
    }
};

QTEST_GUILESS_MAIN(PortListTest)
#include "test_port_list.moc"
