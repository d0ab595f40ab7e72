#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own (the Yes and No of a question, the standard
// dialogs), in the language of a locale: by default the one the desktop gives
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them). English, and the C
// locale, need nothing loaded: the texts are written in English.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Installs the translations for the first of `languages` (in the order the
    // desktop prefers them, "de-DE", "de", ...) that Pellorin speaks, in place of
    // those installed before. English, or nothing Pellorin speaks, keeps the
    // English texts: a desktop that prefers English to German gets English.
    void install(const QStringList& languages = QLocale::system().uiLanguages());

    // The languages the program is translated into, as the .qm files name them.
    static QStringList languages();

private:
    void remove();

    QTranslator m_program;
    QTranslator m_qt;
    bool m_installed = false;
};
