// Watches the running full-screen saver from outside, for scripts/soak.sh and
// bench/dismiss_under_load.sh:
//   soak_probe sample   prints the saver's handle count and a checksum of the well
//   soak_probe dismiss  posts a key and prints the milliseconds until the process ended
//   soak_probe reveal   posts a key and prints the milliseconds until none of the
//                       saver's windows is visible any more (or the process ended)
// Exits 1 when there is no saver, its handles cannot be read, or it outlives the key by 1 s
// (reveal: by 30 s).
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "e2e/screen_input.h"
#include "host/win/host_state.h"
#include "pacing/layout.h"

namespace {

constexpr NTSTATUS InfoLengthMismatch = NTSTATUS(0xC0000004);
constexpr DWORD DismissLimitMs = 1000;
constexpr DWORD RevealLimitMs = 30000;
constexpr int MaxQueries = 8;  // the table may grow between two queries, but not forever

using TQuerySystemInformation = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);

struct TOwnedHandle {
    HANDLE Handle;
    ~TOwnedHandle() {
        if (Handle) CloseHandle(Handle);
    }
};

// Counts the process's entries in the system handle table: GetProcessHandleCount
// answers 0 under Wine. -1 when the table cannot be read.
int32_t CountHandles(DWORD processId) {
    auto query = reinterpret_cast<TQuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    std::vector<BYTE> buffer(64 * 1024);
    for (int i = 0; i < MaxQueries; ++i) {
        ULONG needed = 0;
        const NTSTATUS status =
            query(SystemHandleInformation, buffer.data(), ULONG(buffer.size()), &needed);
        if (status == InfoLengthMismatch) {
            buffer.resize(needed > buffer.size() ? needed * 2 : buffer.size() * 2);
            continue;
        }
        if (status < 0) return -1;
        const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
        const SYSTEM_HANDLE_ENTRY* entries = table->Handle;
        int32_t count = 0;
        for (ULONG e = 0; e < table->Count; ++e) count += entries[e].OwnerPid == processId;
        return count;
    }
    return -1;
}

// FNV-1a over the well's pixels on screen: an unchanged well gives the same sum.
uint32_t WellChecksum(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    const TRect glass = ComputeLayout({client.left, client.top, client.right, client.bottom}).GlassRect;
    POINT corners[2] = {{glass.left, glass.top}, {glass.right, glass.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    const TScreenShot shot = ReadScreen();
    uint32_t sum = 2166136261u;
    for (LONG y = corners[0].y; y < corners[1].y; ++y)
        for (LONG x = corners[0].x; x < corners[1].x; ++x) sum = (sum ^ shot.At(x, y)) * 16777619u;
    return sum;
}

int Sample(HWND window, DWORD processId) {
    const int32_t handles = CountHandles(processId);
    if (handles < 0) {
        std::fprintf(stderr, "cannot read the system handle table\n");
        return 1;
    }
    std::printf("%d %08lx\n", handles, static_cast<unsigned long>(WellChecksum(window)));
    return 0;
}

BOOL CALLBACK NoteVisible(HWND window, LPARAM search) {
    auto* visible = reinterpret_cast<std::pair<DWORD, bool>*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == visible->first && IsWindowVisible(window)) visible->second = true;
    return !visible->second;
}

bool Ended(HANDLE process, DWORD) { return WaitForSingleObject(process, 1) != WAIT_TIMEOUT; }

bool Hidden(HANDLE process, DWORD processId) {
    std::pair<DWORD, bool> visible = {processId, false};
    EnumWindows(NoteVisible, reinterpret_cast<LPARAM>(&visible));
    return !visible.second || Ended(process, processId);
}

// Posts a key and prints the milliseconds until done holds; 1 when it does not within limitMs.
int TimeFromKey(HWND window, DWORD processId, bool (*done)(HANDLE, DWORD), DWORD limitMs,
                const char* notDone) {
    TOwnedHandle process = {OpenProcess(SYNCHRONIZE, FALSE, processId)};
    if (!process.Handle) {
        std::fprintf(stderr, "cannot open the saver process\n");
        return 1;
    }
    const DWORD pressed = GetTickCount();
    PostKey(window, VK_ESCAPE);
    while (!done(process.Handle, processId)) {
        if (GetTickCount() - pressed > limitMs) {
            std::fprintf(stderr, "still %s %lu ms after the key\n", notDone, limitMs);
            return 1;
        }
    }
    std::printf("%lu\n", static_cast<unsigned long>(GetTickCount() - pressed));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc == 2 ? argv[1] : "";
    const bool known = std::strcmp(command, "sample") == 0 || std::strcmp(command, "dismiss") == 0 ||
                       std::strcmp(command, "reveal") == 0;
    if (!known) {
        std::fprintf(stderr, "usage: soak_probe sample|dismiss|reveal\n");
        return 2;
    }
    HWND window = FindWindowA(SaverClassName, nullptr);
    DWORD processId = 0;
    if (window) GetWindowThreadProcessId(window, &processId);
    if (!processId) {
        std::fprintf(stderr, "no saver window\n");
        return 1;
    }
    if (std::strcmp(command, "sample") == 0) return Sample(window, processId);
    if (std::strcmp(command, "dismiss") == 0)
        return TimeFromKey(window, processId, Ended, DismissLimitMs, "running");
    return TimeFromKey(window, processId, Hidden, RevealLimitMs, "visible");
}
