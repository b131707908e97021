// 打印 from the real main window to a real printer: the session's CUPS
// scheduler with its cups-pdf printer "PDF" (.ci/wine_session.sh), the
// print dialog's OK pressed, the PDF read back with poppler's pdftotext.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "dialog_script.h"
#include "window_fixture.h"

namespace {

// A path in Unix form and back, by Wine's own mapping of its drives.
std::string UnixPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    char* unix = toUnix(windowsPath.c_str());
    std::string path = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

std::wstring WindowsPath(const std::string& unixPath) {
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
    if (!toDos) return std::wstring();
    WCHAR* dos = toDos(unixPath.c_str());
    std::wstring path = dos ? dos : L"";
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

std::wstring Utf8ToWide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    return wide;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Runs a script with the Unix shell and returns its output, or the empty
// text after `failure` is set. Wine starts a Unix program on request but
// neither waits for it nor hands back its exit code or output: the script
// leaves both in files, the last one written as a sign that it has ended.
std::string RunShell(const ProgramFolder& folder, const std::string& script, std::string& failure) {
    const std::string dir = UnixPath(folder.Path());
    const std::wstring shell = WindowsPath("/bin/sh");
    if (dir.empty() || shell.empty()) {
        failure = "Wine does not map paths to Unix ones here";
        return std::string();
    }
    ProgramFolder::WriteBytes(folder.Path() + L"\\script.sh",
                              "(\n" + script + "\n) >'" + dir + "/output' 2>&1\n" + "echo $? >'" + dir +
                                  "/status.new'\nmv '" + dir + "/status.new' '" + dir + "/status'\n");
    // The script's own path goes to the shell as it is, a Unix one.
    std::wstring command = L"\"" + shell + L"\" \"" + Utf8ToWide(dir) + L"/script.sh\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        failure = "the Unix shell did not start, error " + std::to_string(GetLastError());
        return std::string();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::wstring status = folder.Path() + L"\\status";
    for (int waited = 0; GetFileAttributesW(status.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 50) {
        if (waited > 90000) {
            failure = "the shell script did not end within 90 s";
            return std::string();
        }
        Sleep(50);
    }
    const std::string output = ProgramFolder::ReadBytes(folder.Path() + L"\\output");
    if (std::atoi(ProgramFolder::ReadBytes(status).c_str()) != 0) failure = output;
    DeleteFileW(status.c_str());
    return output;
}

// The PDF files of the printer's folder.
std::set<std::wstring> PdfFiles(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// One word of pdftotext -bbox, in points from the page's top left corner.
struct PdfWord {
    std::string Text;
    double Left, Top, Right, Bottom;
};

struct PdfPage {
    double Width = 0, Height = 0;
    std::vector<PdfWord> Words;
};

double Attribute(const std::string& element, const std::string& name) {
    const std::size_t at = element.find(" " + name + "=\"");
    return at == std::string::npos ? -1 : std::atof(element.c_str() + at + name.size() + 3);
}

// The pages of pdftotext -bbox's XHTML, words in the order of the page.
std::vector<PdfPage> ParseBoundingBoxes(const std::string& xhtml) {
    std::vector<PdfPage> pages;
    for (std::size_t at = xhtml.find('<'); at != std::string::npos; at = xhtml.find('<', at + 1)) {
        const std::size_t close = xhtml.find('>', at);
        if (close == std::string::npos) break;
        const std::string element = xhtml.substr(at, close - at);
        if (element.rfind("<page ", 0) == 0) {
            pages.push_back({Attribute(element, "width"), Attribute(element, "height"), {}});
        } else if (element.rfind("<word ", 0) == 0 && !pages.empty()) {
            const std::size_t end = xhtml.find("</word>", close);
            pages.back().Words.push_back({xhtml.substr(close + 1, end - close - 1), Attribute(element, "xMin"),
                                          Attribute(element, "yMin"), Attribute(element, "xMax"),
                                          Attribute(element, "yMax")});
        }
    }
    return pages;
}

constexpr double kPointsPerMm = 72 / 25.4;
// Margins are whole device pixels and words are measured on their glyphs.
constexpr double kTolerance = 0.5;

class PrintToPdfTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        pdfFolder_ = Environment("NUMEREL_PDF_DIR");
        if (pdfFolder_.empty()) {
            const std::string why = Environment("NUMEREL_PDF_PRINTER_ERROR");
            FAIL() << "No PDF printer for this run: "
                   << (why.empty() ? "run the tests in a session of .ci/wine_session.sh, which starts one" : why);
        }
    }
    // Waits for the scheduler to finish every job, then reads the one new
    // PDF of its folder: its pages.
    std::vector<PdfPage> ReadNewPdf(const std::set<std::wstring>& before) {
        ProgramFolder work;
        std::string failure;
        RunShell(work,
                 "for i in $(seq 600); do queue=$(lpstat -o) || exit 1; [ -z \"$queue\" ] && exit 0; sleep 0.1; done\n"
                 "echo \"the print job did not end within 60 s: $queue\"; exit 1",
                 failure);
        EXPECT_EQ(failure, "");
        std::vector<std::wstring> added;
        for (const std::wstring& name : PdfFiles(WindowsPath(pdfFolder_)))
            if (!before.count(name)) added.push_back(name);
        EXPECT_EQ(added.size(), 1u) << "new PDF files in " << pdfFolder_;
        if (added.size() != 1) return {};
        const std::string pdf = UnixPath(WindowsPath(pdfFolder_) + L"\\" + added[0]);
        const std::string xhtml = RunShell(work, "pdftotext -bbox '" + pdf + "' -", failure);
        EXPECT_EQ(failure, "");
        return ParseBoundingBoxes(xhtml);
    }

    std::string pdfFolder_;
};

TEST_F(PrintToPdfTest, PrintPrintsEveryLineInOrderInsideTheMarginsOnAsManyPagesAsNeeded) {
    // Longer than one page, its second line wider than the page.
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i) lines.push_back("L" + std::to_string(i) + "=" + std::to_string(i) + "+1");
    lines[1] = "W";
    for (int i = 0; i < 30; ++i) lines[1] += "1234567890";
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    box().SetText(text);

    const std::set<std::wstring> before = PdfFiles(WindowsPath(pdfFolder_));
    {
        DialogScript script({Button(IDOK)});
        PressWithCtrl('P');
        ASSERT_TRUE(script.Done());
    }
    const std::vector<PdfPage> pages = ReadNewPdf(before);
    ASSERT_GE(pages.size(), 2u);

    // Every line in order; the wide one in pieces within the margins.
    std::vector<const PdfWord*> words;
    for (const PdfPage& page : pages)
        for (const PdfWord& word : page.Words) words.push_back(&word);
    const double left = 20 * kPointsPerMm - kTolerance, right = pages[0].Width - 20 * kPointsPerMm + kTolerance;
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string printed;
        std::size_t pieces = 0;
        while (printed.size() < lines[i].size() && next < words.size()) {
            EXPECT_GE(words[next]->Left, left) << words[next]->Text;
            EXPECT_LE(words[next]->Right, right) << words[next]->Text;
            printed += words[next++]->Text;
            ++pieces;
        }
        ASSERT_EQ(printed, lines[i]) << "line " << i + 1;
        if (i == 1) {
            EXPECT_GE(pieces, 3u);
        }
    }
    EXPECT_EQ(next, words.size());

