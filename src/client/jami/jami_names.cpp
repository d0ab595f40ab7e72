#include "jami_names.h"

#include <unicode/uspoof.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr qsizetype LongestName = 100;

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// A name as the windows may show it: one line, no control or format
// characters, composed (NFC), not endless.
QString tidied(const QString& name) {
    QString text = name;
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    return text.simplified().normalized(QString::NormalizationForm_C).left(LongestName);
}

struct SpoofCheckerClose {
    void operator()(USpoofChecker* checker) const { uspoof_close(checker); }
};

// ICU's spoof checker, made once; null when ICU cannot make one (no data).
const USpoofChecker* spoofChecker() {
    static const std::unique_ptr<USpoofChecker, SpoofCheckerClose> checker = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<USpoofChecker, SpoofCheckerClose> made(uspoof_open(&status));
        if (U_FAILURE(status)) {
            qWarning("Names that look alike cannot be told (ICU: %s).", u_errorName(status));
            made.reset();
        }
        return made;
    }();
    return checker.get();
}

// What `text` looks like, case aside: its confusable skeleton (Unicode TS #39)
// in case-folded form. "Rose", "r\u043ese" (a Cyrillic o) and a decomposed
// "Ros\u0065\u0301" beside a composed "Ros\u00e9" each come to the same text as
// their look-alike.
QString lookOf(const QString& text) {
    const QString folded = text.toCaseFolded();
    const USpoofChecker* checker = spoofChecker();
    if (!checker)
        return folded;
    std::u16string skeleton(folded.size() * 4 + 16, u'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = uspoof_getSkeleton(
            checker, 0, reinterpret_cast<const UChar*>(folded.utf16()), int32_t(folded.size()),
            skeleton.data(), int32_t(skeleton.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            skeleton.assign(size_t(length), u'\0');
            continue;
        }
        if (U_FAILURE(status))
            return folded;
        return QString::fromUtf16(skeleton.data(), length).toCaseFolded();
    }
    return folded;
}

// Whether `look` (a lookOf) ends the way the windows mark a name that two
// contacts share: the start of an ID in brackets, "(2e9f4711)" or anything that
// looks like it. `base` is what comes before.
bool endsLikeAnId(const QString& look, QString& base) {
    static const QString hexLook = lookOf(QStringLiteral("0123456789abcdef"));
    const QString text = look.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (!text.endsWith(QLatin1Char(')')) || open < 0)
        return false;
    QString digits = text.mid(open + 1, text.size() - open - 2);
    digits.remove(QLatin1Char(' '));
    if (digits.isEmpty() ||
        !std::ranges::all_of(digits, [](QChar c) { return hexLook.contains(c); }))
        return false;
    base = text.left(open).trimmed();
    return true;
}

// A vCard value with its escapes undone (\n, \, \; \\).
QString vCardValue(const QString& value) {
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
                return tidied(vCardValue(QString::fromUtf8(line.mid(colon + 1))));
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
    m_byLook.clear();
    m_looks.clear();
    QStringList ids = m_profile.keys();
    for (auto it = m_registered.constBegin(); it != m_registered.constEnd(); ++it)
        if (!m_profile.contains(it.key()))
            ids.append(it.key());
    for (const QString& id : ids) {
        Look look{lookOf(name(id))};
        QString base;
        if (endsLikeAnId(look.key, base))
            look = {base, true};
        m_byLook[look.key].append(id);
        m_looks.insert(id, look);
    }
    m_indexed = true;
}

QString JamiNames::shown(const QString& handle) const {
    const QString known = isJamiId(handle) ? name(handle) : QString();
    if (known.isEmpty())
        return handle;
    index();
    const QString own = handle.toLower();
    const Look look = m_looks.value(own);
    const QStringList ids = m_byLook.value(look.key);
    if (ids.size() < 2 && !look.endsLikeAnId)
        return known;
    qsizetype digits = IdDigitsShown;
    for (const QString& other : ids)
        while (other != own && digits < own.size() && other.left(digits) == own.left(digits))
            ++digits;
    return QStringLiteral("%1 (%2)").arg(known, handle.left(digits));
}
