// The player screens in the real game: the list acts on the profile the
// player chose even when names are equal but for case, names are drawn as
// they were typed, and a profile that has no folder left to live in is
// refused with a message.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Font.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "gui/LabelCtrl.h"
#include "gui/ListSysCtrl.h"
#include "shell/Garden.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

fs::path ProfileFolder() {
    UseTestSystemPaths();
    return fs::path(ToUtf8(GetSystemPaths().appPath)) / "profile";
}

// Profiles on disk, in folders plr000 and on, the last one current.
void StoreProfiles(const std::vector<std::u16string>& names) {
    fs::remove_all(ProfileFolder());
    for (size_t i = 0; i < names.size(); ++i) {
        cPlayer player(ProfileFolderName(static_cast<int32_t>(i)));
        player.name = names[i];
        ASSERT_TRUE(player.Save());
    }
    ASSERT_TRUE(WriteProfileCounter({static_cast<int32_t>(names.size()), names.back()}));
}

// Opens the player list from the main menu.
bool OpenList(cShellDriver& game) {
    return game.ReachMainMenu() && game.Click(u"main", u"btProfile") &&
           game.WaitShown(u"profile_select");
}

cListSysCtrl* List(cShellDriver& game) {
    return dynamic_cast<cListSysCtrl*>(game.Control(u"profile_select", u"lstProfile"));
}

// Chooses the row and presses Play, then comes back to the list.
bool ChooseRow(cShellDriver& game, int row) {
    List(game)->SetSelected(row, true, false);
    return game.Click(u"profile_select", u"btOk") && game.WaitShown(u"main") &&
           game.Click(u"main", u"btProfile") && game.WaitShown(u"profile_select");
}

// Chooses the row, presses Delete and says yes.
bool DeleteRow(cShellDriver& game, int row) {
    List(game)->SetSelected(row, true, false);
    if (!game.Click(u"profile_select", u"btDelete") || !game.WaitShown(u"messagebox") ||
        !game.Click(u"messagebox", u"ok"))
        return false;
    return game.Step(30);
}

std::vector<std::u16string> Folders(const cGarden& garden) {
    std::vector<std::u16string> folders;
    for (int i = 0; i < garden.GetPlayerCount(); ++i)
        folders.push_back(static_cast<cPlayer*>(garden.GetPlayerAt(i))->folder);
    return folders;
}

TEST(ProfileScreens, DeletingAndChoosingActOnTheRowThePlayerChose) {
    MarkGLUsed();
    // "anna" comes after "Bruno", so the name finds the wrong one first.
    StoreProfiles({u"Anna", u"Bruno", u"anna"});
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(OpenList(game));
    cGarden* garden = game.garden();
    cListSysCtrl* list = List(game);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->FindSelected(0), 2) << "the current row is the current profile's";

    // Choosing "anna" makes the third profile current, not "Anna".
    ASSERT_TRUE(ChooseRow(game, 2));
    EXPECT_EQ(garden->currentPlayer, garden->GetPlayerAt(2));

    // Deleting the first row goes for plr000 and no other folder.
    ASSERT_TRUE(DeleteRow(game, 0));
    EXPECT_FALSE(fs::exists(ProfileFolder() / "plr000"));
    EXPECT_TRUE(fs::exists(ProfileFolder() / "plr002/player.dat"));
    EXPECT_EQ(Folders(*garden), (std::vector<std::u16string>{u"plr001", u"plr002"}));

    // With "Bruno" current, deleting the row of "anna" leaves "Anna" alone.
    game.Stop();
    StoreProfiles({u"Anna", u"Bruno", u"anna"});
    cShellDriver again;
    ASSERT_TRUE(again.Start());
    ASSERT_TRUE(OpenList(again));
    garden = again.garden();
    ASSERT_TRUE(ChooseRow(again, 1));
    ASSERT_TRUE(DeleteRow(again, 2));
    EXPECT_TRUE(fs::exists(ProfileFolder() / "plr000/player.dat")) << "Anna's folder went";
    EXPECT_FALSE(fs::exists(ProfileFolder() / "plr002"));
    EXPECT_EQ(Folders(*garden), (std::vector<std::u16string>{u"plr000", u"plr001"}));
    EXPECT_EQ(garden->GetCurrentPlayerName(), u"Bruno");
}

