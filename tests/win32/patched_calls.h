// Calls of this executable to Windows, answered otherwise while an object below lives: through
// its import table, so that the program's own code takes the way it would take there.
#pragma once

#include <windows.h>

// Puts replacement in the import table entry through which this executable calls module's
// function name, and the real one back at the end.
class ImportPatch {
  public:
    ImportPatch(const char* module, const char* name, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    // False when the import could not be found (the test then proves nothing).
    bool Active() const { return slot_ != nullptr; }
    void* Real() const { return real_; }

  private:
    void** slot_ = nullptr;
    void* real_ = nullptr;
};

// Windows 95, 98 and ME export MoveFileExA but do not carry it out: it fails with
// ERROR_CALL_NOT_IMPLEMENTED. While an OldWindowsMoves lives, the calls of this executable get
// that answer, so that a save takes the way it takes there.
class OldWindowsMoves {
  public:
    OldWindowsMoves();
    bool Active() const { return moves_.Active(); }

  private:
    ImportPatch moves_;
};

// Thrown where the program is killed.
struct ProgramKilled {};

// The program killed just before its step-th MoveFileA or MessageBoxA (counted from 1): the
// calls before it ran, none after. ProgramKilled leaves through the program's own functions,
// which are to be called straight from the test (never under a window or dialog procedure).
class KilledBeforeStep {
  public:
    explicit KilledBeforeStep(int step);
    ~KilledBeforeStep();
    bool Active() const { return moves_.Active() && boxes_.Active(); }

  private:
    ImportPatch moves_, boxes_;
};
