#pragma once

#include "core/Frontend.h"

// The person's side of an action in a benchmark: nothing is shown, questions get a fixed
// answer, and the last status (or error) is kept for the figures' line.
class QuietFrontend : public core::Frontend {
public:
    explicit QuietFrontend(bool answer = true) : answer_(answer) {}

    void setStatus(const QString& text) override { status_ = text; }
    QString status() const override { return status_; }
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void stepProgress() override {}
    void processEvents() override {}
    bool askYesNo(const QString&, const QString&, DefaultButton) override { return answer_; }
    void showInformation(const QString&, const QString&) override {}
    void showError(const QString&, const QString& text) override { status_ = text; }

private:
    bool answer_;
    QString status_;
};
