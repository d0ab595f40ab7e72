#pragma once

#include <QCoreApplication>
#include <QString>

// A text that a person reads in the user's language and that the log or the
// record of calls keeps in English: an error's description, say. The source is
// marked for the translators where it is written, with its context:
//     UiText("ListFile", QT_TRANSLATE_NOOP("ListFile", "The list file \"%1\" ..."))
// and the arguments go into both copies.
class UiText {
public:
    UiText(const char* context, const char* source)
        : m_english(QString::fromUtf8(source)),
          m_shown(QCoreApplication::translate(context, source)) {}

    // A text that is the same in every language (one that comes translated already).
    static UiText untranslated(const QString& text) { return {text, text}; }

    UiText arg(const QString& value) const { return {m_english.arg(value), m_shown.arg(value)}; }
    UiText arg(qint64 value) const { return {m_english.arg(value), m_shown.arg(value)}; }
    UiText arg(const QString& first, const QString& second) const {
        return {m_english.arg(first, second), m_shown.arg(first, second)};
    }
    // A part that is itself translated goes into each copy in that copy's language.
    UiText arg(const UiText& value) const {
        return {m_english.arg(value.m_english), m_shown.arg(value.m_shown)};
    }
    UiText arg(const QString& first, const UiText& second) const {
        return {m_english.arg(first, second.m_english), m_shown.arg(first, second.m_shown)};
    }
    UiText arg(const QString& first, const QString& second, const UiText& third) const {
        return {m_english.arg(first, second, third.m_english),
                m_shown.arg(first, second, third.m_shown)};
    }

    const QString& english() const { return m_english; }
    const QString& shown() const { return m_shown; }

private:
    UiText(QString english, QString shown)
        : m_english(std::move(english)), m_shown(std::move(shown)) {}

    QString m_english;
    QString m_shown;
};
