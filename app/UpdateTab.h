#pragma once

#include "app/TabContext.h"
#include "firmware/FirmwareImage.h"

#include <QString>

class QFileDialog;
namespace line {
struct LinkTarget;
}

// The Update tab: loading a firmware image and reprogramming the meter.
class UpdateTab {
public:
    explicit UpdateTab(const TabContext& context);

    void setFolder(const QString& folder);
    void loadImage();
    void program(const line::LinkTarget& target);

private:
    TabContext c_;
    QFileDialog* OpenDialog1 = nullptr;
    firmware::FirmwareImage firmwareImage_;
};
