// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI document in memory: standard C++ only, so it can be tested and fuzzed alone.
// Reading: lines trimmed of blanks, empty lines and ";" lines skipped, "[name]" opens a
// section, a line with "=" in a section is a key (name and value trimmed, split at the
// first "="), lines before the first section dropped. Names are found without regard to
// ASCII letter case. Writing: "[name]", the key lines "key=value", one empty line, CR LF.
//
// Details of reading: a line ends at CR LF, LF or a lone CR; the blanks trimmed are the
// space and the control characters (bytes 0x00 to 0x20); a line in a section without "="
// is dropped. Duplicate sections and keys are kept in file order; lookup finds the first.
// A document read back from its own serialize() equals the original.
class IniDocument {
public:
    struct Key {
        std::string name;
        std::string value;
        friend bool operator==(const Key &, const Key &) = default;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
        const Key *findKey(std::string_view name) const;        // case-insensitive
        void add(std::string name, std::string value) { keys.push_back({std::move(name), std::move(value)}); }
        friend bool operator==(const Section &, const Section &) = default;
    };

    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    const std::vector<Section> &sections() const { return m_sections; }
    const Section *findSection(std::string_view name) const;    // case-insensitive
    Section *findSection(std::string_view name);                // case-insensitive
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    Section &addSection(std::string name);                      // appended, even if the name exists
    void eraseSectionsWithPrefix(std::string_view prefix);      // compared with letter case
    void clear() { m_sections.clear(); }

    friend bool operator==(const IniDocument &, const IniDocument &) = default;

    // ASCII case-insensitive equality, the comparison every lookup uses.
    static bool sameName(std::string_view a, std::string_view b);

private:
    std::vector<Section> m_sections;
};
