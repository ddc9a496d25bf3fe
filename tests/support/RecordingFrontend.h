#pragma once

#include "core/Frontend.h"

#include <QStringList>

#include <algorithm>

// A frontend that remembers what an action showed: every status text, the progress bar, the
// message boxes. Questions get the answer the test chose.
class RecordingFrontend : public core::Frontend {
public:
    void setStatus(const QString& text) override {
        status_ = text;
        statuses.append(text);
    }
    QString status() const override { return status_; }
    void setProgressMaximum(int maximum) override {
        progressMaximum = maximum;
        maxima.append(maximum);
    }
    void setProgressPosition(int position) override {
        progressPosition = std::clamp(position, 0, std::max(progressMaximum, 0));
    }
    void stepProgress() override { setProgressPosition(progressPosition + 1); }
    void processEvents() override { ++eventRounds; }
    bool askYesNo(const QString& caption, const QString& text,
                  DefaultButton defaultButton = DefaultButton::No) override {
        questions.append(caption + QStringLiteral(": ") + text);
        defaults.append(defaultButton);
        return answer;
    }
    void showInformation(const QString& caption, const QString& text) override {
        messages.append(caption + QStringLiteral(": ") + text);
    }
    void showError(const QString& caption, const QString& text) override {
        messages.append(caption + QStringLiteral(": ") + text);
    }

    bool answer = true;
    QStringList statuses;
    QStringList questions;
    QList<DefaultButton> defaults;
    QStringList messages;
    QList<int> maxima;
    int progressMaximum = 0;
    int progressPosition = 0;
    int eventRounds = 0;

private:
    QString status_;
};
