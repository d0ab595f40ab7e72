#include "contact_book.h"

#include <QFile>
#include <QRegularExpression>

const QStringList& ContactBook::keys() {
    static const QStringList all{"FULLNAME",     "SEX",        "COUNTRY",      "CITY",
                                 "BIRTHDAY",     "ABOUT",      "PHONE_MOBILE", "PHONE_HOME",
                                 "PHONE_OFFICE", "DISPLAYNAME"};
    return all;
}

std::optional<ContactBook> ContactBook::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("cannot read the contacts file %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QString why;
    auto book = parse(QString::fromUtf8(bytes), &why);
    if (!book)
        *error = QStringLiteral("contacts file %1: %2").arg(path, why);
    return book;
}

std::optional<ContactBook> ContactBook::parse(const QString& text, QString* error) {
    static const QRegularExpression handleShape(QStringLiteral("^[^\\s,\\[\\]]+$"));
    static const QRegularExpression birthdayShape(QStringLiteral("^(0|\\d{8})$"));
    ContactBook book;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const auto fail = [&](const QString& what) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(what);
            return std::nullopt;
        };
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString handle = line.mid(1, line.size() - 2);
            if (!handleShape.match(handle).hasMatch())
                return fail(QStringLiteral("\"%1\" is not a handle").arg(handle));
            if (book.find(handle))
                return fail(QStringLiteral("the handle \"%1\" comes twice").arg(handle));
            book.m_contacts.append({handle, {}});
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return fail(QStringLiteral("expected [handle] or KEY=value"));
        if (book.m_contacts.isEmpty())
            return fail(QStringLiteral("a value before the first [handle]"));
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (!keys().contains(key))
            return fail(QStringLiteral("unknown key \"%1\"").arg(key));
        if (key == QLatin1String("SEX") && value != QLatin1String("UNKNOWN") &&
            value != QLatin1String("MALE") && value != QLatin1String("FEMALE"))
            return fail(QStringLiteral("SEX is UNKNOWN, MALE or FEMALE"));
        if (key == QLatin1String("BIRTHDAY") && !birthdayShape.match(value).hasMatch())
            return fail(QStringLiteral("BIRTHDAY is YYYYMMDD or 0"));
        book.m_contacts.last().profile.insert(key, value);
    }
    return book;
}

const ContactBook::Contact* ContactBook::find(const QString& handle) const {
    for (const Contact& contact : m_contacts)
        if (contact.handle == handle)
            return &contact;
    return nullptr;
}

QString ContactBook::value(const Contact& contact, const QString& key) const {
    if (const auto it = contact.profile.find(key); it != contact.profile.end())
        return *it;
    if (key == QLatin1String("SEX"))
        return QStringLiteral("UNKNOWN");
    if (key == QLatin1String("BIRTHDAY"))
        return QStringLiteral("0");
    return QString();
}
