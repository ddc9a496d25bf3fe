#pragma once

#include "app/TabContext.h"
#include "settings/SettingsForm.h"

#include <QString>

class QFileDialog;
namespace line {
struct LinkTarget;
}

// The Settings tab: reading the meter's settings into the tab, writing them back with the clock
// and the archive clearing, the settings file, and the tab's own reactions.
class SettingsTab {
public:
    explicit SettingsTab(const TabContext& context);

    void setFolder(const QString& folder);
    void read(const line::LinkTarget& target);
    void write(const line::LinkTarget& target);
    // "Сравнить": reads the meter's settings and shows what differs from the tab, which
    // stays as it is.
    void compare(const line::LinkTarget& target);
    void loadFile();
    void saveFile();

    void applyInsertionRule();
    void applyMediumRule();
    void convertZeroCutoff(bool toPercent);
    void fillTime();
    // «ПК»: the PC's date and time into the clock fields.
    void fillDateAndTime();

    // The tab as a plain form, and back.
    settings::SettingsForm form() const;
    void show(const settings::SettingsForm& form);

private:
    TabContext c_;
    QFileDialog* OpenDialog2 = nullptr;
    QFileDialog* SaveDialog2 = nullptr;
};
