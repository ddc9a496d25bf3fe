#include "core/ToolkitMessages.h"

#include <QtGlobal>

#include <cstdio>

namespace core {

namespace {
QtMessageHandler defaultHandler = nullptr;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
#ifdef QT_DEBUG
    const bool show = true;
#else
    const bool show = type == QtFatalMsg;
#endif
    if (show && defaultHandler)
        defaultHandler(type, context, message);
}
} // namespace

void keepToolkitMessagesToDevelopers() { defaultHandler = qInstallMessageHandler(handle); }

} // namespace core
