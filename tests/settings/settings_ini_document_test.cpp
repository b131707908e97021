#include "ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using std::string_literals::operator""s;

TEST(IniDocument, GetsValuesByExactNames) {
    struct Case {
        std::string file, section, key;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"[a]\r\nk=v\r\n", "a", "k", "v"},
        {"[a]\nk=v\n", "a", "k", "v"},                       // lone LF
        {"[a]\r\nk=v", "a", "k", "v"},                       // no line end at the end
        {"[a]\r\nk= v \r\n", "a", "k", " v "},               // untrimmed
        {"[a]\r\nk=a=b\r\n", "a", "k", "a=b"},               // after the first "="
        {"[a]\r\nk=\r\n", "a", "k", ""}, {"[a]\r\n\r\njunk\r\nk=1\r\n", "a", "k", "1"},
        {"[a]\r\nk=1\r2\r\n", "a", "k", "1\r2"},             // a lone CR is not a line end
        {"[其他设置]\r\n按esc退出=真\r\n", "其他设置", "按esc退出 ", std::nullopt},
        {"[其他设置]\r\n按esc退出 =真\r\n", "其他设置", "按esc退出", std::nullopt},
        {"[其他设置]\r\n按esc退出 =真\r\n", "其他设置", "按esc退出 ", "真"},
        {"[a]\r\n k=1\r\n", "a", "k", std::nullopt}, {"[ a ]\r\nk=1\r\n", "a", "k", std::nullopt},
        {"[ a ]\r\nk=1\r\n", " a ", "k", "1"},       {"[A]\r\nk=1\r\n", "a", "k", std::nullopt},
        {"[a]\r\nK=1\r\n", "a", "k", std::nullopt}, {"[a]\r\nk=1\r\n[b]\r\n", "b", "k", std::nullopt},
        {"k=1\r\n[a]\r\n", "a", "k", std::nullopt},          // a key before any section
        {"[a]\r\nk=1\r\n[a]\r\nk=2\r\n", "a", "k", "1"},     // the first section counts
        {"[a]\r\n[a]\r\nj=2\r\n", "a", "j", std::nullopt},
        {"[a]\r\nk=1\r\nk=2\r\n", "a", "k", "1"},
        {"[a]\r\n;k=1\r\n", "a", "k", std::nullopt},         // a comment
        {"[a] note\r\nk=1\r\n", "a", "k", "1"},
        {"[a\r\nk=1\r\n", "a", "k", std::nullopt},           // no "]": not a section
        {"[乚]\r\nk=1\r\n", "乚", "k", "1"},                 // "乚" is 81 5D: its trail byte is "]"
        {"[a]\r\nk=1\0 2\r\n"s, "a", "k", "1\0 2"s},
        {"\xFF\xFE\x00\x01\r\n[a]\r\nk=\x80\xFF\r\n"s, "a", "k", "\x80\xFF"},
        {"[a]\r\n=1\r\n", "a", "", "1"},
        {"", "a", "k", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " / " + c.section + " / " + c.key);
        EXPECT_EQ(IniDocument::Parse(c.file).Get(c.section, c.key), c.expected);
    }
}

TEST(IniDocument, CapsAValueAtACharacterEnd) {
    struct Case {
        std::string value;
        std::size_t expectedSize;
    };
    std::string chinese = "a";
    for (int i = 0; i < 5200; ++i) chinese += "真";
    const Case cases[] = {
        {std::string(10240, 'x'), 10240},
        {std::string(10300, 'x'), 10240},
        {chinese, 10239},                    // "a" then a character across the limit
        {chinese.substr(1), 10240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.size());
        const std::optional<std::string> got = IniDocument::Parse("[a]\r\nk=" + c.value + "\r\n").Get("a", "k");
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->size(), c.expectedSize);
        EXPECT_EQ(*got, c.value.substr(0, c.expectedSize));
    }
}

TEST(IniDocument, SerialisesEveryFileByteExactly) {
    const std::string files[] = {
        "", "\r\n", "\n\n", "; comment\r\n[a]\r\nk=1\r\n\r\njunk line\r\n[b]\nm = 2 \n", "[a]\r\nk=1",
        "no sections at all", "[a]\r\nk=1\r\r\n\r", "\0\x01\x02\xFF[a]\r\n\x80=\x81\0\r\n"s,
        "[乚]\r\n按esc退出 =真\r\n",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(IniDocument::Parse(file).Serialise(), file);
    }
}

