#include "archive/ArchiveExport.h"

namespace archive {

// Placeholder until the workbook writer is in the tree.
QString saveWorkbook(const QString& fileName, const ArchiveSheet&, const QLocale&) {
    return fileName;
}

} // namespace archive
