#include "settings.h"

#include "lists/list_location.h"
#include "platform/run_time_error.h"

#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcSettings, "pellorin.settings", QtInfoMsg)

namespace {

constexpr auto ClientKey = "client";
constexpr auto BaresipControlKey = "baresip-control";
constexpr auto AutoAttachKey = "auto-attach";
constexpr auto NotifyWhenAnsweringKey = "notify-when-answering";
constexpr auto WindowGeometryKey = "window-geometry";

QString boolText(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

Settings::Settings(QString path) : m_path(std::move(path)) {
    read();
}

QString Settings::defaultPath() {
    return ListLocation::userDirectory() + QStringLiteral("/pellorin.conf");
}

void Settings::read() {
    const QSettings file(m_path, QSettings::IniFormat);
    // A line QSettings cannot parse (FormatError) costs that line alone: the
    // values it read are kept. A file it cannot open gives no values.
    if (file.status() == QSettings::FormatError)
        qCWarning(lcSettings).noquote() << "The settings file" << m_path
                                        << "has lines Pellorin cannot read; they are left out.";
    else if (file.status() != QSettings::NoError)
        qCWarning(lcSettings).noquote()
            << "The settings file" << m_path << "cannot be read; the defaults are used.";
    // Each value that is there but not understood: its default, and a line.
    const auto text = [&](const char* key) -> std::optional<QString> {
        const QVariant value = file.value(QLatin1String(key));
        if (!value.isValid())
            return std::nullopt;
        return value.toString();
    };
    const auto unknown = [&](const char* key, const QString& value) {
        qCWarning(lcSettings).noquote()
            << QStringLiteral("The settings file %1 has %2=\"%3\", which Pellorin does not "
                              "know; the default is used.")
                   .arg(m_path, QLatin1String(key), value);
    };
    if (const auto client = text(ClientKey)) {
        m_saved.client = clientFromId(*client);
        if (!m_saved.client)
            unknown(ClientKey, *client);
    }
    if (const auto address = text(BaresipControlKey)) {
        m_saved.baresipControl = parseControlAddress(*address);
        if (!m_saved.baresipControl)
            unknown(BaresipControlKey, *address);
    }
    const auto flag = [&](const char* key, bool& saved) {
        if (const auto value = text(key)) {
            if (*value == boolText(true) || *value == boolText(false))
                saved = *value == boolText(true);
            else
                unknown(key, *value);
        }
    };
    flag(AutoAttachKey, m_saved.autoAttach);
    flag(NotifyWhenAnsweringKey, m_saved.notifyWhenAnswering);
    if (const auto geometry = text(WindowGeometryKey))
        m_saved.windowGeometry = QByteArray::fromBase64(geometry->toLatin1());
}

void Settings::setClient(CommandLineOptions::Client client) {
    m_saved.client = client;
    write(QLatin1String(ClientKey), clientId(client));
}

void Settings::setBaresipControl(const ControlAddress& address) {
    m_saved.baresipControl = address;
    write(QLatin1String(BaresipControlKey), controlAddressText(address));
}

void Settings::setAutoAttach(bool on) {
    m_saved.autoAttach = on;
    write(QLatin1String(AutoAttachKey), boolText(on));
}

void Settings::setNotifyWhenAnswering(bool on) {
    m_saved.notifyWhenAnswering = on;
    write(QLatin1String(NotifyWhenAnsweringKey), boolText(on));
}

void Settings::setWindowGeometry(const QByteArray& geometry) {
    m_saved.windowGeometry = geometry;
    write(QLatin1String(WindowGeometryKey), QString::fromLatin1(geometry.toBase64()));
}

void Settings::write(const QString& key, const QString& value) {
    QSettings file(m_path, QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    // FormatError is the unreadable lines the file had: the file was written
    // (without them) all the same.
    if (file.status() != QSettings::AccessError)
        return;
    const UiText why =
        UiText("Settings", QT_TRANSLATE_NOOP("Settings", "Pellorin could not save its settings in "
                                                         "%1; they hold until it ends."))
            .arg(m_path);
    qCWarning(lcSettings).noquote() << why.english();
    if (m_writeFailureReported)
        return;
    m_writeFailureReported = true;
    throw RunTimeError(ErrorNumber::PathFileAccess, why);
}
