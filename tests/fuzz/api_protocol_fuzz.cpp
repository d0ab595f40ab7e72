// libFuzzer target: every line the client may send goes through every parser of
// the desktop API; none may crash, and what they accept must hold together.

#include "client/desktop_api/api_protocol.h"

#include <cstddef>
#include <cstdint>

using namespace ApiProtocol;

namespace {

void check(bool holds) {
    if (!holds)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto tagged = splitId(line);
    if (tagged && tagged->id) {
        const auto again = splitId(withId(*tagged->id, tagged->body));
        check(again && again->id == tagged->id && again->body == tagged->body);
    }
    const QString body = tagged ? tagged->body : line;

    if (const auto error = parseError(body))
        check(error->code >= 0);
    parseNameAnswer(body);
    if (const auto protocol = parseProtocol(body))
        check(*protocol >= 0);
    if (const auto users = parseUsers(body))
        for (const QString& handle : *users)
            check(!handle.isEmpty() && !handle.contains(QLatin1Char(' ')));
    parseUserProperty(body, QStringLiteral("bob"), QStringLiteral("ABOUT"));
    parseCallProperty(body, 12, QStringLiteral("PARTNER_HANDLE"));
    if (const auto notice = parseCallStatusNotice(body)) {
        check(notice->status >= 0 && notice->status <= 22);
        check(notice->callId >= 0 && notice->callId <= 0xFFFFFFFFLL);
        check(looksLikeCallStatus(body));
    }
    if (const auto status = parseCallStatusWord(body))
        check(*status >= -1 && *status <= 22);
    const int sex = sexCode(body);
    check(sex >= -1 && sex <= 1);
    check(countryName(body, 5).size() <= body.size());
    if (const auto birthday = parseBirthday(body))
        check(birthday->isNull() || birthday->isValid());
    if (const auto id = parseCallId(body))
        check(*id >= 0 && *id <= 0xFFFFFFFFLL);
    return 0;
}
