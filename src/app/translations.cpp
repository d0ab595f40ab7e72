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

void Translations::install(const QLocale& locale) {
    remove();
    // Each load looks for the locale's languages in the order the desktop gives
    // them (de_AT, then de); nothing found leaves that translator empty.
    if (!m_program.load(locale, QStringLiteral("pellorin"), QStringLiteral("_"),
                        ProgramTranslationsDir))
        return; // a language Pellorin does not speak: Qt's texts stay English too
    (void)m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
    m_installed = true;
}

QStringList Translations::languages() {
    QStringList found;
    const QStringList files =
        QDir(ProgramTranslationsDir).entryList({QStringLiteral("pellorin_*.qm")}, QDir::Files);
    for (const QString& file : files)
        found << file.mid(9, file.size() - 9 - 3);
    return found;
}
