// Settling the whole copy that a save in steps cut short left aside: what stands in the copy's
// place decides where each file ends, and the user is told once, even when a settling is killed
// part of the way. The list file and WIN.INI tests only prove that they settle first.
#include "marlix_test.h"

#include "base/safe_file.h"
#include "patched_calls.h"

using AsideCopyTest = MarlixTest;

TEST_F(AsideCopyTest, TheCopyGoesBackOrTheUserLearnsWhereItIs) {
    const std::string path = WindowsDirectory::Path("aside.mxf");
    const char *copy = "the whole copy", *other = "another program's file";
    const std::string putBack = "A save that was cut short had left the whole " + path +
                                " aside. It is back in its place; the file found there is kept "
                                "as " +
                                path + ".mx1.",
                      leftAside = "A save that was cut short left the whole " + path +
                                  " aside as " + path +
                                  ".mx-. The file now in its place cannot be kept: .mx1 to .mx9 "
                                  "beside it are all taken. Free one of them.";
    const struct {
        const char* what;
        const char* file; // in the copy's place; nullptr: none
        bool temporary;   // the new file still in aside.mxf.mx~: the save never finished
        bool namesTaken;  // .mx1 to .mx9 hold earlier kept files (the last row: it leaves them)
        // The first settling was killed before its n-th step (1 and 2 the moves, 3 the box);
        // the two below came after, as at the next starts.
        int killedBefore;
        AsideCopy answer;
        const char *fileAfter, *asideAfter, *keptAfter; // "": none
        const std::string* told;                        // by the first settling below
    } rows[] = {
        {"only the copy is left", nullptr, false, false, 0, AsideCopy::Settled, copy, "", "",
         nullptr},
        {"the save finished, its older copy stayed", "new", false, false, 0, AsideCopy::Settled,
         "new", "", "", nullptr},
        {"cut between the moves, then another program wrote", other, true, false, 0,
         AsideCopy::Settled, copy, "", other, &putBack},
        {"as before, killed before keeping that file", other, true, false, 1, AsideCopy::Settled,
         copy, "", other, &putBack},
        {"as before, killed before putting the copy back", other, true, false, 2,
         AsideCopy::Settled, copy, "", other, &putBack},
        {"as before, killed before telling", other, true, false, 3, AsideCopy::Settled, copy, "",
         other, &putBack},
        // Kept files are the user's: nothing moves, and every settling tells again.
        {"as before, with every kept name taken", other, true, true, 0, AsideCopy::Blocked, other,
         copy, "kept", &leftAside},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        for (const char* suffix : {"", ".mx-", ".mx~", ".mx!", ".mx1"})
            windows.Remove(std::string("aside.mxf") + suffix);
        for (char number = '1'; row.namesTaken && number <= '9'; ++number)
            windows.Write(std::string("aside.mxf.mx") + number, "kept");
        windows.Write("aside.mxf.mx-", copy);
        if (row.file)
            windows.Write("aside.mxf", row.file);
        if (row.temporary)
            windows.Write("aside.mxf.mx~", "new");
        if (row.killedBefore) {
            const KilledBeforeStep killed(row.killedBefore);
            ASSERT_TRUE(killed.Active());
            EXPECT_THROW(TakeBackAsideCopy(nullptr, path.c_str()), ProgramKilled);
        }
        beeps.clear();
        for (int settling = 0; settling < 2; ++settling) {
            const bool tells = row.told && (settling == 0 || row.answer == AsideCopy::Blocked);
            const size_t seenBefore = dialogs.Seen().size();
            if (tells)
                dialogs.ThenClick(IDOK);
            EXPECT_EQ(TakeBackAsideCopy(nullptr, path.c_str()), row.answer) << settling;
            ASSERT_EQ(dialogs.Seen().size() - seenBefore, tells ? 1u : 0u) << settling;
            if (tells) {
                const SeenDialog& box = dialogs.Seen().back();
                EXPECT_EQ(box.text, *row.told);
                EXPECT_EQ(box.caption, row.namesTaken ? "File Left Aside" : "File Put Back");
                EXPECT_EQ(box.icon, row.namesTaken ? "hand" : "exclamation");
            }
        }
        EXPECT_EQ(beeps, row.namesTaken ? (std::vector<UINT>{MB_ICONHAND, MB_ICONHAND})
                                        : std::vector<UINT>{});
        EXPECT_EQ(windows.Read("aside.mxf"), row.fileAfter);
        EXPECT_EQ(windows.Read("aside.mxf.mx-"), row.asideAfter);
        EXPECT_EQ(windows.Read("aside.mxf.mx1"), row.keptAfter);
        EXPECT_EQ(windows.Read("aside.mxf.mx~"), row.temporary ? "new" : "")
            << "the new file is not the settling's to remove";
        EXPECT_FALSE(windows.Exists("aside.mxf.mx!")) << "the note goes once the user is told";
    }
    // A folder in the file's place is no finished save: the only whole copy is not deleted.
    for (const char* suffix : {"", ".mx~"})
        windows.Remove(std::string("aside.mxf") + suffix);
    windows.Write("aside.mxf.mx-", copy);
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_EQ(TakeBackAsideCopy(nullptr, path.c_str()), AsideCopy::Failed);
    EXPECT_EQ(windows.Read("aside.mxf.mx-"), copy);
    RemoveDirectoryA(path.c_str());
}
