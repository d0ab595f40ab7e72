#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The Windows-1252 code page, in which older programs on that system wrote their
// text files. Every byte has a character (the five bytes the code page leaves
// undefined stand for the control characters of the same number), so any file
// decodes and encodes back to the same bytes.
namespace Windows1252 {

QString decode(const char* data, qsizetype size);
// Whether every character of `text` has a byte in the code page.
bool canEncode(QStringView text);
// Appends the bytes of `text`; call only when canEncode(text).
char* encodeInto(char* out, QStringView text);

} // namespace Windows1252
