#pragma once

#include <QString>
#include <QtGlobal>

namespace core {

// How a meter action talks to the person: the window implements it with its status bar,
// progress bar and message boxes, zetra-cli with the terminal. In message texts a carriage
// return breaks the line.
class Frontend {
public:
    virtual ~Frontend() = default;

    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
    // What stands behind the status just set, in the system's words (why a port did not
    // open); empty when nothing does. The status text itself stays as it is.
    virtual void setStatusReason(const QString& reason) { Q_UNUSED(reason); }

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    // One step forward; the bar stops at its maximum.
    virtual void stepProgress() = 0;
    // Lets the window handle what is pending (repaint, input) once.
    virtual void processEvents() = 0;

    // The time left is estimated from the bar's steps. An action whose bar restarts between
    // the phases of one job (firmware: the blocks, then the read-back) plans the whole job in
    // units of its own instead and says how many are done, until it ends the plan.
    virtual void planWork(qint64 totalUnits) { Q_UNUSED(totalUnits); }
    virtual void workDone(qint64 units) { Q_UNUSED(units); }
    virtual void endWork() {}

    // Caption "Внимание", question icon, Yes and No. Before anything that changes the meter
    // the default button is No, so that a stray Enter changes nothing.
    enum class DefaultButton { No, Yes };
    virtual bool askYesNo(const QString& caption, const QString& text,
                          DefaultButton defaultButton = DefaultButton::No) = 0;
    virtual void showInformation(const QString& caption, const QString& text) = 0;
    virtual void showError(const QString& caption, const QString& text) = 0;
};

} // namespace core
