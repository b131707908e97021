// Whole files by wide path: read at once with a size limit, and replaced
// atomically so that a crash never leaves half a file.
#pragma once

#include <cstdint>
#include <string>

enum class ReadOutcome {
    Ok,
    Missing,     // no such file, or no such folder
    TooLarge,    // more than the limit, also when it grew past it while read
    Unreadable,  // a folder, no right to read, or no memory for it
};

struct ReadResult {
    ReadOutcome Outcome = ReadOutcome::Unreadable;
    std::string Bytes;  // only with Ok
};

// Other programs may keep the file open for writing (or deleting) meanwhile;
// a file that changes size while read gives what was there to read.
ReadResult ReadWholeFile(const std::wstring& path, std::uint64_t sizeLimit);

// Writes a new temporary file beside the file, under a name no file or
// folder had ("<path>.tmp" when free), then moves it over the file. False,
// with the old file untouched and no temporary left, when the folder is
// missing (it is never created), the file is read-only or a folder, or
// anything fails. Files of other names in the folder are never touched.
bool WriteFileAtomically(const std::wstring& path, const std::string& bytes);

// A file, not a folder.
bool FileExists(const std::wstring& path);
