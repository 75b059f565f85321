// The Windows game's GDI and USER object counts, for bench/win32_soak.sh:
// prints "gdi N user M" for the process that owns the game's windows.
// Under Wine, GetGuiResources answers 0: the GDI count is read off the game's
// own GDI handle table (the PEB points at it; an entry of 24 bytes is in use
// when its type, byte 14, is set), and the USER count is that of its windows.
#include <windows.h>

#include <winternl.h>

#include <cstdio>
#include <vector>

int main() {
    DWORD pid = 0;
    GetWindowThreadProcessId(FindWindowW(L"LastrinoForm", nullptr), &pid);
    HANDLE process = pid ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid) : nullptr;
    if (!process) return std::puts("no game"), 1;
    // Whatever painting is pending makes its objects first.
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"LastrinoForm", nullptr));)
        RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PROCESS_BASIC_INFORMATION info{};
    UINT64 table = 0;
    std::vector<char> entries(0x10000 * 24);
    NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr);
    ReadProcessMemory(process, reinterpret_cast<const char*>(info.PebBaseAddress) + 0xF8, &table, sizeof table,
                      nullptr);
    ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr);
    unsigned gdi = 0, user = 0;
    for (std::size_t type = 14; type < entries.size(); type += 24) gdi += entries[type] != 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, nullptr));) {
        DWORD owner;
        GetWindowThreadProcessId(w, &owner);
        for (HWND c = GetWindow(w, GW_CHILD); owner == pid && c; c = GetWindow(c, GW_HWNDNEXT)) ++user;
        user += owner == pid;
    }
    if (gdi == 0) return std::puts("no GDI object count"), 1;
    std::printf("gdi %u user %u\n", gdi, user);
}
