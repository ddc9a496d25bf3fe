#include "app/PortListWatcher.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

PortListWatcher::PortListWatcher(QComboBox* list, std::function<bool()> paused, QObject* parent)
    : QObject(parent), list_(list), paused_(std::move(paused)) {
    setObjectName(QStringLiteral("PortListWatcher"));
    for (int i = 0; i < list_->count(); ++i)
        lastSeen_.append(list_->itemText(i));
    list_->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, &PortListWatcher::refresh);
    timer_.start(kIntervalMilliseconds);
}

void PortListWatcher::setSource(line::port_list::PortSource source) {
    source_ = source ? std::move(source) : line::port_list::systemPorts;
}

void PortListWatcher::refresh() {
    if ((paused_ && paused_()) || list_->view()->isVisible())
        return;
    const QStringList ports = line::port_list::fromPorts(source_());
    if (ports == lastSeen_)
        return;
    lastSeen_ = ports;
    QStringList shown;
    for (int i = 0; i < list_->count(); ++i)
        shown.append(list_->itemText(i));
    const line::port_list::Refreshed now =
        line::port_list::refresh(shown, list_->currentIndex(), ports);
    {
        // The list is rewritten in one go; only the final selection is announced.
        const QSignalBlocker blocker(list_);
        list_->clear();
        list_->addItems(now.entries);
    }
    list_->setCurrentIndex(now.selected);
}

bool PortListWatcher::eventFilter(QObject* watched, QEvent* event) {
    // Opening the list shows the ports as they are at that moment.
    if (watched == list_) {
        if (event->type() == QEvent::MouseButtonPress)
            refresh();
        else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F4 ||
                (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier)))
                refresh();
        }
    }
    return QObject::eventFilter(watched, event);
}
