#include "documents/VisitAct.h"

#include <QCoreApplication>

namespace documents {

QString writeVisitAct(store::Store& /*store*/, qint64 /*visitId*/, const QString& /*file*/) {
    return QCoreApplication::translate("VisitAct", "Акт не записан");
}

} // namespace documents
