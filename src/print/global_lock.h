// A locked global memory block (the kept DEVMODE and DEVNAMES), unlocked again when it goes away.
#pragma once

#include <windows.h>
#include <commdlg.h> // DEVNAMES

template <typename T> class GlobalLocked {
  public:
    explicit GlobalLocked(HGLOBAL block)
        : block_(block), data_(block ? static_cast<T*>(GlobalLock(block)) : nullptr) {}
    ~GlobalLocked() {
        if (data_)
            GlobalUnlock(block_);
    }
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;

    T* get() const { return data_; }
    T* operator->() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }
    // Text at a DEVNAMES offset (counted in characters from the start of the block).
    const char* TextAt(WORD offset) const { return reinterpret_cast<const char*>(data_) + offset; }

  private:
    HGLOBAL block_;
    T* data_;
};
