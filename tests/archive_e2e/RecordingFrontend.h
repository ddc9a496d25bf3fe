#pragma once

#include "app/core/Frontend.h"

#include <QStringList>

// A frontend that keeps what an action showed: every status, every progress maximum, every
// message box.
class RecordingFrontend : public Frontend {
public:
    void setStatus(const QString& text) override { statuses << text; }
    QString status() const override { return statuses.isEmpty() ? QString() : statuses.last(); }
    void setProgressMaximum(int maximum) override { maxima << maximum; }
    void setProgressPosition(int) override {}
    void stepProgress() override { ++steps; }
    void processEvents() override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    void showInformation(const QString& caption, const QString& text) override {
        messages << caption + QStringLiteral(": ") + text;
    }
    void showError(const QString& caption, const QString& text) override {
        messages << caption + QStringLiteral(": ") + text;
    }

    QStringList statuses;
    QList<int> maxima;
    QStringList messages;
    int steps = 0;
};
