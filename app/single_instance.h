// One running instance: the first holds a marker file open without sharing
// for the life of its process; a later start that finds it held restores the
// running instance's window and ends.
#pragma once

#include <windows.h>

#include <string>

enum class InstanceCheck {
    OnlyInstance,      // the marker is held now (or could not be made: no folder yet)
    AnotherInstance,   // someone else holds the marker
};

// Opens (creating it with one zero byte when missing) the marker file
// without sharing. Only a sharing violation means another instance runs;
// any other failure lets this one start. The handle stays open on purpose:
// the system releases it when the process ends.
InstanceCheck HoldInstanceMarker(const std::wstring& markerPath);

// Restores the running instance's main window named by its handle number,
// but only when it really is a Numerel main window (a stale number may name
// anything), and without waiting on an instance that hangs.
void RestoreRunningInstance(long long windowNumber, const wchar_t* mainWindowClass);
