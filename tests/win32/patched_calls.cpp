#include "patched_calls.h"

namespace {

// The import table entry through which this executable calls module's function name.
void** ImportSlot(const char* moduleName, const char* functionName) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; imports.VirtualAddress && module->Name; ++module) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), moduleName) != 0)
            continue;
        auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), functionName) == 0)
                return reinterpret_cast<void**>(&slot->u1.Function);
        }
    }
    return nullptr;
}

void Put(void** slot, void* value) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

BOOL WINAPI NotImplementedMove(LPCSTR, LPCSTR, DWORD) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

using Move = BOOL(WINAPI*)(LPCSTR, LPCSTR);
using Box = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
int stepsBeforeKill = 0;
Move realMove = nullptr;
Box realBox = nullptr;

void Step() {
    if (--stepsBeforeKill == 0)
        throw ProgramKilled();
}

BOOL WINAPI MoveThenKill(LPCSTR from, LPCSTR to) {
    Step();
    return realMove(from, to);
}

int WINAPI BoxThenKill(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    Step();
    return realBox(owner, text, caption, style);
}

} // namespace

ImportPatch::ImportPatch(const char* module, const char* name, void* replacement)
    : slot_(ImportSlot(module, name)) {
    if (!slot_)
        return;
    real_ = *slot_;
    Put(slot_, replacement);
}

ImportPatch::~ImportPatch() {
    if (slot_)
        Put(slot_, real_);
}

OldWindowsMoves::OldWindowsMoves()
    : moves_("kernel32.dll", "MoveFileExA", reinterpret_cast<void*>(&NotImplementedMove)) {}

KilledBeforeStep::KilledBeforeStep(int step)
    : moves_("kernel32.dll", "MoveFileA", reinterpret_cast<void*>(&MoveThenKill)),
      boxes_("user32.dll", "MessageBoxA", reinterpret_cast<void*>(&BoxThenKill)) {
    stepsBeforeKill = step;
    realMove = reinterpret_cast<Move>(moves_.Real());
    realBox = reinterpret_cast<Box>(boxes_.Real());
}

KilledBeforeStep::~KilledBeforeStep() {
    stepsBeforeKill = 0;
}
