#include "call_outcome.h"

#include <QCoreApplication>

namespace {

// The words in the user's language.
QString outcomeWords(const char* words) {
    return QCoreApplication::translate("CallOutcome", words);
}

} // namespace

CallOutcome CallOutcome::of(const QString& outcome) {
    const QString failed = QStringLiteral("answer failed: ");
    if (outcome.startsWith(failed))
        return {Result::Failed, outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "answer failed")),
                outcome.mid(failed.size())};
    if (outcome == QLatin1String("answered, video started"))
        return {Result::AnsweredWithVideo,
                outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "answered with video")),
                {}};
    if (outcome.startsWith(QLatin1String("answered, video failed")))
        return {Result::Answered,
                outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "answered, video failed")),
                {}};
    if (outcome.startsWith(QLatin1String("answered, video not started")))
        return {Result::Answered,
                outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "answered, video not started")),
                {}};
    if (outcome.startsWith(QLatin1String("answered")))
        return {Result::Answered, outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "answered")), {}};
    return {
        Result::NotAnswered, outcomeWords(QT_TRANSLATE_NOOP("CallOutcome", "not answered")), {}};
}
