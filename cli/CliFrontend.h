#pragma once

#include "cli/ProgressLine.h"
#include "core/Frontend.h"
#include "link/Cancel.h"

#include <QTextStream>

#include <memory>

// The terminal as the person's side of an action: the status is kept for the last output line,
// message boxes go to standard error as "Caption: text", questions are answered by --yes, by
// the person at a terminal, or No. SIGINT and SIGTERM are the cancel: they are seen here, each
// time pending work may run, and asked of the cancel token.
class CliFrontend : public Frontend {
public:
    explicit CliFrontend(bool answerYes) : answerYes_(answerYes) {}

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
    void setCancelToken(CancelToken* token) { cancel_ = token; }
    // Turns the signals that came into requests to stop; says on standard error when the
    // running phase holds the request back or cannot stop.
    void takeSignals();
    bool askYesNo(const QString& caption, const QString& text) override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;

    static void printMessage(const QString& caption, const QString& text);

private:
    bool answerYes_;
    QString status_;
    std::unique_ptr<ProgressLine> progress_;
    CancelToken* cancel_ = nullptr;
};
