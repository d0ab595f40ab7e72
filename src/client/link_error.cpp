#include "link_error.h"

namespace LinkError {

RunTimeError unreadableReply(const QString& command, const QString& reply) {
    return RunTimeError(BadReply,
                        QStringLiteral("The calling client answered %1 with %2, which Pellorin "
                                       "cannot read.")
                            .arg(quoted(command), quoted(reply)));
}

QString quoted(const QString& text) {
    constexpr qsizetype limit = 120;
    QString shown = text.left(limit);
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    shown.replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (text.size() > limit)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

RunTimeError callEnded(const QString& caller) {
    return RunTimeError(
        Failed, UiText("LinkError", QT_TRANSLATE_NOOP("LinkError", "The call from %1 has ended."))
                    .arg(caller));
}

RunTimeError noVideoOffered(const QString& caller) {
    return RunTimeError(
        Failed,
        UiText("LinkError", QT_TRANSLATE_NOOP("LinkError", "The call from %1 has no video: the "
                                                           "caller did not offer any."))
            .arg(caller));
}

QString seconds(int ms) {
    return shownSeconds(ms).english();
}

UiText shownSeconds(int ms) {
    return UiText("LinkError", QT_TRANSLATE_NOOP("LinkError", "%1 seconds"))
        .arg(QString::number(ms / 1000.0, 'g', 3));
}

} // namespace LinkError
