// Memory running out in the middle of a command: the command table reports it once, and the two
// lists still hold every font exactly once. The test executable's operator new can be armed to
// fail one allocation, the one a given number of allocations ahead.
#include "marlix_test.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "app/main_window.h"
#include "resource.h"

namespace {

long allocationsBeforeFailure = -1; // -1: no allocation fails
long allocationsSeen = 0;

void* Allocate(std::size_t size) {
    ++allocationsSeen;
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0)
        throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

// Names too long for a string's own storage, so that reading each one allocates.
std::vector<std::string> LongFontNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("Out Of Memory Sample Font " + std::to_string(10 + i));
    return names;
}

class OutOfMemory : public MarlixTest {};

TEST_F(OutOfMemory, DuringAddOrRemoveIsReportedOnceAndLeavesEveryFontInOneList) {
    const std::vector<std::string> fonts = LongFontNames(12);
    std::vector<std::string> lines;
    for (const std::string& name : fonts)
        lines.push_back(name + "=C:\\PSFONTS\\PFM\\OOM.PFM,C:\\PSFONTS\\OOM.PFB");
    WriteAtmIni(lines);
    ASSERT_TRUE(CreateMainWindow());
    const struct {
        int command;
        int prepare; // brings the moving fonts into the source list
    } rows[] = {{IDM_ADD_FONTS, IDM_NEW_LIST}, {IDM_REMOVE_FONTS, IDM_ADD_ALL_FONTS}};
    for (const auto& row : rows) {
        HWND source = row.command == IDM_ADD_FONTS ? App.AtmList : App.SelectedList;
        const std::vector<std::string> moving(fonts.begin() + 2, fonts.begin() + 10);
        // Counted first: every allocation the move makes is then made to fail in turn.
        Command(row.prepare);
        SelectItems(source, moving);
        allocationsSeen = 0;
        Command(row.command);
        const long allocations = allocationsSeen;
        ASSERT_GT(allocations, 0);
        for (long failing = 0; failing < allocations; ++failing) {
            SCOPED_TRACE(std::to_string(row.command) + " allocation " + std::to_string(failing));
            Command(row.prepare);
            SelectItems(source, moving);
            beeps.clear();
            ThenMessage(IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
            allocationsBeforeFailure = failing;
            Command(row.command);
            allocationsBeforeFailure = -1;
            EXPECT_EQ(dialogs.Pending(), 0u) << "no message 106";
            EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONHAND});
            std::vector<std::string> both = Items(App.AtmList);
            const std::vector<std::string> selected = Items(App.SelectedList);
            both.insert(both.end(), selected.begin(), selected.end());
            std::sort(both.begin(), both.end());
            EXPECT_EQ(both, fonts);
            EXPECT_EQ(App.SelectedFontCount, selected.size());
        }
    }
}

} // namespace
