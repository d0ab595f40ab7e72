#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where the build puts the program's .qm files (qt_add_translations).
const QString ProgramTranslationsDir = QStringLiteral(":/i18n");

} // namespace

Translations::~Translations() {
    remove();
}

void Translations::remove() {
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
    m_installed = false;
}

void Translations::install(const QStringList& languages) {
    remove();
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return; // the texts as they are written
        // A load tries the language and its parents (de_AT, then de).
        if (!m_program.load(locale, QStringLiteral("pellorin"), QStringLiteral("_"),
                            ProgramTranslationsDir))
            continue;
        (void)m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&m_qt);
        QCoreApplication::installTranslator(&m_program);
        m_installed = true;
        return;
    }
    // A language Pellorin does not speak: Qt's texts stay English too.
}

QStringList Translations::languages() {
    QStringList found;
    const QStringList files =
        QDir(ProgramTranslationsDir).entryList({QStringLiteral("pellorin_*.qm")}, QDir::Files);
    for (const QString& file : files)
        found << file.mid(9, file.size() - 9 - 3);
    return found;
}
