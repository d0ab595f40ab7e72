#pragma once

#include <QString>

// What the backends share for callers the user adds by typing their address.
namespace CallerAddress {

// `typed` without its format characters (U+200B ZERO WIDTH SPACE, U+FEFF,
// U+00AD SOFT HYPHEN, direction marks, ...): characters nobody sees, which a
// pasted address may carry and no ring's handle holds. What is left is what the
// user saw.
QString withoutFormatCharacters(const QString& typed);

// Whether `handle` reads as a SIP caller's handle: user@host, both parts there,
// without blanks, control or format characters, angle brackets or quotes (which
// no ring's handle holds, so such an entry could never match).
bool isUserAtHost(const QString& handle);

// The problem with an address the client cannot take: what was typed and the
// forms that `client` takes (`forms`, ready to follow "Type it as").
QString unusable(const QString& typed, const QString& client, const QString& forms);

} // namespace CallerAddress
