#include "jami_names.h"

namespace {

constexpr qsizetype LongestName = 100;

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// A name as the windows may show it: one line, no control characters, not
// endless.
QString tidied(const QString& name) {
    QString text = name;
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    return text.simplified().left(LongestName);
}

// A vCard value with its escapes undone (\n, \, \; \\).
QString unescaped(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        text += next == QLatin1Char('n') || next == QLatin1Char('N') ? QLatin1Char(' ') : next;
    }
    return text;
}

} // namespace

bool JamiNames::isJamiId(const QString& handle) {
    if (handle.size() != 40)
        return false;
    for (const QChar c : handle)
        if (!isHexDigit(c))
            return false;
    return true;
}

QString JamiNames::nameInVCard(const QByteArray& vcard) {
    // Lines end in CR LF or LF; a line that starts with a blank continues the
    // one before.
    const QList<QByteArray> raw = vcard.split('\n');
    QByteArray line;
    for (qsizetype i = 0; i <= raw.size(); ++i) {
        QByteArray next = i < raw.size() ? raw[i] : QByteArray();
        if (next.endsWith('\r'))
            next.chop(1);
        if (i < raw.size() && (next.startsWith(' ') || next.startsWith('\t'))) {
            line += next.mid(1);
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            QByteArray property = line.left(colon);
            if (const qsizetype semicolon = property.indexOf(';'); semicolon >= 0)
                property.truncate(semicolon);
            if (const qsizetype dot = property.lastIndexOf('.'); dot >= 0)
                property = property.mid(dot + 1); // a group: item1.FN
            if (property.trimmed().compare("FN", Qt::CaseInsensitive) == 0)
                return tidied(unescaped(QString::fromUtf8(line.mid(colon + 1))));
        }
        line = next;
    }
    return {};
}

bool JamiNames::set(QHash<QString, QString>& names, const QString& id, const QString& name) {
    const QString tidy = tidied(name);
    // A name that reads as an ID or an address would pass for another caller.
    if (!isJamiId(id) || tidy.isEmpty() || isJamiId(tidy) || tidy.contains(QLatin1Char('@')))
        return false;
    const QString key = id.toLower();
    if (names.value(key) == tidy)
        return false;
    names.insert(key, tidy);
    m_indexed = false;
    return true;
}

bool JamiNames::setRegistered(const QString& id, const QString& name) {
    return set(m_registered, id, name);
}

bool JamiNames::setProfile(const QString& id, const QString& name) {
    return set(m_profile, id, name);
}

QString JamiNames::name(const QString& id) const {
    const QString key = id.toLower();
    const QString fromProfile = m_profile.value(key);
    return fromProfile.isEmpty() ? m_registered.value(key) : fromProfile;
}

void JamiNames::index() const {
    if (m_indexed)
        return;
    m_byName.clear();
    for (const QHash<QString, QString>* names : {&m_profile, &m_registered})
        for (auto it = names->constBegin(); it != names->constEnd(); ++it)
            if (name(it.key()) == it.value()) {
                QStringList& ids = m_byName[it.value().toLower()];
                if (!ids.contains(it.key()))
                    ids.append(it.key());
            }
    m_indexed = true;
}

QString JamiNames::shown(const QString& handle) const {
    const QString known = isJamiId(handle) ? name(handle) : QString();
    if (known.isEmpty())
        return handle;
    index();
    const QStringList ids = m_byName.value(known.toLower());
    if (ids.size() < 2)
        return known;
    const QString own = handle.toLower();
    qsizetype digits = IdDigitsShown;
    for (const QString& other : ids)
        while (other != own && digits < own.size() && other.left(digits) == own.left(digits))
            ++digits;
    return QStringLiteral("%1 (%2)").arg(known, handle.left(digits));
}
