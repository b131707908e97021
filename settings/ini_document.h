// A private-profile (INI) file held as its lines, so that a rewrite keeps
// every byte it did not change: comments, blank lines, junk, line ends.
//
// Names are GBK bytes compared exactly, without trimming: "a " and "a" are
// two keys. Values are everything after the first "=" of a key line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class IniDocument {
public:
    // A reader gets at most this many bytes of a value.
    static constexpr std::size_t kMaxValueBytes = 10240;

    IniDocument() = default;
    // Lines end in CR LF or a lone LF; any bytes are accepted.
    static IniDocument Parse(const std::string& bytes);
    std::string Serialise() const;

    // The value of `key` in the first section named `section`, cut to
    // kMaxValueBytes (never inside a two-byte character).
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;

    // Replaces the value of an existing key in place; a new key goes after
    // the last key line of its section, a new section at the end of the
    // file. A value is one line: it is cut at its first CR or LF. Returns
    // false (and changes nothing) for a name that cannot be written: a
    // section with "]", a key with "=" or starting with ";" or "[", or
    // either with a line break.
    bool Set(const std::string& section, const std::string& key, const std::string& value);

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        LineKind kind = LineKind::Other;
        std::string text;    // without its line end
        std::string ending;  // "\r\n", "\n" or "" for a last line without one
        std::size_t nameEnd = 0;  // Key: offset of the "="; Section: offset of the "]"
    };

    static Line ClassifyLine(std::string text, std::string ending);
    // Index of the first section line named `section`, or npos.
    std::size_t FindSection(const std::string& section) const;
    void EndLastLine();

    std::vector<Line> lines_;
};
