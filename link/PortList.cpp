#include "link/PortList.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

#include <algorithm>

namespace line {

namespace port_list {

QString pipeEntry() { return QCoreApplication::translate("PortList", "КВЗ-клиент"); }

QString entryFromFriendlyName(const QString& name) {
    const auto open = name.indexOf(QLatin1Char('('));
    const auto close = name.indexOf(QLatin1Char(')'));
    if (open < 0)
        return QLatin1Char(' ') + name;
    const QString inside = close > open ? name.mid(open + 1, close - open - 1) : name.mid(open + 1);
    return inside + QLatin1Char(' ') + name.left(open);
}

QString friendlyName(const QString& portName, const QString& description) {
    const QString prefix = description.isEmpty() ? QString() : description + QLatin1Char(' ');
    return prefix + QLatin1Char('(') + portName + QLatin1Char(')');
}

QStringList build(const QStringList& deviceEntries) {
    QStringList list = deviceEntries;
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list.append(pipeEntry());
    return list;
}

QList<Port> systemPorts() {
    QList<Port> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.description()});
    return ports;
}

QStringList fromPorts(const QList<Port>& ports) {
    QStringList entries;
    for (const Port& port : ports)
        entries.append(entryFromFriendlyName(friendlyName(port.name, port.description)));
    return build(entries);
}

QStringList present() { return fromPorts(systemPorts()); }

Refreshed refresh(const QStringList& shown, int selected, const QStringList& now) {
    Refreshed result{now, 0};
    if (selected < 0 || selected >= shown.size())
        return result;
    const QString& entry = shown[selected];
    // The pipe entry is the last one of either list.
    if (selected == shown.size() - 1) {
        result.selected = int(now.size()) - 1;
        return result;
    }
    if (const auto same = now.indexOf(entry); same >= 0 && same < now.size() - 1) {
        result.selected = int(same);
        return result;
    }
    const QString port = portNameOfEntry(entry);
    if (port.trimmed().isEmpty())
        return result;
    for (int i = 0; i + 1 < now.size(); ++i) {
        if (portNameOfEntry(now[i]) == port) {
            result.selected = i;
            break;
        }
    }
    return result;
}

QString portNameOfEntry(const QString& entry) {
    const auto blank = entry.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : entry.left(blank + 1);
}

LinkTarget targetOfEntry(const QString& entry, bool isPipeEntry, const QString& pipeName) {
    return isPipeEntry ? LinkTarget::pipe(pipeName)
                       : LinkTarget::serialPort(portNameOfEntry(entry));
}

} // namespace port_list

} // namespace line
