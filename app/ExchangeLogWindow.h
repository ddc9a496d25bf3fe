#pragma once

#include <QRect>
#include <QWidget>

namespace core {
class ExchangeLog;
}
class QFileDialog;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The exchange log on screen: a window of its own that stays open beside the main window. New
// lines are taken from the log in batches a few times a second, not one repaint per line, so a
// long readout does not slow the window. The view follows the end unless the engineer has
// scrolled up; it can be cleared and saved as a UTF-8 text file with exactly the logged lines.
// It opens beside the main window, not over it, and Esc closes it.
class ExchangeLogWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 100;

    explicit ExchangeLogWindow(core::ExchangeLog& log, QWidget* parent = nullptr);

    // Where a window of `wanted` size goes beside `main` within `available`: to its right, else
    // to its left, else narrowed into the wider side; over it only when neither side has room
    // for a readable log.
    static QRect besideRect(const QRect& main, const QSize& wanted, const QRect& available);

    // Takes what the log holds beyond what is shown (the timer does this on its own).
    void refresh();
    // Saves the lines to `path`; false with a message box when it fails.
    bool saveTo(const QString& path);

public slots:
    void clearLog();
    void saveLog();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    core::ExchangeLog& log_;
    QPlainTextEdit* view_;
    QPushButton* clearButton_;
    QPushButton* saveButton_;
    QTimer* timer_;
    QFileDialog* saveDialog_;
    qint64 shownUpTo_ = 0;
    bool placed_ = false;
};
