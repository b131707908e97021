#include "ini_document.h"

namespace {

bool IsLead(unsigned char byte) { return byte >= 0x80; }

// Offset of the first `wanted` byte at a character start at or after
// `from`, or npos. A trail byte may look like "]" or "[", so the scan
// steps over two-byte characters.
std::size_t FindAtCharStart(const std::string& text, std::size_t from, char wanted) {
    std::size_t i = from;
    while (i < text.size()) {
        if (text[i] == wanted) return i;
        i += (IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    return std::string::npos;
}

// The longest prefix of at most `limit` bytes that ends at a character end.
std::size_t CapAtCharEnd(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t i = 0;
    while (i < limit) {
        const std::size_t size = IsLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + size > limit) break;
        i += size;
    }
    return i;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

IniDocument::Line IniDocument::ClassifyLine(std::string text, std::string ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    if (line.text.empty()) return line;
    if (line.text[0] == '[') {
        const std::size_t close = FindAtCharStart(line.text, 1, ']');
        if (close != std::string::npos) {
            line.kind = LineKind::Section;
            line.nameEnd = close;
        }
        return line;
    }
    if (line.text[0] == ';') return line;  // a comment
    // "=" is below every trail byte, so a plain search finds the first one.
    const std::size_t equals = line.text.find('=');
    if (equals != std::string::npos) {
        line.kind = LineKind::Key;
        line.nameEnd = equals;
    }
    return line;
}

IniDocument IniDocument::Parse(const std::string& bytes) {
    IniDocument document;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        if (newline == std::string::npos) {
            document.lines_.push_back(ClassifyLine(bytes.substr(start), ""));
            break;
        }
        std::size_t textEnd = newline;
        if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
        document.lines_.push_back(ClassifyLine(bytes.substr(start, textEnd - start),
                                               bytes.substr(textEnd, newline + 1 - textEnd)));
        start = newline + 1;
    }
    return document;
}

std::string IniDocument::Serialise() const {
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + line.ending.size();
    std::string bytes;
    bytes.reserve(size);
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

namespace {

// True when text[from, from + length) is exactly `name`.
bool NameIs(const std::string& text, std::size_t from, std::size_t length, const std::string& name) {
    return length == name.size() && text.compare(from, length, name) == 0;
}

}  // namespace

std::size_t IniDocument::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section && NameIs(line.text, 1, line.nameEnd - 1, section)) return i;
    }
    return std::string::npos;
}

std::optional<std::string> IniDocument::Get(const std::string& section, const std::string& key) const {
    const std::size_t sectionLine = FindSection(section);
    if (sectionLine == std::string::npos) return std::nullopt;
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section) break;
        if (line.kind == LineKind::Key && NameIs(line.text, 0, line.nameEnd, key)) {
            const std::string value = line.text.substr(line.nameEnd + 1);
            return value.substr(0, CapAtCharEnd(value, kMaxValueBytes));
        }
    }
    return std::nullopt;
}

void IniDocument::EndLastLine() {
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = "\r\n";
}

bool IniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
    // A name is writable when the line written for it reads back as that name.
    if (HasLineBreak(section) || HasLineBreak(key)) return false;
    const Line sectionText = ClassifyLine("[" + section + "]", "\r\n");
    if (sectionText.kind != LineKind::Section || sectionText.nameEnd != section.size() + 1) return false;
    const Line keyText = ClassifyLine(key + "=" + value.substr(0, value.find_first_of("\r\n")), "\r\n");
    if (keyText.kind != LineKind::Key || keyText.nameEnd != key.size()) return false;

    const std::size_t sectionLine = FindSection(section);
    if (sectionLine == std::string::npos) {
        EndLastLine();
        lines_.push_back(sectionText);
        lines_.push_back(keyText);
        return true;
    }
    std::size_t insertAfter = sectionLine;
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.kind == LineKind::Section) break;
        if (line.kind != LineKind::Key) continue;
        if (NameIs(line.text, 0, line.nameEnd, key)) {
            line.text = keyText.text;
            return true;
        }
        insertAfter = i;
    }
    if (lines_[insertAfter].ending.empty()) lines_[insertAfter].ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1, keyText);
    return true;
}
