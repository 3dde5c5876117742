// SPDX-License-Identifier: MIT
#include "support/helptext.h"

#include <QStringDecoder>

#include <array>
#include <utility>

QString decodeHelpText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

namespace {

constexpr std::array<std::pair<const char *, char16_t>, 6> kNamedReferences{{
    {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u'\u00A0'},
}};

// The code point of a numeric reference's digits ("38" or "x26"), 0 when malformed.
char32_t numericReference(QStringView digits)
{
    int base = 10;
    if (digits.startsWith(u'x') || digits.startsWith(u'X')) {
        base = 16;
        digits = digits.mid(1);
    }
    if (digits.isEmpty() || digits.size() > 8)
        return 0;
    char32_t value = 0;
    for (const QChar c : digits) {
        const int digit = c >= u'0' && c <= u'9' ? c.unicode() - u'0'
            : base == 16 && c >= u'a' && c <= u'f' ? c.unicode() - u'a' + 10
            : base == 16 && c >= u'A' && c <= u'F' ? c.unicode() - u'A' + 10
            : -1;
        if (digit < 0)
            return 0;
        value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
    }
    return value <= 0x10FFFF ? value : 0;
}

} // namespace

QString decodeHtmlEntities(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype amp = text.indexOf(u'&', at);
        if (amp < 0) {
            result.append(QStringView(text).mid(at));
            break;
        }
        result.append(QStringView(text).mid(at, amp - at));
        const qsizetype semicolon = text.indexOf(u';', amp + 1);
        bool replaced = false;
        if (semicolon > amp + 1 && semicolon - amp <= 10) {
            const QStringView name = QStringView(text).mid(amp + 1, semicolon - amp - 1);
            if (name.startsWith(u'#')) {
                if (const char32_t code = numericReference(name.mid(1))) {
                    result.append(QString::fromUcs4(&code, 1));
                    replaced = true;
                }
            } else {
                for (const auto &[entity, character] : kNamedReferences) {
                    if (name.compare(QLatin1String(entity), Qt::CaseInsensitive) == 0) {
                        result.append(QChar(character));
                        replaced = true;
                        break;
                    }
                }
            }
        }
        if (replaced) {
            at = semicolon + 1;
        } else {
            result.append(u'&');
            at = amp + 1;
        }
    }
    return result;
}