TEST(IniDocument, SetsAKeyKeepingTheRestOfTheFile) {
    struct Case {
        std::string before, section, key, value, after;
    };
    const Case cases[] = {
        // In place, other lines and their line ends untouched.
        {"; c\r\n[a]\r\nk=1\r\nj=2\n", "a", "k", "xyz", "; c\r\n[a]\r\nk=xyz\r\nj=2\n"},
        {"[a]\nk=1\n", "a", "k", "2", "[a]\nk=2\n"},
        {"[a]\r\nk=1", "a", "k", "", "[a]\r\nk="},
        {"[a]\r\nk=1\r\nk=2\r\n", "a", "k", "3", "[a]\r\nk=3\r\nk=2\r\n"},
        {"[a]\r\nk=1\r\n[a]\r\nk=2\r\n", "a", "k", "3", "[a]\r\nk=3\r\n[a]\r\nk=2\r\n"},
        // A new key after the last key line of its section.
        {"[a]\r\nk=1\r\n\r\n[b]\r\nm=2\r\n", "a", "n", "3", "[a]\r\nk=1\r\nn=3\r\n\r\n[b]\r\nm=2\r\n"},
        {"[a]\r\nk=1\r\njunk\r\n", "a", "n", "3", "[a]\r\nk=1\r\nn=3\r\njunk\r\n"},
        {"[a]\r\n\r\n[b]\r\n", "a", "n", "3", "[a]\r\nn=3\r\n\r\n[b]\r\n"},
        {"[a]\r\n;n=1\r\n", "a", "n", "2", "[a]\r\nn=2\r\n;n=1\r\n"},
        {"[a]\r\nk=1", "a", "n", "3", "[a]\r\nk=1\r\nn=3\r\n"},
        {"[a]", "a", "n", "3", "[a]\r\nn=3\r\n"},
        // A new section at the end of the file.
        {"", "b", "n", "3", "[b]\r\nn=3\r\n"},
        {"[a]\r\nk=1\r\n", "b", "n", "3", "[a]\r\nk=1\r\n[b]\r\nn=3\r\n"},
        {"junk", "b", "n", "3", "junk\r\n[b]\r\nn=3\r\n"},
        {"[a]\nk=1\n", "b", "n", "3", "[a]\nk=1\n[b]\r\nn=3\r\n"},
        // Exact names.
        {"[其他设置]\r\n按esc退出=真\r\n", "其他设置", "按esc退出 ", "假",
         "[其他设置]\r\n按esc退出=真\r\n按esc退出 =假\r\n"},
        {"[a ]\r\nk=1\r\n", "a", "k", "2", "[a ]\r\nk=1\r\n[a]\r\nk=2\r\n"},
        {"[乚]\r\nk=1\r\n", "乚", "k", "2", "[乚]\r\nk=2\r\n"},
        // A value is one line.
        {"[a]\r\nk=1\r\n", "a", "k", "5\r\n[x]\r\ny=6", "[a]\r\nk=5\r\n"},
        {"[a]\r\nk=1\r\n", "a", "k", "\n", "[a]\r\nk=\r\n"},
        {"[a]\r\n", "a", "k", "1\0 2"s, "[a]\r\nk=1\0 2\r\n"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before + " / " + c.section + " / " + c.key + " = " + c.value);
        IniDocument document = IniDocument::Parse(c.before);
        EXPECT_TRUE(document.Set(c.section, c.key, c.value));
        EXPECT_EQ(document.Serialise(), c.after);
        // What was written reads back.
        const std::string oneLine = c.value.substr(0, c.value.find_first_of("\r\n"));
        EXPECT_EQ(IniDocument::Parse(document.Serialise()).Get(c.section, c.key), oneLine);
    }
}

TEST(IniDocument, RefusesNamesThatWouldNotReadBack) {
    struct Case {
        std::string section, key;
    };
    const Case cases[] = {
        {"a]b", "k"},   {"a\r\n", "k"}, {"a\nb", "k"}, {"a\xD5", "k"},  // a lead byte would swallow the "]"
        {"a", "k=1"},   {"a", ";k"},    {"a", "[k"},   {"a", "k\r"},    {"a", "k\nj"},
    };
    const std::string file = "[a]\r\nk=1\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section + " / " + c.key);
        IniDocument document = IniDocument::Parse(file);
        EXPECT_FALSE(document.Set(c.section, c.key, "2"));
        EXPECT_EQ(document.Serialise(), file);
    }
}

TEST(IniDocument, HandlesALargeFileInOnePass) {
    std::string file = "[a]\r\n";
    for (int i = 0; i < 100000; ++i) file += "key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    IniDocument document = IniDocument::Parse(file);
    EXPECT_EQ(document.Get("a", "key99999"), "99999");
    EXPECT_TRUE(document.Set("a", "last", "x"));
    EXPECT_EQ(document.Serialise(), file + "last=x\r\n");
}

}  // namespace
