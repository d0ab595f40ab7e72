#include "attach_state.h"

QString attachStateText(const AttachState& state, const QString& clientName) {
    switch (state.kind) {
    case AttachState::Kind::Attached:
        return QStringLiteral("Attached to %1").arg(clientName);
    case AttachState::Kind::Attaching:
        return QStringLiteral("Attaching to %1...").arg(clientName);
    case AttachState::Kind::NotRunning:
        return QStringLiteral("Not attached: %1 is not running").arg(clientName);
    case AttachState::Kind::Refused:
        if (state.askAgainAt.isValid())
            return QStringLiteral("Not attached: %1 refused; asking again at %2")
                .arg(clientName, state.askAgainAt.toString(QStringLiteral("HH:mm")));
        return QStringLiteral("Not attached: %1 refused").arg(clientName);
    case AttachState::Kind::Off:
        break;
    }
    return QStringLiteral("Not attached");
}
