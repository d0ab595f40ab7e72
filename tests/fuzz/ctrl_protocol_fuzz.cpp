// libFuzzer target: every byte stream baresip's control socket may send goes
// through the frame reader, in chunks the input itself chooses, and every frame
// through the message parser and the parsers of the menu commands' replies;
// none may crash, and what they accept must hold together.

#include "client/baresip/ctrl_protocol.h"
#include "client/baresip/netstring_reader.h"
#include "client/link_error.h"

#include <cstddef>
#include <cstdint>

using namespace CtrlProtocol;

namespace {

void check(bool holds) {
    if (!holds)
        __builtin_trap();
}

constexpr qsizetype MaxFrame = 4096; // small, so that the limit is reached too

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray stream(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    NetstringReader reader(MaxFrame);
    // The first byte chooses the chunk size, as a socket would cut the stream.
    const qsizetype chunk = stream.isEmpty() ? 1 : 1 + static_cast<uint8_t>(stream[0]) % 64;
    bool broken = false;
    for (qsizetype at = 1; at < stream.size(); at += chunk) {
        const bool fine = reader.feed(stream.mid(at, chunk));
        check(!(broken && fine)); // once broken, it stays broken
        broken = broken || !fine;
        while (const auto frame = reader.next()) {
            check(frame->size() <= MaxFrame);
            // What was cut out frames again to the same bytes.
            NetstringReader again(MaxFrame);
            again.feed(netstring(*frame));
            check(again.next() == frame);

            const auto message = parseMessage(*frame);
            const QString text = QString::fromUtf8(*frame);
            if (message && message->kind == Message::Kind::Event) {
                const QString handle = handleFromUri(message->event.peerUri);
                check(handle.size() <= message->event.peerUri.size());
            }
            const QString handle = handleFromUri(text);
            check(handle.size() <= text.size());
            for (const Contact& contact : parseContacts(text))
                check(!contact.uri.isEmpty() && contact.uri.size() < text.size());
            currentCallOnHold(text);
            selectedCall(text, QStringLiteral("4b1c"));
            noSuchCall(text);
            videoStarted(text);
            check(LinkError::quoted(text).size() <= 125);
        }
    }
    check(broken == (reader.error() != NetstringReader::Error::None));
    check(reader.errorText().isEmpty() == !broken);
    return 0;
}
