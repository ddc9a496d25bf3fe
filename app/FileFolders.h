#pragma once

#include <QFileDialog>
#include <QString>

// Where the window's file dialogs open. The first time: the program's folder when the
// engineer may write there (a copy of the program carried on a stick), else the home folder
// (an installed program's folder is the system's). From then on every dialog opens in the
// folder a file was last opened from or saved to, in any of them, for the rest of the run.
namespace file_folders {

// The folder the dialogs start in at the first use.
QString startFolder(const QString& programFolder);

// Points `dialog` at the last folder used, when there is one.
void openIn(QFileDialog* dialog);
// The folder of the file just chosen in a dialog becomes the last folder used.
void remember(const QString& fileName);
// The last folder used; empty before any.
QString last();

} // namespace file_folders
