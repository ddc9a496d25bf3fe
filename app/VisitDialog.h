#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// «Обслуживание»: what the service visit needs before it starts. The engineer's name is
// remembered from one visit to the next; the clock is set only when ticked (and still asked);
// the act's file may be left empty.
class VisitDialog : public QDialog {
    Q_OBJECT
public:
    explicit VisitDialog(QWidget* parent);

    QString engineer() const;
    bool setClock() const;
    QString actFile() const; // with ".pdf" when typed without an extension; empty for none

    void accept() override;

private:
    QLineEdit* engineer_;
    QCheckBox* setClock_;
    QLineEdit* file_;
};
