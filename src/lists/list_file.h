#pragma once

#include "platform/list_box.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class MessageBoxService;

// The auto-answer lists on disk: plain text beside the program, one entry per line.
//
// Reading: a line ends at CR LF or at a lone CR (the terminator is not part of the
// entry); a lone LF is an ordinary character of the entry; a last line without a
// terminator is an entry too, and a file that ends with a terminator gives no extra
// empty entry. Nothing is trimmed, de-duplicated or sorted; empty lines are entries.
// Writing: every entry followed by CR LF, in list order; an empty list is a file of
// zero bytes.
//
// Text is UTF-8. A file that is not valid UTF-8 throughout was written in the
// Windows-1252 code page by an older program; it is read in that code page and
// saved in it again, so that a list saved unedited keeps its bytes.
namespace ListFile {

inline const QString CallsFileName = QStringLiteral("qvcalllist.ini");
inline const QString VideoCallsFileName = QStringLiteral("qvvideocalllist.ini");

// The most entries a list holds (the list control's limit).
inline constexpr int MaxEntries = ListBox::MaxItems;

// The program's directory followed by a separator and the file name, as given: a
// directory that already ends in a separator (the root) gives a doubled one.
QString path(const QString& programDir, const QString& fileName);

enum class Encoding { Utf8, Windows1252 };

struct Content {
    QStringList entries;
    // The file holds more than the entries returned.
    bool truncated = false;
    Encoding encoding = Encoding::Utf8;
};

// The entries of a whole file's bytes, at most maxEntries of them.
Content parse(const QByteArray& bytes, int maxEntries = MaxEntries);
// The encoding a file of `entries` is written in when `wanted` is asked for: that
// one, or UTF-8 when some entry has a character the code page lacks (nothing is
// lost then; an older program reading the file sees those entries garbled).
Encoding encodingFor(const QStringList& entries, Encoding wanted);
// The bytes of a file holding `entries`, in `encoding` (which must be able to
// hold them: see encodingFor).
QByteArray format(const QStringList& entries, Encoding encoding = Encoding::Utf8);

// Reads the file at `path`. Throws RunTimeError when it cannot be opened or read.
// Stops once it knows there are more than maxEntries lines, so a huge file is not
// read whole.
Content read(const QString& path, int maxEntries = MaxEntries);

// Replaces the file at `path` with `entries` in one step: the new content goes to a
// temporary file in the same directory, "<file>.pellorin-save-" and six random
// letters and digits, which then takes the old file's place. Throws RunTimeError
// when that fails; the old file is then untouched. Returns the encoding written
// (see encodingFor). The first save or load of a list in a run removes the
// temporary files of that list that killed saves left; no other file.
Encoding write(const QString& path, const QStringList& entries, Encoding encoding = Encoding::Utf8);

// Fills `list` from the file at `path`, as a list window does while it loads:
// - no file: the list keeps the items it has, and nothing is said;
// - a file that exists but cannot be read: throws RunTimeError naming it, and the
//   list is unchanged;
// - otherwise the list holds the file's entries, in order, and nothing is selected;
//   when the file holds more entries than the list can, the first ones are loaded
//   and the user is told (a box through `messages`) that the rest were not.
// Returns the file's encoding, which its next save keeps (UTF-8 without a file).
// Removes the temporary files of this list that killed saves left (see write()).
Encoding readInto(ListBox& list, const QString& path, MessageBoxService& messages);

// Writes every item of `list` to the file at `path` (see write()).
Encoding writeFrom(const ListBox& list, const QString& path, Encoding encoding = Encoding::Utf8);

// The notice shown when a file holds more entries than a list can.
QString truncatedNotice(const QString& path);

} // namespace ListFile