// The text as the player would read it: every caret the game draws as one.
std::u16string AsRead(std::u16string text) {
    std::replace(text.begin(), text.end(), kLiteralCaret, u'^');
    return text;
}

// A label draws its caption literally when the colour codes take nothing
// away from it: as wide as the same characters drawn one by one.
void ExpectDrawnLiterally(const cCtrl* control, const std::u16string& name) {
    const auto* label = dynamic_cast<const cLabelCtrl*>(control);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(label->font, nullptr);
    EXPECT_NE(AsRead(label->caption).find(name), std::u16string::npos) << ToUtf8(label->caption);
    EXPECT_EQ(MeasureColoredText(label->caption, label->font.get()).x,
              MeasureText(AsRead(label->caption), label->font.get()).x)
        << ToUtf8(label->caption);
}

TEST(ProfileScreens, NamesWithColourMarksAreDrawnAsTyped) {
    MarkGLUsed();
    // A stored name that reads as a red colour code followed by "Kim", and one
    // whose "^^" would reset the colour.
    const std::u16string red = u"^FF0000FFKim", twice = u"Jo^^Lee^";
    StoreProfiles({twice, red});
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu());
    EXPECT_EQ(game.garden()->GetCurrentPlayerName(), red) << "the stored name stays as it was";
    ExpectDrawnLiterally(game.Control(u"main", u"lbProfile"), red);

    ASSERT_TRUE(game.Click(u"main", u"btProfile"));
    ASSERT_TRUE(game.WaitShown(u"profile_select"));
    cListSysCtrl* list = List(game);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetCount(), 2);
    ExpectDrawnLiterally(list->ItemAt(0), twice);
    ExpectDrawnLiterally(list->ItemAt(1), red);

    list->SetSelected(0, true, false);
    ASSERT_TRUE(game.Click(u"profile_select", u"btDelete"));
    ASSERT_TRUE(game.WaitShown(u"messagebox"));
    ExpectDrawnLiterally(game.Control(u"messagebox", u"text"), twice);
}

TEST(ProfileScreens, ANewPlayerWithoutAFreeFolderIsRefusedWithAMessage) {
    MarkGLUsed();
    StoreProfiles({u"Anna"});
    // Every other folder name is taken by something that is no profile.
    for (int32_t n = 1; n < kProfileFolderCount; ++n)
        WriteBytes(ProfileFolder() / ToUtf8(ProfileFolderName(n)), std::string("x"));
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu());
    ASSERT_TRUE(game.Click(u"main", u"btProfile"));
    ASSERT_TRUE(game.WaitShown(u"profile_select"));
    ASSERT_TRUE(game.Click(u"profile_select", u"btAdd"));
    ASSERT_TRUE(game.WaitShown(u"profile_add"));
    for (int i = 0; i < 8; ++i)
        game.Key(SDLK_BACKSPACE);
    game.Type("Bruno");
    game.Key(SDLK_RETURN);
    ASSERT_TRUE(game.WaitShown(u"messagebox"));
    const auto* text = dynamic_cast<cLabelCtrl*>(game.Control(u"messagebox", u"text"));
    ASSERT_NE(text, nullptr);
    EXPECT_NE(text->caption.find(u"no room for another player"), std::u16string::npos)
        << ToUtf8(text->caption);
    EXPECT_EQ(game.garden()->GetPlayerCount(), 1);
    EXPECT_EQ(game.garden()->GetCurrentPlayerName(), u"Anna");
    EXPECT_EQ(ReadBytes(ProfileFolder() / "plr999"), std::vector<uint8_t>{'x'});
}

}  // namespace
}  // namespace qor::test
