#include "registry_script.h"

#include <algorithm>

namespace gamereg {

namespace {

std::vector<std::string_view> SplitLines(std::string_view script) {
    std::vector<std::string_view> lines;
    while (true) {
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        script.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Reads a quoted name at the start of `s`; on success leaves `s` after the
// closing quote. Escapes are "\\" and "\"".
bool ReadQuoted(std::string_view& s, Text& name) {
    if (s.empty() || s.front() != '"') return false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < s.size()) {
            name += s[++i];
        } else if (IsLeadByte(c) && i + 1 < s.size()) {
            name += s.substr(i, 2);
            ++i;
        } else {
            name += c;
        }
    }
    return false;
}

ScriptLine InvalidLine() {
    ScriptLine line;
    line.kind = ScriptLine::Kind::Invalid;
    return line;
}

ScriptLine ParseValueLine(std::string_view line) {
    ScriptLine value;
    value.kind = ScriptLine::Kind::Value;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else if (!ReadQuoted(line, value.valueName)) {
        return InvalidLine();
    }
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '=') return InvalidLine();
    value.data = TrimBlanks(line.substr(1));
    value.remove = value.data == "-";
    return value;
}

}  // namespace

bool SameRegistryName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

RegistryScript ParseRegistryScript(std::string_view script) {
    const std::vector<std::string_view> lines = SplitLines(script);
    RegistryScript parsed;
    parsed.header = lines.front();
    Text currentKey;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = TrimBlanks(lines[i]);
        ScriptLine entry;
        if (line.empty()) {
            entry.kind = ScriptLine::Kind::Empty;
        } else if (line.front() == ';') {
            entry.kind = ScriptLine::Kind::Comment;
        } else if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            std::string_view path = line.substr(1, line.size() - 2);
            entry.kind = ScriptLine::Kind::Key;
            entry.remove = path.front() == '-';
            if (entry.remove) path.remove_prefix(1);
            entry.keyPath = currentKey = Text(path);
        } else {
            entry = ParseValueLine(line);
            entry.keyPath = currentKey;
            // Hex data goes on over lines that end in "\".
            while (entry.kind == ScriptLine::Kind::Value && !entry.data.empty() &&
                   entry.data.back() == '\\' && entry.data.front() != '"' && i + 1 < lines.size()) {
                entry.data.pop_back();
                entry.data += TrimBlanks(lines[++i]);
            }
        }
        entry.number = number;
        parsed.lines.push_back(std::move(entry));
    }
    return parsed;
}

}  // namespace gamereg
