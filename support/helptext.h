// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Text stored in a help file: UTF-8 where it is valid UTF-8, otherwise the single-byte
// text that older help compilers write, read as Latin-1.
QString decodeHelpText(const QByteArray &bytes);

// Replaces the character references of HTML text: &amp; &lt; &gt; &quot; &apos; &nbsp;
// and numeric references (&#38; &#x26;). Unknown or malformed references stay as they are.
QString decodeHtmlEntities(const QString &text);
