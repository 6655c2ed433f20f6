#pragma once

#include <string>
#include <vector>

namespace slidemint {

// A small INI text file: sections in square brackets, key=value lines.
// Section and key names compare without regard to case; everything else in
// the file (comments, blank lines, unknown keys) is kept as it stands when a
// value is written. A missing or unreadable file reads as empty.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The value as a decimal integer; the default when missing or not a number.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // True for any integer other than 0; the default when missing or not a number.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    // Written as 1 or 0.
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the text back to FileName(); false when the file cannot be written.
    bool UpdateFile() const;

private:
    struct Location {
        int sectionLine = -1;  // line of the "[section]" header, -1 when absent
        int keyLine = -1;      // line of the key, -1 when absent
        int insertLine = 0;    // where a new key of the section goes
    };

    Location find(const std::string& section, const std::string& key) const;

    std::string fileName_;
    std::vector<std::string> lines_;
};

}  // namespace slidemint
