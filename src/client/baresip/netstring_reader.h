#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <optional>

// Cuts the byte stream of baresip's control socket into netstrings
// ("<length>:<bytes>,"). QtCore only, so every stream can be fuzzed on its own.
//
// A stream that breaks the framing (a bad length, a frame longer than the
// limit, a missing comma) cannot be read any further: the reader keeps the
// frames it completed before, and then stops.
class NetstringReader {
public:
    // The largest frame accepted: 1 MiB.
    static constexpr qsizetype DefaultMaxFrame = qsizetype(1) << 20;

    enum class Error { None, BadLength, TooLong, NoComma };

    explicit NetstringReader(qsizetype maxFrame = DefaultMaxFrame);

    // Takes in more of the stream. False once the stream is broken (see error()).
    bool feed(const QByteArray& bytes);
    // The next complete frame, oldest first.
    std::optional<QByteArray> next();

    // A frame has begun and is not complete yet.
    bool midFrame() const { return !m_buffer.isEmpty() || m_payloadLength >= 0; }
    Error error() const { return m_error; }
    // What went wrong, in words (empty while nothing did).
    QString errorText() const;
    // Forgets everything: a new stream starts.
    void reset();

private:
    bool parse();

    qsizetype m_maxFrame;
    QByteArray m_buffer;            // bytes not yet part of a completed frame
    qsizetype m_payloadLength = -1; // known once the length prefix has been read
    std::deque<QByteArray> m_frames;
    Error m_error = Error::None;
};
