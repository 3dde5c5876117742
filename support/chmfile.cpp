// SPDX-License-Identifier: MIT
#include "support/chmfile.h"

#include "support/helptext.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

#include <chm_lib.h>

namespace {

// Codes of the entries of /#SYSTEM that the viewer uses.
enum SystemCode : quint16 { ContentsFileCode = 0, DefaultTopicCode = 2, TitleCode = 3 };

quint32 littleEndian32(const QByteArray &data, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<quint32>(static_cast<uchar>(data[at + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

quint16 littleEndian16(const QByteArray &data, qsizetype at)
{
    return static_cast<quint16>(static_cast<uchar>(data[at]) | static_cast<uchar>(data[at + 1]) << 8);
}

// A string of the system data or the string table: up to its terminating NUL.
QString zeroTerminatedText(const QByteArray &data, qsizetype at, qsizetype maxLength)
{
    QByteArray bytes = data.mid(at, maxLength);
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return decodeHelpText(bytes);
}

int collectObjectPath(chmFile *, chmUnitInfo *info, void *context)
{
    auto *paths = static_cast<QStringList *>(context);
    const QString path = QString::fromUtf8(info->path);
    if (path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("/#"))
        && !path.startsWith(QLatin1String("/$")))
        paths->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    chmFile *handle = chm_open(QFile::encodeName(path).constData());
    if (!handle)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(handle));
    file->readSystemData();
    file->readContextMap();
    return file;
}

ChmFile::ChmFile(chmFile *handle) : m_handle(handle) {}

ChmFile::~ChmFile()
{
    chm_close(m_handle);
}

bool ChmFile::contains(const QString &objectPath) const
{
    chmUnitInfo info;
    return chm_resolve_object(m_handle, objectPath.toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmFile::read(const QString &objectPath) const
{
    chmUnitInfo info;
    if (chm_resolve_object(m_handle, objectPath.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // Help files hold small objects; anything that does not fit a QByteArray is damage.
    if (info.length > static_cast<LONGUINT64>(std::numeric_limits<int>::max()))
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(info.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(m_handle, &info, reinterpret_cast<unsigned char *>(data.data()), 0,
                                              static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return data;
}

QStringList ChmFile::objectPaths() const
{
    QStringList paths;
    chm_enumerate(m_handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectObjectPath, &paths);
    return paths;
}

std::optional<QString> ChmFile::topicForContext(quint32 context) const
{
    const auto found = m_contextTopics.constFind(context);
    if (found == m_contextTopics.constEnd())
        return std::nullopt;
    return *found;
}

QString ChmFile::objectPathOf(const QString &reference)
{
    QString path = reference.trimmed();
    const qsizetype storeSeparator = path.indexOf(QLatin1String("::"));
    if (storeSeparator >= 0
        && (path.startsWith(QLatin1String("ms-its:"), Qt::CaseInsensitive)
            || path.startsWith(QLatin1String("mk:@MSITStore:"), Qt::CaseInsensitive)
            || path.startsWith(QLatin1String("its:"), Qt::CaseInsensitive)))
        path = path.mid(storeSeparator + 2);
    const qsizetype cut = path.indexOf(QRegularExpression(QStringLiteral("[#?]")));
    if (cut >= 0)
        path.truncate(cut);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

// /#SYSTEM: a 32-bit version, then entries of a 16-bit code, a 16-bit length and that
// many bytes of data.
void ChmFile::readSystemData()
{
    const auto system = read(QStringLiteral("/#SYSTEM"));
    if (system) {
        const QByteArray &data = *system;
        qsizetype at = 4;
        while (at + 4 <= data.size()) {
            const quint16 code = littleEndian16(data, at);
            const quint16 length = littleEndian16(data, at + 2);
            at += 4;
            if (at + length > data.size())
                break;
            const QString text = zeroTerminatedText(data, at, length);
            if (code == ContentsFileCode && m_contentsFile.isEmpty())
                m_contentsFile = existingObjectFor(text);
            else if (code == DefaultTopicCode && m_defaultTopic.isEmpty())
                m_defaultTopic = existingObjectFor(text);
            else if (code == TitleCode && m_title.isEmpty())
                m_title = text;
            at += length;
        }
    }
    if (m_contentsFile.isEmpty()) {
        for (const QString &path : objectPaths()) {
            if (path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
                m_contentsFile = path;
                break;
            }
        }
    }
}

// /#IVB: a 32-bit byte count, then pairs of 32-bit numbers, the context number and the
// offset of the topic's name in /#STRINGS.
void ChmFile::readContextMap()
{
    const auto map = read(QStringLiteral("/#IVB"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!map || !strings || map->size() < 4)
        return;
    const qsizetype end = std::min<qsizetype>(map->size(), 4 + qsizetype(littleEndian32(*map, 0)));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        const quint32 context = littleEndian32(*map, at);
        const quint32 offset = littleEndian32(*map, at + 4);
        if (offset >= static_cast<quint32>(strings->size()))
            continue;
        const QString topic = existingObjectFor(zeroTerminatedText(*strings, offset, strings->size() - offset));
        if (!topic.isEmpty() && !m_contextTopics.contains(context))
            m_contextTopics.insert(context, topic);
    }
}

// The object a name from the system data or the string table stands for. Compilers
// store it relative to the project ("sub/topic.html") or, as chmcmd does for context
// topics, with the project folder's full path in front; the longest tail of the name
// that the file holds is the object.
QString ChmFile::existingObjectFor(const QString &storedPath) const
{
    if (storedPath.isEmpty())
        return {};
    QString path = objectPathOf(storedPath);
    while (!path.isEmpty()) {
        if (contains(path))
            return path;
        const qsizetype next = path.indexOf(QLatin1Char('/'), 1);
        if (next < 0)
            break;
        path = path.mid(next);
    }
    return {};
}
