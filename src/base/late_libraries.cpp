#include "base/late_libraries.h"

#include <cderr.h>
#include <commctrl.h>

namespace {

// One library, loaded the first time one of its functions is asked for, and kept.
class LateLibrary {
  public:
    explicit LateLibrary(const char* name) : name_(name) {}
    HMODULE Load() {
        if (!module_ && !failed_) {
            module_ = LoadLibraryA(name_);
            failed_ = module_ == nullptr;
        }
        return module_;
    }
    template <typename Function> Function Find(const char* function) {
        return Load() ? reinterpret_cast<Function>(
                            reinterpret_cast<void*>(GetProcAddress(module_, function)))
                      : nullptr;
    }

  private:
    const char* name_;
    HMODULE module_ = nullptr;
    bool failed_ = false;
};

LateLibrary CommonDialogs("COMDLG32.DLL");
LateLibrary Shell("SHELL32.DLL");
LateLibrary CommonControls("COMCTL32.DLL");
LateLibrary RichEdit("RICHED32.DLL");

} // namespace

short LateGetFileTitle(LPCSTR path, LPSTR title, WORD titleSize) {
    const auto function = CommonDialogs.Find<decltype(&GetFileTitleA)>("GetFileTitleA");
    return function ? function(path, title, titleSize) : -1;
}

BOOL LateGetOpenFileName(OPENFILENAMEA* dialog) {
    const auto function = CommonDialogs.Find<decltype(&GetOpenFileNameA)>("GetOpenFileNameA");
    return function && function(dialog);
}

BOOL LateGetSaveFileName(OPENFILENAMEA* dialog) {
    const auto function = CommonDialogs.Find<decltype(&GetSaveFileNameA)>("GetSaveFileNameA");
    return function && function(dialog);
}

DWORD LateCommDlgExtendedError() {
    const auto function =
        CommonDialogs.Find<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
    return function ? function() : CDERR_INITIALIZATION;
}

BOOL LatePrintDlg(PRINTDLGA* dialog) {
    const auto function = CommonDialogs.Find<decltype(&PrintDlgA)>("PrintDlgA");
    return function && function(dialog);
}

UINT LateDragQueryFile(HDROP drop, UINT file, LPSTR path, UINT pathSize) {
    const auto function = Shell.Find<decltype(&DragQueryFileA)>("DragQueryFileA");
    return function ? function(drop, file, path, pathSize) : 0;
}

void LateDragFinish(HDROP drop) {
    const auto function = Shell.Find<decltype(&DragFinish)>("DragFinish");
    if (function)
        function(drop);
}

void LateInitCommonControls() {
    const auto function = CommonControls.Find<decltype(&InitCommonControls)>("InitCommonControls");
    if (function)
        function();
}

void LateLoadRichEdit() {
    RichEdit.Load();
}
