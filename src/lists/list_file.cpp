#include "list_file.h"

#include "if_checker.h"
#include "platform/message_box.h"
#include "platform/product.h"
#include "platform/run_time_error.h"
#include "windows_1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ListFile {

namespace {

constexpr int DeviceIoError = 57;
constexpr qsizetype ChunkSize = qsizetype(1) << 20;

// No byte of data[0..size) has its top bit set. Looks at every byte without
// stopping early, which lets the compiler take many bytes at a time.
bool isAscii(const char* data, qsizetype size) {
    unsigned char seen = 0;
    for (qsizetype i = 0; i < size; ++i)
        seen |= static_cast<unsigned char>(data[i]);
    return seen < 0x80;
}

// Turns lines into entries. A file is UTF-8 when all of it is valid UTF-8, and
// Windows-1252 (what older programs wrote) otherwise; which one is known only at
// the end, so the UTF-8 lines taken so far are decoded again when a line turns
// out not to be UTF-8. Handles are mostly plain ASCII, which reads the same in
// both and needs no decoding.
class LineDecoder {
public:
    void append(const char* data, qsizetype size, QStringList& out) {
        if (isAscii(data, size)) {
            out << QString::fromLatin1(data, size);
            return;
        }
        if (m_encoding == Encoding::Windows1252) {
            out << Windows1252::decode(data, size);
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        QString text = utf8.decode(QByteArrayView(data, size));
        if (!utf8.hasError()) {
            m_utf8Lines.push_back(out.size());
            out << std::move(text);
            return;
        }
        m_encoding = Encoding::Windows1252;
        for (const qsizetype i : m_utf8Lines) {
            const QByteArray bytes = out.at(i).toUtf8(); // the line's own bytes again
            out[i] = Windows1252::decode(bytes.constData(), bytes.size());
        }
        m_utf8Lines.clear();
        out << Windows1252::decode(data, size);
    }

    Encoding encoding() const { return m_encoding; }

private:
    Encoding m_encoding = Encoding::Utf8;
    std::vector<qsizetype> m_utf8Lines;
};

// Takes the complete lines of buf[start..] into `out`, until `out` holds maxEntries.
// `searchFrom` is where the search for the next CR goes on (no CR lies between
// `start` and it), so a long line arriving in many chunks is scanned once. A CR at
// the very end of an unfinished buffer waits for the next byte: it may be the
// first half of a CR LF. With `atEnd`, what follows the last terminator is the
// last entry.
void takeLines(const QByteArray& buf, qsizetype& start, qsizetype& searchFrom, bool atEnd,
               int maxEntries, LineDecoder& decoder, QStringList& out) {
    const char* data = buf.constData();
    const qsizetype size = buf.size();
    while (out.size() < maxEntries) {
        const qsizetype cr = buf.indexOf('\r', searchFrom);
        if (cr < 0 || (cr + 1 == size && !atEnd)) {
            searchFrom = cr < 0 ? size : cr;
            if (atEnd && start < size) {
                decoder.append(data + start, size - start, out);
                start = searchFrom = size;
            }
            return;
        }
        decoder.append(data + start, cr - start, out);
        start = cr + 1;
        if (start < size && data[start] == '\n')
            ++start;
        searchFrom = start;
    }
}

// The file a save of `path` replaces: `path`, or the file its chain of symbolic
// links ends at (a save writes through links, as editors do, and makes its
// temporary file beside that file).
QString savedFile(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Saves into one folder, by any of the program's processes, take turns: each
// holds this lock on the folder from making its temporary file until that file
// has taken the list's place or is gone. So a temporary file that someone holding
// the lock finds was left by a save that was killed. Where the folder cannot be
// locked (or opened) the lock is not held, and nothing is cleaned up.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd < 0)
            return;
        int locked;
        do
            locked = ::flock(m_fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock() {
        if (m_fd >= 0)
            ::close(m_fd); // and so unlocks
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

// A save writes "<file name>.pellorin-save-XXXXXX" (six random letters and digits)
// beside the file and then renames it over the file; a name no person and no other
// program gives a file. A save killed between the two leaves that file behind.
// (Earlier versions wrote "<file name>.XXXXXX", six letters: a name a person may
// give a copy too, so those are left alone.)
const QString TemporaryMarker = QStringLiteral(".pellorin-save-");
constexpr int RandomCharacters = 6;

QString temporaryName(const QString& file) {
    static const char characters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = file + TemporaryMarker;
    for (int i = 0; i < RandomCharacters; ++i)
        name += QLatin1Char(characters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

// Removes the temporary files of `file` that killed saves left: regular files
// named exactly so, and only while the folder's lock is held. Once per list and
// run: a save of this run holds the lock until its file is gone, so only a save
// killed meanwhile in another program leaves one later, and the next run removes
// that. (The lists are saved and loaded on the one GUI thread.)
void removeStrayTemporaries(const QString& file, const FolderLock& lock) {
    static QSet<QString> cleaned;
    if (!lock.held() || cleaned.contains(file))
        return;
    cleaned.insert(file);
    const QFileInfo info(file);
    const QDir folder = info.absoluteDir();
    const QRegularExpression own(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName() + TemporaryMarker) +
        QStringLiteral("[A-Za-z0-9]{%1}").arg(RandomCharacters)));
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (own.match(name).hasMatch())
            QFile::remove(folder.filePath(name)); // what cannot be removed stays
    }
}

int numberFor(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return ErrorNumber::PermissionDenied;
    case QFileDevice::OpenError:
        return ErrorNumber::PathFileAccess;
    default:
        return DeviceIoError;
    }
}

[[noreturn]] void cannotRead(const QString& path, int number, const QString& reason) {
    throw RunTimeError(
        number, UiText("ListFile", QT_TRANSLATE_NOOP(
                                       "ListFile", "The list file \"%1\" exists but cannot be read "
                                                   "(%2). The list was not loaded."))
                    .arg(path, reason));
}

[[noreturn]] void cannotSave(const QString& path, int number, const QString& reason) {
    throw RunTimeError(
        number, UiText("ListFile",
                       QT_TRANSLATE_NOOP("ListFile", "The list could not be saved to \"%1\" (%2). "
                                                     "The file was left as it was."))
                    .arg(path, reason));
}

int numberForErrno(int error) {
    return error == EACCES || error == EPERM || error == EROFS ? ErrorNumber::PermissionDenied
                                                               : DeviceIoError;
}

// A new file in `folder` without a name (-1 where the file system cannot make
// one): a save killed before the file is whole leaves nothing behind.
int openUnnamed(const QString& folder) {
    static const bool procFs = QFileInfo::exists(QStringLiteral("/proc/self/fd"));
    if (!procFs)
        return -1;
    return ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the file `fd` a name of its own beside `target` (making it when `unnamed`
// is false): its name then, or empty with errno set.
QString nameFor(const QString& target, int& fd, bool unnamed) {
    for (int tries = 0; tries < 10; ++tries) {
        const QString name = temporaryName(target);
        const QByteArray native = QFile::encodeName(name);
        if (unnamed) {
            const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
            if (::linkat(AT_FDCWD, link.constData(), AT_FDCWD, native.constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                return name;
        } else {
            fd = ::open(native.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (fd >= 0)
                return name;
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

// Puts `bytes` into a new file beside `target` (see temporaryName) and renames it
// over `target`: `target` holds either its old content or the new one, whatever
// happens. The new file keeps the permissions of the one it replaces. Throws
// RunTimeError naming `path` when that fails, and removes the new file then.
void replace(const QString& path, const QString& target, const QByteArray& bytes) {
    struct stat existing {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    if (exists && !QFileInfo(target).isWritable())
        cannotSave(path, ErrorNumber::PermissionDenied, QStringLiteral("the file is read-only"));
    int fd = openUnnamed(QFileInfo(target).absolutePath());
    QString name = fd < 0 ? nameFor(target, fd, false) : QString();
    const auto fail = [&] {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(QFile::encodeName(name).constData());
        cannotSave(path, numberForErrno(error), qt_error_string(error));
    };
    if (fd < 0 || (exists && ::fchmod(fd, existing.st_mode & 07777) != 0))
        fail();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno != EINTR)
            fail();
        done += std::max<ssize_t>(wrote, 0);
    }
    if (::fdatasync(fd) != 0 || (name.isEmpty() && (name = nameFor(target, fd, true)).isEmpty()))
        fail();
    ::close(fd);
    fd = -1;
    if (std::rename(QFile::encodeName(name).constData(), QFile::encodeName(target).constData()) !=
        0)
        fail();
}

} // namespace

QString path(const QString& programDir, const QString& fileName) {
    return programDir + QLatin1Char('/') + fileName;
}

Content parse(const QByteArray& bytes, int maxEntries) {
    Content content;
    LineDecoder decoder;
    qsizetype start = 0;
    qsizetype searchFrom = 0;
    takeLines(bytes, start, searchFrom, /*atEnd=*/true, maxEntries, decoder, content.entries);
    content.truncated = start < bytes.size();
    content.encoding = decoder.encoding();
    return content;
}

Encoding encodingFor(const QStringList& entries, Encoding wanted) {
    if (wanted == Encoding::Windows1252 &&
        std::all_of(entries.begin(), entries.end(),
                    [](const QString& entry) { return Windows1252::canEncode(entry); }))
        return Encoding::Windows1252;
    return Encoding::Utf8;
}

QByteArray format(const QStringList& entries, Encoding encoding) {
    // One pass into one buffer: a UTF-16 unit never takes more than three bytes.
    qsizetype units = 0;
    for (const QString& entry : entries)
        units += entry.size();
    const bool utf8 = encoding == Encoding::Utf8;
    QByteArray bytes((utf8 ? 3 : 1) * units + 2 * entries.size(), Qt::Uninitialized);
    QStringEncoder encoder(QStringEncoder::Utf8);
    char* end = bytes.data();
    for (const QString& entry : entries) {
        end = utf8 ? encoder.appendToBuffer(end, entry) : Windows1252::encodeInto(end, entry);
        *end++ = '\r';
        *end++ = '\n';
    }
    bytes.truncate(end - bytes.constData());
    return bytes;
}

Content read(const QString& path, int maxEntries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotRead(path, numberFor(file.error()), file.errorString());

    Content content;
    LineDecoder decoder;
    QByteArray buf;
    qsizetype start = 0;
    qsizetype searchFrom = 0;
    bool atEnd = false;
    for (;;) {
        takeLines(buf, start, searchFrom, atEnd, maxEntries, decoder, content.entries);
        if (content.entries.size() >= maxEntries) {
            content.truncated = start < buf.size() || (!atEnd && !file.atEnd());
            break;
        }
        if (atEnd)
            break;
        // Drop what has been taken, then read on.
        buf.remove(0, start);
        searchFrom -= start;
        start = 0;
        const qsizetype had = buf.size();
        // A line longer than a chunk may well go on to the end of the file: make
        // room for the rest at once instead of growing step by step.
        if (had >= ChunkSize && had + ChunkSize > buf.capacity())
            buf.reserve(had + std::max(ChunkSize, file.size() - file.pos()));
        buf.resize(had + ChunkSize);
        const qint64 got = file.read(buf.data() + had, ChunkSize);
        if (got < 0)
            cannotRead(path, numberFor(file.error()), file.errorString());
        buf.resize(had + got);
        atEnd = got == 0;
    }
    content.encoding = decoder.encoding();
    return content;
}

Encoding write(const QString& path, const QStringList& entries, Encoding encoding) {
    const Encoding written = encodingFor(entries, encoding);
    const QString target = savedFile(path);
    const FolderLock lock(QFileInfo(target).absolutePath());
    removeStrayTemporaries(target, lock);
    replace(path, target, format(entries, written));
    return written;
}

Encoding readInto(ListBox& list, const QString& path, MessageBoxService& messages) {
    {
        const QString target = savedFile(path);
        removeStrayTemporaries(target, FolderLock(QFileInfo(target).absolutePath()));
    }
    if (!ifoChecker::FileExists(path)) {
        const QFileInfo info(path);
        if (!info.exists())
            return Encoding::Utf8; // no list saved yet: the list keeps what it has
        if (info.isDir())
            cannotRead(path, ErrorNumber::PathFileAccess, QStringLiteral("it is a folder"));
        if (!info.isFile())
            cannotRead(path, ErrorNumber::PathFileAccess,
                       QStringLiteral("it is not a regular file"));
        QFile file(path);
        const bool opened = file.open(QIODevice::ReadOnly);
        cannotRead(path, ErrorNumber::PermissionDenied,
                   opened ? QStringLiteral("it could not be opened") : file.errorString());
    }
    const Content content = read(path, MaxEntries);
    list.setItems(content.entries);
    if (content.truncated)
        messages.show(truncatedNotice(path), MsgBoxStyle::Exclamation, Product::name);
    return content.encoding;
}

Encoding writeFrom(const ListBox& list, const QString& path, Encoding encoding) {
    return write(path, list.items(), encoding);
}

QString truncatedNotice(const QString& path) {
    return QCoreApplication::translate(
               "ListFile", "The list file \"%1\" holds more than %2 entries, the most a list can "
                           "hold. Only the first %2 were loaded; the rest were not loaded, and "
                           "saving this list will leave them out of the file.")
        .arg(path)
        .arg(MaxEntries);
}

} // namespace ListFile
