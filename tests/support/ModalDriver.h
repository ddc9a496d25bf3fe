#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal windows an action opens, as a person would: each helper watches for the
// next modal window of its kind and handles it once, however long the action takes to show it.
namespace modal {

// Calls `handle` with the next modal widget of type T (once), polling every few milliseconds.
template <class T>
void onNext(std::function<void(T&)> handle, const QString& objectName = QString()) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, handle, objectName] {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible() || (!objectName.isEmpty() && w->objectName() != objectName))
            return;
        poll->stop();
        poll->deleteLater();
        handle(*w);
    });
    poll->start();
}

// The next message box: its caption and text go to `seen` (when given), then `button` is pressed.
inline void answerBox(QMessageBox::StandardButton button, QString* seen = nullptr) {
    onNext<QMessageBox>([button, seen](QMessageBox& box) {
        if (seen)
            *seen = box.windowTitle() + QStringLiteral(": ") + box.text();
        box.button(button)->click();
    });
}

// The next file dialog named `objectName`: `path` is typed in and accepted, as pressing its
// Open or Save button.
inline void chooseFile(const QString& objectName, const QString& path) {
    onNext<QFileDialog>(
        [path](QFileDialog& dialog) {
            dialog.selectFile(path);
            // Typed into the name field, as the person does; the dialog's list may not know
            // a file that was made a moment ago.
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog&>(dialog).accept();
        },
        objectName);
}

} // namespace modal
