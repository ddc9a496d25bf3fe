#include "app/core/Connection.h"

#include "app/core/Frontend.h"
#include "app/core/Texts.h"
#include "link/Protocol.h"

void attachFrontend(Protocol& protocol, Frontend& frontend) {
    protocol.setProgressHook([&frontend] {
        frontend.stepProgress();
        frontend.processEvents();
    });
}

bool Connection::run(const PortSelection& selection, const std::function<void()>& branch) {
    OpenResult opened = opener_.openForConnection(selection);
    if (!opened.link) {
        frontend_.setStatus(texts::cannotOpenPort() + opened.portName);
        frontend_.setProgressPosition(0);
        return false;
    }
    Link& link = *opened.link;
    link.setIdleHook([this] { frontend_.processEvents(); });
    link.setCancelToken(protocol_.cancelToken());
    attachFrontend(protocol_, frontend_);
    protocol_.setLink(&link);

    frontend_.setStatus(texts::waiting());
    frontend_.processEvents();
    frontend_.setProgressMaximum(kIdentityProgressMaximum);

    bool branchRan = false;
    if (!protocol_.ReadMemory(kIdentityAddress, 2)) {
        frontend_.setStatus(texts::noAnswer());
    } else {
        frontend_.setProgressPosition(0);
        if (protocol_.at(1) != 0) {
            frontend_.setStatus(texts::incompatibleDevice());
        } else {
            branch();
            branchRan = true;
        }
    }

    protocol_.setLink(nullptr);
    link.close();
    frontend_.setProgressPosition(0);
    return branchRan;
}