    // The first text at the top and left margins; no text below the bottom
    // margin; a page is ended only when its next line would cross it. A
    // word's box lies inside its line, at the same distance from the line's
    // top on every line: the first line's top is the top margin. A line is
    // a step high less the 2 pixels between lines: taking the whole step
    // errs by half a point, a page ended a line early by a whole line.
    const double top = 15 * kPointsPerMm;
    EXPECT_GE(pages[0].Words[0].Top, top - kTolerance);
    const double wordBelowLineTop = pages[0].Words[0].Top - top;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const std::vector<PdfWord>& onPage = pages[p].Words;
        ASSERT_GE(onPage.size(), 2u);
        const double bottom = pages[p].Height - 15 * kPointsPerMm;
        for (const PdfWord& word : onPage) EXPECT_LE(word.Bottom, bottom + kTolerance) << word.Text;
        const double step = onPage[1].Top - onPage[0].Top;
        const double nextLineBottom = onPage.back().Top - wordBelowLineTop + 2 * step;
        if (p + 1 < pages.size()) {
            EXPECT_GT(nextLineBottom, bottom) << onPage.back().Text;
        }
    }
}

// 打印到文件 takes the same printer: its output goes into the file named,
// after the question before an existing file is replaced.
TEST_F(PrintToPdfTest, PrintToFileWritesThePrintersOutputIntoTheFileNamedAfterAsking) {
    box().SetText("1+2=3\r\n");
    const std::wstring existing = folder_.Path() + L"\\out.prn";
    ASSERT_TRUE(ProgramFolder::WriteBytes(existing, "old"));
    const std::set<std::wstring> before = PdfFiles(WindowsPath(pdfFolder_));
    {
        // No keeps the file; the name dialog is then cancelled.
        DialogScript script({TickThen(chx1, IDOK), File(existing), Button(IDNO), Button(IDCANCEL)});
        PressWithCtrl('P');
        ASSERT_TRUE(script.Done());
        EXPECT_TRUE(script.seen[2].yes && script.seen[2].no);
        EXPECT_EQ(ProgramFolder::ReadBytes(existing), "old");
    }
    DialogScript script({TickThen(chx1, IDOK), File(existing), Button(IDYES)});
    PressWithCtrl('P');
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(ProgramFolder::ReadBytes(existing).substr(0, 4), "%!PS");
    EXPECT_EQ(PdfFiles(WindowsPath(pdfFolder_)), before);
}

}  // namespace
