#pragma once

#include <QString>

namespace store {
class Store;
}

namespace documents {

// Writes the act of the stored visit `visitId` to `file` (PDF, A4) in the program's current
// language, from what the store holds alone. Returns an empty string when the file was written,
// otherwise the reason it was not (the file is then left as it was).
QString writeVisitAct(store::Store& store, qint64 visitId, const QString& file);

} // namespace documents
