// The program's pictures as the system loads them: every toolbar bitmap, the icon, and the About
// animation played by the real animation control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "resource.h"

namespace {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

SIZE BitmapSize(int id) {
    SIZE size = {0, 0};
    HBITMAP bitmap = LoadBitmapA(Instance(), MAKEINTRESOURCEA(id));
    BITMAP info = {};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        size = {info.bmWidth, info.bmHeight};
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    return size;
}

// The animation control draws into a 32-bit bitmap through WM_PRINTCLIENT.
class AnimationFrames {
  public:
    AnimationFrames() {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 160, nullptr, nullptr,
                                  Instance(), nullptr);
        control_ = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                   parent_, reinterpret_cast<HMENU>(243), Instance(), nullptr);
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = 160;
        format.bmiHeader.biHeight = -120;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        memory_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(memory_, &format, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(memory_, bitmap_);
    }
    ~AnimationFrames() {
        SelectObject(memory_, old_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        DestroyWindow(parent_);
    }
    bool Open() {
        return SendMessageA(control_, ACM_OPENA, 0,
                            reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_ABOUT_ANIMATION))) != 0;
    }
    bool Seek(int frame) {
        return SendMessageA(control_, ACM_PLAY, 1, MAKELPARAM(frame, frame)) != 0;
    }
    SIZE ControlSize() const {
        RECT client;
        GetClientRect(control_, &client);
        return {client.right, client.bottom};
    }
    std::vector<unsigned> Shown() {
        SendMessageA(control_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory_), PRF_CLIENT);
        GdiFlush();
        const unsigned* pixels = static_cast<const unsigned*>(bits_);
        return std::vector<unsigned>(pixels, pixels + 160 * 120);
    }

  private:
    HWND parent_ = nullptr, control_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

} // namespace

TEST(Pictures, EveryToolbarBitmapIsAWholeButton) {
    const int ids[] = {IDB_OPEN_LIST,
                       IDB_OPEN_WININI,
                       IDB_SAVE_WININI,
                       IDB_SAVE_LIST,
                       IDB_ADD_FONTS,
                       IDB_REMOVE_FONTS,
                       IDB_PRINT_LIST,
                       IDB_OPEN_LIST_PRESSED,
                       IDB_OPEN_WININI_PRESSED,
                       IDB_SAVE_WININI_PRESSED,
                       IDB_SAVE_LIST_PRESSED,
                       IDB_ADD_FONTS_PRESSED,
                       IDB_REMOVE_FONTS_PRESSED,
                       IDB_PRINT_LIST_PRESSED,
                       IDB_SAVE_WININI_DISABLED,
                       IDB_SAVE_LIST_DISABLED,
                       IDB_ADD_FONTS_DISABLED,
                       IDB_REMOVE_FONTS_DISABLED};
    for (int id : ids) {
        SIZE size = BitmapSize(id);
        EXPECT_EQ(30, size.cx) << "bitmap " << id;
        EXPECT_EQ(24, size.cy) << "bitmap " << id;
    }
    // Buttons that are never disabled have no greyed bitmap.
    EXPECT_EQ(0, BitmapSize(IDB_OPEN_LIST + 200).cx);
    EXPECT_EQ(0, BitmapSize(IDB_PRINT_LIST + 200).cx);
}

TEST(Pictures, IconComesInBothSizes) {
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(Instance(), MAKEINTRESOURCEA(IDI_MARLIX), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(size, mask.bmWidth);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST(Pictures, AboutAnimationPlaysItsFiftyEightFrames) {
    InitCommonControls();
    AnimationFrames animation;
    ASSERT_TRUE(animation.Open());
    // Without ACS_CENTER the control takes the size of the clip.
    EXPECT_EQ(160, animation.ControlSize().cx);
    EXPECT_EQ(120, animation.ControlSize().cy);

    std::set<std::vector<unsigned>> distinct;
    for (int frame = 0; frame < 58; ++frame) {
        ASSERT_TRUE(animation.Seek(frame)) << frame;
        std::vector<unsigned> shown = animation.Shown();
        EXPECT_GT(std::set<unsigned>(shown.begin(), shown.end()).size(), 20u) << frame;
        distinct.insert(shown);
    }
    EXPECT_FALSE(animation.Seek(58));
    // The page moves in almost every frame; only the waits repeat a picture.
    EXPECT_GT(distinct.size(), 40u);
}
