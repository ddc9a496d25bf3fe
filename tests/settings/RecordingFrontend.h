#pragma once

#include "app/core/Frontend.h"

#include <QStringList>

#include <algorithm>

// The person's side of an action, for tests: questions get a fixed answer, every status,
// question and message is kept, and the progress bar is followed as the window moves it.
class RecordingFrontend : public Frontend {
public:
    void setStatus(const QString& text) override { statuses.append(text); }
    QString status() const override { return statuses.isEmpty() ? QString() : statuses.last(); }
    void setProgressMaximum(int maximum) override {
        progressMaximum = maximum;
        maxima.append(maximum);
    }
    void setProgressPosition(int p) override { position = std::clamp(p, 0, progressMaximum); }
    void stepProgress() override {
        ++steps;
        position = std::min(position + 1, progressMaximum);
        peak = std::max(peak, position);
    }
    void processEvents() override {}
    bool askYesNo(const QString& caption, const QString& text) override {
        questions.append(caption + QLatin1Char('|') + text);
        return answer;
    }
    void showInformation(const QString& caption, const QString& text) override {
        messages.append(caption + QLatin1Char('|') + text);
    }
    void showError(const QString& caption, const QString& text) override {
        errors.append(caption + QLatin1Char('|') + text);
    }

    bool answer = true;
    QStringList statuses, questions, messages, errors;
    QList<int> maxima;
    int progressMaximum = 0;
    int position = 0;
    int steps = 0;
    int peak = 0; // the furthest the bar got
};
