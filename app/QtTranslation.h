#pragma once

#include <QString>

// Qt's own catalogues for its standard dialogs, buttons and context menus (the file and font
// dialogs, Yes/No, Cut/Copy/Paste), so that they speak the program's language.
namespace qt_translation {

// The folder Qt's catalogues are installed in.
QString folder();

// Installs Qt's catalogues for `language` (an ISO code such as "ru") into the running
// application. Returns false when Qt's base catalogue for it is missing; the program then runs
// with Qt's English texts. English needs no catalogue and always succeeds.
bool install(const QString& language);

} // namespace qt_translation
