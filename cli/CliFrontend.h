#pragma once

#include "cli/ProgressLine.h"
#include "core/Frontend.h"
#include "link/Cancel.h"

#include <QString>
#include <QTextStream>

#include <memory>
#include <vector>

namespace cli {

// The terminal as the person's side of an action: the status is kept for the last output line,
// message boxes go to standard error as "Caption: text", questions are answered by --yes, by
// the person at a terminal, or No. Every message box shown is also kept, in order, for the
// --json output; while `keepMessagesOnly` is set they are kept and not printed. SIGINT and
// SIGTERM are the cancel: they are seen here, each time pending work may run, and asked of the
// cancel token.
class CliFrontend : public core::Frontend {
public:
    struct Message {
        QString caption;
        QString text; // carriage returns as the box has them
    };

    explicit CliFrontend(bool answerYes);
    ~CliFrontend() override;
    CliFrontend(const CliFrontend&) = delete;
    CliFrontend& operator=(const CliFrontend&) = delete;

    void setStatus(const QString& text) override { status_ = text; }
    QString status() const override { return status_; }
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void stepProgress() override;
    void processEvents() override;
    void planWork(qint64 totalUnits) override;
    void workDone(qint64 units) override;
    void endWork() override;

    void setProgressLine(std::unique_ptr<ProgressLine> line) { progress_ = std::move(line); }
    ProgressLine* progressLine() const { return progress_.get(); }
    void setCancelToken(line::CancelToken* token) { cancel_ = token; }
    // Turns the signals that came into requests to stop; says on standard error when the
    // running phase holds the request back or cannot stop.
    void takeSignals();
    // An empty answer takes the default button.
    bool askYesNo(const QString& caption, const QString& text,
                  DefaultButton defaultButton = DefaultButton::No) override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;

    void setKeepMessagesOnly(bool keepOnly) { keepOnly_ = keepOnly; }
    // --quiet: information boxes and the notes on a stop held back stay off standard error;
    // errors and questions are still written.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    const std::vector<Message>& messages() const { return messages_; }

    // A message box of a command that has no frontend at hand: shown through the run's
    // frontend when there is one, else on standard error.
    static void printMessage(const QString& caption, const QString& text);

private:
    void show(const QString& caption, const QString& text, bool essential);

    bool answerYes_;
    bool keepOnly_ = false;
    bool quiet_ = false;
    QString status_;
    std::vector<Message> messages_;
    std::unique_ptr<ProgressLine> progress_;
    line::CancelToken* cancel_ = nullptr;
};

} // namespace cli
