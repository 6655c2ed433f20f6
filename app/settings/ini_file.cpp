#include "app/settings/ini_file.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>

namespace slidemint {
namespace {

std::string trimmed(const std::string& text) {
    const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The name of a "[section]" line, or nothing when the line is not a header.
bool sectionHeader(const std::string& line, std::string& name) {
    const std::string text = trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') return false;
    name = trimmed(text.substr(1, text.size() - 2));
    return true;
}

bool isComment(const std::string& text) {
    return text.empty() || text.front() == ';' || text.front() == '#';
}

bool keyLine(const std::string& line, std::string& key, std::string& value) {
    const std::string text = trimmed(line);
    const auto equals = text.find('=');
    if (isComment(text) || equals == std::string::npos) return false;
    key = trimmed(text.substr(0, equals));
    value = trimmed(text.substr(equals + 1));
    return true;
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    std::ifstream in(fileName_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
    }
}

TIniFile::Location TIniFile::find(const std::string& section, const std::string& key) const {
    Location where;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        std::string name, value;
        if (sectionHeader(lines_[i], name)) {
            inSection = sameName(name, section);
            if (inSection && where.sectionLine < 0) {
                where.sectionLine = i;
                where.insertLine = i + 1;
            }
            continue;
        }
        if (!inSection || !keyLine(lines_[i], name, value)) continue;
        where.insertLine = i + 1;
        if (where.keyLine < 0 && sameName(name, key)) where.keyLine = i;
    }
    return where;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const Location where = find(section, key);
    if (where.keyLine < 0) return defaultValue;
    std::string name, value;
    keyLine(lines_[where.keyLine], name, value);
    return value;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    const std::string text = ReadString(section, key, std::string());
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return defaultValue;
    return value;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    const std::string line = key + "=" + value;
    const Location where = find(section, key);
    if (where.keyLine >= 0) {
        lines_[where.keyLine] = line;
    } else if (where.sectionLine >= 0) {
        lines_.insert(lines_.begin() + where.insertLine, line);
    } else {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
    }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::UpdateFile() const {
    std::ofstream out(fileName_, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines_) out << line << "\n";
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace slidemint
