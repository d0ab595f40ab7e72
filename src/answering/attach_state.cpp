#include "attach_state.h"

#include <QCoreApplication>

QString attachStateText(const AttachState& state, const QString& clientName) {
    switch (state.kind) {
    case AttachState::Kind::Attached:
        return QCoreApplication::translate("AttachState", "Attached to %1").arg(clientName);
    case AttachState::Kind::Attaching:
        return QCoreApplication::translate("AttachState", "Attaching to %1...").arg(clientName);
    case AttachState::Kind::NotRunning:
        return QCoreApplication::translate("AttachState", "Not attached: %1 is not running")
            .arg(clientName);
    case AttachState::Kind::Refused:
        if (state.askAgainAt.isValid())
            return QCoreApplication::translate("AttachState",
                                               "Not attached: %1 refused; asking again at %2")
                .arg(clientName, state.askAgainAt.toString(QStringLiteral("HH:mm")));
        return QCoreApplication::translate("AttachState", "Not attached: %1 refused")
            .arg(clientName);
    case AttachState::Kind::Off:
        break;
    }
    return QCoreApplication::translate("AttachState", "Not attached");
}
