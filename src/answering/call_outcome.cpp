#include "call_outcome.h"

CallOutcome CallOutcome::of(const QString& outcome) {
    const QString failed = QStringLiteral("answer failed: ");
    if (outcome.startsWith(failed))
        return {Result::Failed, QStringLiteral("answer failed"), outcome.mid(failed.size())};
    if (outcome == QLatin1String("answered, video started"))
        return {Result::AnsweredWithVideo, QStringLiteral("answered with video"), {}};
    if (outcome.startsWith(QLatin1String("answered, video failed")))
        return {Result::Answered, QStringLiteral("answered, video failed"), {}};
    if (outcome.startsWith(QLatin1String("answered, video not started")))
        return {Result::Answered, QStringLiteral("answered, video not started"), {}};
    if (outcome.startsWith(QLatin1String("answered")))
        return {Result::Answered, QStringLiteral("answered"), {}};
    return {Result::NotAnswered, QStringLiteral("not answered"), {}};
}
