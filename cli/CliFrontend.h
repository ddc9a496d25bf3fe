#pragma once

#include "core/Frontend.h"

#include <QTextStream>

// The terminal as the person's side of an action: the status is kept for the last output line,
// message boxes go to standard error as "Caption: text", questions are answered by --yes, by
// the person at a terminal, or No.
class CliFrontend : public Frontend {
public:
    explicit CliFrontend(bool answerYes) : answerYes_(answerYes) {}

    void setStatus(const QString& text) override { status_ = text; }
    QString status() const override { return status_; }
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void stepProgress() override {}
    void processEvents() override;
    // An empty answer takes the default button.
    bool askYesNo(const QString& caption, const QString& text,
                  DefaultButton defaultButton = DefaultButton::No) override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;

    static void printMessage(const QString& caption, const QString& text);

private:
    bool answerYes_;
    QString status_;
};
