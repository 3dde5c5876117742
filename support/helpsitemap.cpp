// SPDX-License-Identifier: MIT
#include "support/helpsitemap.h"

#include "support/helptext.h"

#include <QHash>

namespace {

struct Tag {
    QString name;     // lower case; "/ul" for a closing tag
    QHash<QString, QString> attributes; // names lower case, values decoded
};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// Reads the tag that starts at html[at] == '<'; at moves past its '>'.
Tag readTag(const QString &html, qsizetype &at)
{
    Tag tag;
    qsizetype i = at + 1;
    const qsizetype size = html.size();
    const qsizetype nameStart = i;
    while (i < size && !isSpace(html[i]) && html[i] != u'>' && !(html[i] == u'/' && i > nameStart))
        ++i;
    tag.name = html.mid(nameStart, i - nameStart).toLower();
    while (i < size && html[i] != u'>') {
        if (isSpace(html[i]) || html[i] == u'/') {
            ++i;
            continue;
        }
        const qsizetype attributeStart = i;
        while (i < size && !isSpace(html[i]) && html[i] != u'=' && html[i] != u'>')
            ++i;
        const QString attribute = html.mid(attributeStart, i - attributeStart).toLower();
        while (i < size && isSpace(html[i]))
            ++i;
        QString value;
        if (i < size && html[i] == u'=') {
            ++i;
            while (i < size && isSpace(html[i]))
                ++i;
            if (i < size && (html[i] == u'"' || html[i] == u'\'')) {
                const QChar quote = html[i];
                const qsizetype close = html.indexOf(quote, i + 1);
                const qsizetype valueEnd = close < 0 ? size : close;
                value = html.mid(i + 1, valueEnd - i - 1);
                i = close < 0 ? size : close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < size && !isSpace(html[i]) && html[i] != u'>')
                    ++i;
                value = html.mid(valueStart, i - valueStart);
            }
        }
        if (!attribute.isEmpty() && !tag.attributes.contains(attribute))
            tag.attributes.insert(attribute, decodeHtmlEntities(value));
    }
    at = i < size ? i + 1 : size;
    return tag;
}

} // namespace

std::vector<HelpSitemapEntry> parseHelpSitemap(const QString &html)
{
    std::vector<HelpSitemapEntry> root;
    // The lists that the open <UL> tags stand for, innermost last. Only the innermost
    // list grows while it is open, so the pointers to the outer ones stay valid.
    std::vector<std::vector<HelpSitemapEntry> *> lists;
    bool inSitemapObject = false;
    HelpSitemapEntry pending;
    bool nameSeen = false;
    bool localSeen = false;

    qsizetype at = 0;
    while ((at = html.indexOf(u'<', at)) >= 0) {
        if (QStringView(html).mid(at).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), at + 4);
            at = end < 0 ? html.size() : end + 3;
            continue;
        }
        const Tag tag = readTag(html, at);
        if (tag.name == u"ul") {
            std::vector<HelpSitemapEntry> *parent = lists.empty() ? &root : lists.back();
            // A list straight inside a list, with no entry to hang it on, adds to the
            // list around it.
            if (lists.empty() || parent->empty())
                lists.push_back(parent);
            else
                lists.push_back(&parent->back().children);
        } else if (tag.name == u"/ul") {
            if (!lists.empty())
                lists.pop_back();
        } else if (tag.name == u"object") {
            inSitemapObject = tag.attributes.value(QStringLiteral("type")).compare(
                                  QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
            pending = {};
            nameSeen = localSeen = false;
        } else if (tag.name == u"param" && inSitemapObject) {
            const QString name = tag.attributes.value(QStringLiteral("name")).toLower();
            const QString value = tag.attributes.value(QStringLiteral("value"));
            if (name == u"name" && !nameSeen) {
                pending.name = value.trimmed();
                nameSeen = true;
            } else if (name == u"local" && !localSeen) {
                pending.local = value.trimmed();
                localSeen = true;
            }
        } else if (tag.name == u"/object" && inSitemapObject) {
            inSitemapObject = false;
            if (pending.name.isEmpty())
                pending.name = pending.local;
            if (!pending.name.isEmpty()) {
                std::vector<HelpSitemapEntry> *list = lists.empty() ? &root : lists.back();
                list->push_back(std::move(pending));
            }
            pending = {};
        }
    }
    return root;
}
