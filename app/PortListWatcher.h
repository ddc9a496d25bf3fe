#pragma once

#include "link/PortList.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QComboBox;

// Keeps the port list in step with the PC's serial ports: it looks at them every
// kIntervalMilliseconds and when the list is about to open, and rewrites the list when a port
// came or went. The selection stays on the same port; "КВЗ-клиент" stays last. Nothing changes
// while an action runs (`paused` says so) or while the list is open, nor as long as the ports
// stay as they were at the last look (an entry put into the list by hand stays until then).
class PortListWatcher : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMilliseconds = 1500;

    PortListWatcher(QComboBox* list, std::function<bool()> paused, QObject* parent = nullptr);

    // Where the ports come from; the PC's serial ports unless a test gives its own.
    void setSource(line::port_list::PortSource source);

public slots:
    // One look at the ports now.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* list_;
    std::function<bool()> paused_;
    line::port_list::PortSource source_ = line::port_list::systemPorts;
    QStringList lastSeen_; // the list for the ports of the last look
    QTimer timer_;
};
