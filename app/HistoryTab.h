#pragma once

#include "app/ArchiveTab.h"
#include "app/TabContext.h"
#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "store/Store.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <vector>

namespace charts {
class ArchiveChart;
}
class QBoxLayout;
class QDateEdit;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
namespace line {
struct LinkTarget;
}

// The History tab: the meters the store holds, the chosen meter's visits, and its daily and
// minute history over any stored range as the archive tabs show a readout (report, chart, the
// same save formats). "Синхронизировать" reads into the store what it does not hold yet. With
// the store off or failing to open, the tab says why.
class HistoryTab : public QObject {
    Q_OBJECT
public:
    explicit HistoryTab(const TabContext& context);

    // The tab's page: the controls in an area that scrolls when the window is made small.
    QWidget* page() const { return scroll_; }
    // Fills the meter list again from the store (the chosen meter stays chosen).
    void refresh();
    // Shows the chosen meter's history over the pickers' range.
    void show();
    void save();
    void sync(const line::LinkTarget& target);
    // The act of the chosen visit, written again from the store to a file the engineer names.
    void writeAct();

    // The visit chosen in the list; empty when none.
    std::optional<qint64> selectedVisitId() const;
    // The row under the visit list, for buttons acting on the chosen visit.
    QBoxLayout* visitActions() const { return visitActions_; }

signals:
    void visitSelected(std::optional<qint64> visitId);

private:
    archive::Kind kind() const;
    const store::MeterSummary* meter() const;
    void meterChosen();
    // The pickers span the chosen archive's stored days; `reset` puts them on the default range.
    void limitPickers(bool reset);
    void say(const QString& note);

    TabContext c_;
    QWidget* page_;
    QWidget* scroll_;
    QLabel* note_;
    QListWidget* meterList_;
    QTableWidget* visitList_;
    QBoxLayout* visitActions_;
    QDateEdit* from_;
    QDateEdit* to_;
    QPushButton* showButton_;
    QPushButton* syncButton_;
    QPushButton* saveButton_;
    QTabWidget* kinds_;
    QPlainTextEdit* memos_[2];
    charts::ArchiveChart* charts_[2];
    ArchiveSaver saver_;

    std::vector<store::MeterSummary> meters_;
    archive::Archives archives_; // what the charts and the save draw from
    QStringList lines_[2];
};
