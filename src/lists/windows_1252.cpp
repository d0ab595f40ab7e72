#include "windows_1252.h"

#include <array>

namespace Windows1252 {

namespace {

// Bytes 0x80 to 0x9F; every other byte is the character of the same number.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < High.size(); ++i)
        if (High[i] == c)
            return int(0x80 + i);
    return -1;
}

} // namespace

QString decode(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = QChar(byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

bool canEncode(QStringView text) {
    for (QChar c : text)
        if (byteOf(c.unicode()) < 0)
            return false;
    return true;
}

char* encodeInto(char* out, QStringView text) {
    for (QChar c : text)
        *out++ = static_cast<char>(byteOf(c.unicode()));
    return out;
}

} // namespace Windows1252
