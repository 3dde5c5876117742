// SPDX-License-Identifier: MIT
#include "support/inidocument.h"

#include <algorithm>
#include <utility>

namespace {

// Bytes of 0x80 and up belong to multi-byte characters and are never blanks.
bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Calls fn for each line of text; CR LF, LF and a lone CR all end a line.
template<typename Fn>
void forEachLine(std::string_view text, Fn &&fn)
{
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            fn(text);
            return;
        }
        fn(text.substr(0, end));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

} // namespace

bool IniDocument::sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

const IniDocument::Key *IniDocument::Section::findKey(std::string_view name) const
{
    const auto it = std::ranges::find_if(keys, [name](const Key &key) { return sameName(key.name, name); });
    return it == keys.end() ? nullptr : &*it;
}

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument document;
    Section *current = nullptr;
    forEachLine(text, [&](std::string_view rawLine) {
        const std::string_view line = trimmed(rawLine);
        if (line.empty() || line.front() == ';')
            return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &document.addSection(std::string(trimmed(line.substr(1, line.size() - 2))));
            return;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            return;
        current->add(std::string(trimmed(line.substr(0, equals))), std::string(trimmed(line.substr(equals + 1))));
    });
    return document;
}

std::string IniDocument::serialize() const
{
    std::string text;
    for (const Section &section : m_sections) {
        text += '[';
        text += section.name;
        text += "]\r\n";
        for (const Key &key : section.keys) {
            text += key.name;
            text += '=';
            text += key.value;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

const IniDocument::Section *IniDocument::findSection(std::string_view name) const
{
    const auto it = std::ranges::find_if(m_sections, [name](const Section &s) { return sameName(s.name, name); });
    return it == m_sections.end() ? nullptr : &*it;
}

IniDocument::Section *IniDocument::findSection(std::string_view name)
{
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const Section *found = findSection(section);
    if (found == nullptr)
        return std::nullopt;
    const Key *entry = found->findKey(key);
    if (entry == nullptr)
        return std::nullopt;
    return entry->value;
}

IniDocument::Section &IniDocument::addSection(std::string name)
{
    m_sections.push_back({std::move(name), {}});
    return m_sections.back();
}

void IniDocument::eraseSectionsWithPrefix(std::string_view prefix)
{
    std::erase_if(m_sections, [prefix](const Section &s) { return std::string_view(s.name).starts_with(prefix); });
}
