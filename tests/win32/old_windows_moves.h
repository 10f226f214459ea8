// Windows 95, 98 and ME export MoveFileExA but do not carry it out: it fails with
// ERROR_CALL_NOT_IMPLEMENTED. While an OldWindowsMoves lives, the calls of this executable get
// that answer, so that a save takes the way it takes there.
#pragma once

class OldWindowsMoves {
  public:
    OldWindowsMoves();
    ~OldWindowsMoves();
    OldWindowsMoves(const OldWindowsMoves&) = delete;
    OldWindowsMoves& operator=(const OldWindowsMoves&) = delete;
    // False when the import could not be found (the test then proves nothing).
    bool Active() const { return slot_ != nullptr; }

  private:
    void** slot_ = nullptr;
    void* real_ = nullptr;
};
