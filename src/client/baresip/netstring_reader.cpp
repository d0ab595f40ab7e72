#include "netstring_reader.h"

namespace {

// Digits of the longest length prefix worth reading: one more than the limit has.
int maxDigits(qsizetype maxFrame) {
    return static_cast<int>(QByteArray::number(static_cast<qlonglong>(maxFrame)).size());
}

} // namespace

NetstringReader::NetstringReader(qsizetype maxFrame) : m_maxFrame(maxFrame) {}

bool NetstringReader::feed(const QByteArray& bytes) {
    if (m_error != Error::None)
        return false;
    m_buffer += bytes;
    return parse();
}

std::optional<QByteArray> NetstringReader::next() {
    if (m_frames.empty())
        return std::nullopt;
    QByteArray frame = std::move(m_frames.front());
    m_frames.pop_front();
    return frame;
}

void NetstringReader::reset() {
    m_buffer.clear();
    m_payloadLength = -1;
    m_frames.clear();
    m_error = Error::None;
}

QString NetstringReader::errorText() const {
    switch (m_error) {
    case Error::None:
        return {};
    case Error::BadLength:
        return QStringLiteral("a message that does not start with its length");
    case Error::TooLong:
        return QStringLiteral("a message longer than %1 bytes").arg(m_maxFrame);
    case Error::NoComma:
        return QStringLiteral("a message that does not end where its length says");
    }
    return {};
}

bool NetstringReader::parse() {
    qsizetype pos = 0;
    const int digitsAllowed = maxDigits(m_maxFrame);
    while (true) {
        if (m_payloadLength < 0) {
            // The length prefix: decimal digits, no leading zero (but "0" itself), ':'.
            qsizetype colon = -1;
            for (qsizetype i = pos; i < m_buffer.size(); ++i) {
                const char c = m_buffer[i];
                if (c == ':') {
                    colon = i;
                    break;
                }
                if (c < '0' || c > '9') {
                    m_error = Error::BadLength;
                    break;
                }
                if (i - pos >= digitsAllowed) {
                    m_error = Error::TooLong;
                    break;
                }
            }
            if (m_error != Error::None)
                break;
            if (colon < 0)
                break; // the prefix is not complete yet
            const qsizetype digits = colon - pos;
            if (digits == 0 || (digits > 1 && m_buffer[pos] == '0')) {
                m_error = Error::BadLength;
                break;
            }
            const qlonglong length = m_buffer.mid(pos, digits).toLongLong();
            if (length > m_maxFrame) {
                m_error = Error::TooLong;
                break;
            }
            m_payloadLength = static_cast<qsizetype>(length);
            pos = colon + 1;
        }
        if (m_buffer.size() - pos < m_payloadLength + 1)
            break; // the payload and its comma are not all here yet
        if (m_buffer[pos + m_payloadLength] != ',') {
            m_error = Error::NoComma;
            break;
        }
        m_frames.push_back(m_buffer.mid(pos, m_payloadLength));
        pos += m_payloadLength + 1;
        m_payloadLength = -1;
    }
    m_buffer.remove(0, pos);
    if (m_error != Error::None) {
        m_buffer.clear();
        m_payloadLength = -1;
    }
    return m_error == Error::None;
}
