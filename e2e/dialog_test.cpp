// "/c": the configuration dialog as a user meets it, and the resources Windows reads from the file.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "e2e/driver.h"

namespace {

const char DialogClass[] = "#32770";

struct TControl {
    int id;
    const char* className;
    DWORD kind;  // the type bits of the style: BS_*, SS_*, CBS_*
    const char* text;
    RECT units;  // left, top, width, height in dialog units
};

const TControl Template[] = {
    {101, "Button", BS_GROUPBOX, "Clock", {6, 7, 80, 70}},
    {102, "Button", BS_AUTORADIOBUTTON, "Current time", {16, 22, 60, 12}},
    {103, "Button", BS_AUTORADIOBUTTON, "Run time", {16, 39, 60, 12}},
    {104, "Button", BS_AUTORADIOBUTTON, "Game time", {16, 57, 60, 12}},
    {105, "Button", BS_GROUPBOX, "Task priority", {98, 6, 82, 71}},
    {106, "Button", BS_AUTORADIOBUTTON, "Low", {108, 21, 60, 12}},
    {107, "Button", BS_AUTORADIOBUTTON, "Normal", {108, 38, 60, 12}},
    {108, "Button", BS_AUTORADIOBUTTON, "High", {108, 56, 60, 12}},
    {109, "Button", BS_AUTOCHECKBOX, "Plain background", {16, 94, 75, 12}},
    {111, "ComboBox", CBS_DROPDOWNLIST, "", {7, 81, 174, 44}},
    {110, "Button", BS_AUTOCHECKBOX, "Show info", {16, 113, 75, 12}},
    {113, "Button", BS_AUTOCHECKBOX, "Manual control", {16, 131, 71, 12}},
    {114, "Button", BS_AUTOCHECKBOX, "Every monitor", {100, 131, 79, 12}},
    {1, "Button", BS_DEFPUSHBUTTON, "OK", {9, 149, 50, 14}},
    {2, "Button", BS_PUSHBUTTON, "Cancel", {67, 149, 50, 14}},
    {112, "Button", BS_PUSHBUTTON, "Get new games", {125, 149, 56, 14}},
    {200, "Static", SS_CENTER, "Game control keys:\n cursor LEFT, RIGHT, UP, DOWN and SPACE.",
     {100, 99, 79, 30}},
};

const char* const PaletteNames[] = {"Brown palette", "Blue palette", "Green palette",
                                    "Black background"};

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Asked in wide characters: the list of the themed combo box keeps them.
std::string ListItem(HWND list, int index) {
    wchar_t wide[64] = {};
    SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide));
    char text[64] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Pixels of a control relative to the dialog's client area.
RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Dialog units of the saver's template in pixels, as the dialog manager converts them: the
// same template created in this process, where MapDialogRect may look at it.
class TUnits {
public:
    TUnits() {
        Module_ = LoadLibraryExA(ScrPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        Dialog_ = CreateDialogParamA(Module_, MAKEINTRESOURCEA(2003), nullptr, Ignore, 0);
    }
    ~TUnits() {
        if (Dialog_) DestroyWindow(Dialog_);
        if (Module_) FreeLibrary(Module_);
    }
    TUnits(const TUnits&) = delete;
    TUnits& operator=(const TUnits&) = delete;

    bool Ready() const { return Dialog_ != nullptr; }
    // Position and size are converted separately, as the dialog manager places controls.
    RECT Pixels(const RECT& units) const {
        RECT scaled = units;  // right and bottom hold the width and height here
        MapDialogRect(Dialog_, &scaled);
        return {scaled.left, scaled.top, scaled.left + scaled.right, scaled.top + scaled.bottom};
    }

private:
    static INT_PTR CALLBACK Ignore(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    HMODULE Module_ = nullptr;
    HWND Dialog_ = nullptr;
};

using TKeys = std::vector<std::pair<const char*, const char*>>;

// Each key of the section holds the given text.
void ExpectStored(const TKeys& keys) {
    for (const auto& key : keys) EXPECT_EQ(ReadIni(key.first), key.second) << key.first;
}

// "/c" runs with their dialog; WIN.INI is put back afterwards.
class ConfigDialog : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteIniSection();
        ForgetUserFile();
    }
    void TearDown() override { ForgetUserFile(); }

    static void ForgetUserFile() {
        DeleteFileA(UserSettingsFile().c_str());
        RemoveDirectoryA(UserSettingsFolder().c_str());
    }
    static std::string UserValue(const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA(IniSection, key, "<none>", value, sizeof value,
                                 UserSettingsFile().c_str());
        return value;
    }

    // Writes the given keys, then starts a new "/c" run and finds its dialog.
    void Open(const TKeys& keys = {}) {
        for (const auto& key : keys) WriteIni(key.first, key.second);
        Saver = std::make_unique<TProcess>();
        ASSERT_TRUE(Saver->Start("/c"));
        Dialog = Saver->FindWindowOf(DialogClass, PatienceMs);
        ASSERT_NE(Dialog, nullptr) << "no dialog after /c";
        // The dialog manager shows the dialog once its initialisation is done.
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Dialog) != FALSE; }))
            << "the dialog was never shown";
    }

    void Click(int id) { SendMessageA(GetDlgItem(Dialog, id), BM_CLICK, 0, 0); }
    // Posted: a message box after OK would hold a sent click until it is answered.
    void PostOk() { PostMessageA(Dialog, WM_COMMAND, IDOK, 0); }

    void SelectPalette(int index) {
        HWND list = GetDlgItem(Dialog, 111);
        SendMessageA(list, CB_SETCURSEL, index, 0);
        SendMessageA(Dialog, WM_COMMAND, MAKEWPARAM(111, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    // The dialog is gone and the process ended with 0.
    void ExpectClosed() {
        DWORD code = 12345;
        EXPECT_TRUE(Saver->WaitExit(PatienceMs, &code)) << "the dialog did not close";
        EXPECT_EQ(code, 0u);
    }

    std::string Section() {
        std::vector<char> text(32768);
        DWORD size = GetProfileSectionA(IniSection, text.data(), static_cast<DWORD>(text.size()));
        return std::string(text.data(), size);
    }

    TIniBackup Backup_;
    std::unique_ptr<TProcess> Saver;
    HWND Dialog = nullptr;
};

TEST_F(ConfigDialog, ShowsTheTemplate) {
    Open();
    EXPECT_EQ(TextOf(Dialog), "Korvex Rowfall");
    const DWORD frameStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(Dialog, GWL_STYLE)) & frameStyle, frameStyle);

    TUnits units;
    ASSERT_TRUE(units.Ready());
    RECT client;
    GetClientRect(Dialog, &client);
    const RECT frame = units.Pixels({0, 0, 186, 166});
    EXPECT_EQ(client.right, frame.right);
    EXPECT_EQ(client.bottom, frame.bottom);

    // Template order is the order of the child windows.
    HWND child = GetWindow(Dialog, GW_CHILD);
    for (const TControl& c : Template) {
        SCOPED_TRACE(c.id);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), c.id);
        HWND control = GetDlgItem(Dialog, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_STRCASEEQ(ClassOf(control).c_str(), c.className);
        const LONG controlStyle = GetWindowLongA(control, GWL_STYLE);
        const LONG typeMask = c.className[0] == 'C' ? 0x3 : c.className[0] == 'S' ? SS_TYPEMASK : BS_TYPEMASK;
        EXPECT_EQ(controlStyle & typeMask, static_cast<LONG>(c.kind));
        if (c.id != 111) {
            EXPECT_EQ(TextOf(control), c.text);
        }

        const RECT expected = units.Pixels(c.units);
        const RECT actual = ClientRectOf(Dialog, control);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        // Closed, the combo box is one line high; its 44 units are checked in the file.
        if (c.id != 111) {
            EXPECT_EQ(actual.bottom, expected.bottom);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "a control beyond the template";

    HWND list = GetDlgItem(Dialog, 111);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & CBS_SORT);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ListItem(list, i), PaletteNames[i]);
    Click(2);
    ExpectClosed();
}

TEST_F(ConfigDialog, OpensWithTheStoredChoices) {
    Open({{"Time", "103"}, {"Priority", "108"}, {"Palette", "2"}, {"ShowBkgr", "0"},
          {"ShowInfo", "1"}, {"ManualControl", "0"}, {"EveryMonitor", "1"}});
    EXPECT_FALSE(Checked(Dialog, 102));
    EXPECT_TRUE(Checked(Dialog, 103));
    EXPECT_FALSE(Checked(Dialog, 104));
    EXPECT_FALSE(Checked(Dialog, 106));
    EXPECT_FALSE(Checked(Dialog, 107));
    EXPECT_TRUE(Checked(Dialog, 108));
    EXPECT_TRUE(Checked(Dialog, 109)) << "no background texture shows as a plain background";
    EXPECT_TRUE(Checked(Dialog, 110));
    EXPECT_FALSE(Checked(Dialog, 113));
    EXPECT_TRUE(Checked(Dialog, 114));
    EXPECT_EQ(SendMessageA(GetDlgItem(Dialog, 111), CB_GETCURSEL, 0, 0), 2);
    Click(2);
    ExpectClosed();
}

TEST_F(ConfigDialog, OkWritesExactlyTheChosenValues) {
    Open({{"Score1", "900"}, {"Score2", "700"}, {"Score3", "300"}});
    // A missing section: current time, normal priority, blue, all three options on.
    EXPECT_TRUE(Checked(Dialog, 102));
    EXPECT_TRUE(Checked(Dialog, 107));
    EXPECT_EQ(SendMessageA(GetDlgItem(Dialog, 111), CB_GETCURSEL, 0, 0), 1);

    Click(104);
    Click(106);
    Click(109);
    Click(110);
    Click(114);
    SelectPalette(3);
    EXPECT_FALSE(Checked(Dialog, 102)) << "the radio buttons of one group exclude each other";
    EXPECT_FALSE(Checked(Dialog, 107));
    EXPECT_TRUE(Checked(Dialog, 104)) << "the two groups are independent";
    Click(1);
    ExpectClosed();

    ExpectStored({{"Time", "104"}, {"Priority", "106"}, {"Palette", "3"}, {"ShowBkgr", "0"},
                  {"ShowInfo", "0"}, {"ManualControl", "1"}, {"Score1", "900"}, {"Score2", "700"},
                  {"Score3", "300"}, {"EveryMonitor", "1"}});
    EXPECT_NE(ReadIni("Path"), "<none>");

    // And back the other way, through the same controls.
    Open();
    Click(103);
    Click(108);
    Click(109);
    Click(110);
    Click(113);
    Click(114);
    SelectPalette(0);
    Click(1);
    ExpectClosed();
    ExpectStored({{"Time", "103"}, {"Priority", "108"}, {"Palette", "0"}, {"ShowBkgr", "1"},
                  {"ShowInfo", "1"}, {"ManualControl", "0"}, {"EveryMonitor", "0"}});
}

TEST_F(ConfigDialog, CancelAndTheCloseBoxWriteNothing) {
    // 7 would be written back as 1 by any save.
    Open({{"Time", "103"}, {"ShowBkgr", "7"}, {"Palette", "2"}});
    const std::string before = Section();
    Click(104);
    Click(110);
    Click(114);
    SelectPalette(0);
    Click(2);
    ExpectClosed();
    EXPECT_EQ(Section(), before);

    Open();
    Click(102);
    Click(113);
    PostMessageA(Dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectClosed();
    EXPECT_EQ(Section(), before);
}

TEST_F(ConfigDialog, OutOfRangeValuesOpenAndStoreInsideTheRanges) {
    Open({{"Time", "0"}, {"Priority", "0"}, {"Palette", "9"}});
    for (int id : {102, 103, 104, 106, 107, 108}) EXPECT_FALSE(Checked(Dialog, id)) << id;
    EXPECT_EQ(SendMessageA(GetDlgItem(Dialog, 111), CB_GETCURSEL, 0, 0), CB_ERR);
    Click(1);
    ExpectClosed();
    // No clock radio checked stores 104, no priority radio 107.
    ExpectStored({{"Time", "104"}, {"Priority", "107"}, {"Palette", "0"}});

    Open({{"Time", "-5"}, {"Priority", "109"}, {"Palette", "4"}});
    Click(1);
    ExpectClosed();
    ExpectStored({{"Time", "104"}, {"Priority", "107"}, {"Palette", "0"}});
}

TEST_F(ConfigDialog, GetNewGamesLeavesTheDialogOpen) {
    // Whatever Wine would start for a web address, make it a program that does not exist.
    TRegistryBackup browsers("Software\\Wine\\WineBrowser", "Browsers");
    const char none[] = "rowfall-test-no-browser";
    ASSERT_TRUE(WriteUserValue("Software\\Wine\\WineBrowser", "Browsers", REG_SZ, none, sizeof none));
    Open();
    PostMessageA(Dialog, WM_COMMAND, MAKEWPARAM(112, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Dialog, 112)));
    PumpMessages(2000);
    EXPECT_TRUE(Saver->Running());
    EXPECT_TRUE(IsWindow(Dialog));
    EXPECT_TRUE(IsWindowVisible(Dialog));
    EXPECT_EQ(ReadIni("Time"), "<none>") << "the page button saves nothing";
    Click(2);
    ExpectClosed();
}

// Reads the words of a DLGTEMPLATE resource in order.
class TTemplateReader {
public:
    explicit TTemplateReader(const BYTE* data) : At_(data) {}
    WORD Word() {
        WORD w = static_cast<WORD>(At_[0] | At_[1] << 8);
        At_ += 2;
        return w;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    // A text, or an ordinal written as "#n".
    std::string Text() {
        std::string text;
        if (PeekWord() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        for (WORD c = Word(); c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    void AlignToDword(const BYTE* base) {
        while ((At_ - base) % 4) ++At_;
    }

private:
    WORD PeekWord() const { return static_cast<WORD>(At_[0] | At_[1] << 8); }
    const BYTE* At_;
};

TEST(SaverFile, HoldsDialog2003AsDeclared) {
    HMODULE scr = LoadLibraryExA(ScrPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(scr, nullptr);
    HRSRC found = FindResourceA(scr, MAKEINTRESOURCEA(2003), MAKEINTRESOURCEA(5));  // RT_DIALOG
    ASSERT_NE(found, nullptr);
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(scr, found)));
    TTemplateReader read(base);
    const DWORD style = read.Dword();
    EXPECT_EQ(style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                        DS_MODALFRAME | DS_SETFONT));
    read.Dword();  // extended style
    const WORD count = read.Word();
    EXPECT_EQ(count, std::size(Template));
    const short frame[4] = {short(read.Word()), short(read.Word()), short(read.Word()),
                            short(read.Word())};
    EXPECT_EQ(frame[0], 26);
    EXPECT_EQ(frame[1], 20);
    EXPECT_EQ(frame[2], 186);
    EXPECT_EQ(frame[3], 166);
    EXPECT_EQ(read.Text(), "");  // no menu
    EXPECT_EQ(read.Text(), "");  // the dialog class
    EXPECT_EQ(read.Text(), "Korvex Rowfall");
    EXPECT_EQ(read.Word(), 8);
    EXPECT_EQ(read.Text(), "Arial");

    for (size_t i = 0; i < count && i < std::size(Template); ++i) {
        const TControl& c = Template[i];
        SCOPED_TRACE(c.id);
        read.AlignToDword(base);
        const DWORD itemStyle = read.Dword();
        read.Dword();
        const short x = read.Word(), y = read.Word(), cx = read.Word(), cy = read.Word();
        EXPECT_EQ(read.Word(), c.id);
        const std::string kind = read.Text();
        const std::string text = read.Text();
        read.Word();  // no creation data
        EXPECT_EQ(x, c.units.left);
        EXPECT_EQ(y, c.units.top);
        EXPECT_EQ(cx, c.units.right);
        EXPECT_EQ(cy, c.units.bottom);
        EXPECT_EQ(kind, c.className[0] == 'B' ? "#128" : c.className[0] == 'S' ? "#130" : "#133");
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(itemStyle & WS_CHILD);
        EXPECT_TRUE(itemStyle & WS_VISIBLE);
        if (c.id == 111) {
            EXPECT_EQ(itemStyle & 0xFFFF, static_cast<DWORD>(CBS_DROPDOWNLIST)) << "unsorted";
            EXPECT_TRUE(itemStyle & WS_VSCROLL);
        }
        // Each set of radio buttons starts a group, and the control after it starts the next.
        if (c.id == 102 || c.id == 106 || c.id == 109) {
            EXPECT_TRUE(itemStyle & WS_GROUP);
        }
        if (c.id == 103 || c.id == 104 || c.id == 107 || c.id == 108) {
            EXPECT_FALSE(itemStyle & WS_GROUP);
        }
    }
    FreeLibrary(scr);
}

TEST(SaverFile, HoldsTheDescriptionIconVersionAndManifest) {
    HMODULE scr = LoadLibraryExA(ScrPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(scr, nullptr);
    char description[64] = {};
    EXPECT_EQ(LoadStringA(scr, 1, description, sizeof description), 14);
    EXPECT_STREQ(description, "Korvex Rowfall");

    // The icon group: one image, 32 x 32 in 16 colors.
    HRSRC group = FindResourceA(scr, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(scr, group)));
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(directory[4] | directory[5] << 8, 1) << "images in the group";
    EXPECT_EQ(directory[6], 32);  // width
    EXPECT_EQ(directory[7], 32);  // height
    EXPECT_EQ(directory[8], 16);  // colors
    EXPECT_EQ(directory[12] | directory[13] << 8, 4) << "bits per pixel";
    HICON icon = static_cast<HICON>(LoadImageA(scr, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP color = {};
    GetObjectA(info.hbmColor, sizeof color, &color);
    EXPECT_EQ(color.bmWidth, 32);
    EXPECT_EQ(color.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);

    EXPECT_NE(FindResourceA(scr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16)), nullptr);  // RT_VERSION
    HRSRC manifest = FindResourceA(scr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(scr, manifest))),
                           SizeofResource(scr, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    FreeLibrary(scr);
}

}  // namespace

namespace {

// Where the build folder's file system or the user cannot do it, these tests cannot run.
const char NoImmutableFiles[] = "chattr +i is not possible here: it needs root on ext4";

struct TBoxSearch {
    DWORD Process;
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK MatchOwnedBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TBoxSearch*>(param);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (id == search->Process && GetWindow(window, GW_OWNER) == search->Owner &&
        ClassOf(window) == DialogClass)
        search->Found = window;
    return search->Found == nullptr;
}

// The message box a dialog shows: a dialog-class window that it owns.
HWND OwnedBox(const TProcess& process, HWND owner) {
    TBoxSearch search = {process.Id, owner, nullptr};
    WaitUntil([&] {
        EnumWindows(MatchOwnedBox, reinterpret_cast<LPARAM>(&search));
        return search.Found != nullptr;
    });
    return search.Found;
}

std::string MessageText(HWND box) {
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

// Where WIN.INI cannot be written, OK keeps the choices in the per-user file, the next
// run shows them, and once WIN.INI can be written again it is the one place again.
TEST_F(ConfigDialog, AnUnwritableWinIniHandsOverToTheUserFileAndBack) {
    WriteIni("Time", "102");
    {
        TImmutable locked(WinIniPath());
        if (!locked.Applied) GTEST_SKIP() << NoImmutableFiles;
        Open();
        Click(103);
        PostOk();  // a failed save would hold a sent click in its message box
        ExpectClosed();
        EXPECT_EQ(ReadIni("Time"), "102");
        EXPECT_EQ(UserValue("Time"), "103");
        for (const char* key : {"Priority", "ShowBkgr", "ShowInfo", "ManualControl", "Palette",
                                "Path", "Score1", "Score2", "Score3"})
            EXPECT_NE(UserValue(key), "<none>") << key;
        Open();
        EXPECT_TRUE(Checked(Dialog, 103)) << "the next run did not read the per-user file";
        Click(2);
        ExpectClosed();
    }
    Open();
    Click(1);
    ExpectClosed();
    EXPECT_EQ(ReadIni("Time"), "103");
    EXPECT_EQ(GetFileAttributesA(UserSettingsFile().c_str()), INVALID_FILE_ATTRIBUTES)
        << "the per-user file outlived a good save";
}

// OK must not close as if it had worked when nothing could keep the settings.
TEST_F(ConfigDialog, WhenNothingCanBeWrittenOkSaysWhyAndStaysOpen) {
    CreateDirectoryA(UserSettingsFolder().c_str(), nullptr);
    TImmutable lockedIni(WinIniPath());
    TImmutable lockedFolder(UserSettingsFolder());
    if (!lockedIni.Applied || !lockedFolder.Applied) GTEST_SKIP() << NoImmutableFiles;
    Open();
    PostOk();
    HWND box = OwnedBox(*Saver, Dialog);
    ASSERT_NE(box, nullptr) << "no message box after a failed save";
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_ACCESS_DENIED, 0, reason, sizeof reason, nullptr);
    // The box is there before its own initialisation has put the text in.
    std::string text;
    EXPECT_TRUE(WaitUntil([&] {
        text = MessageText(box);
        return text.find(reason) != std::string::npos;
    })) << "the message box does not give the reason \"" << reason << "\": " << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(box) == FALSE; })) << "the message box stayed";
    PumpMessages(300);
    EXPECT_TRUE(Saver->Running() && IsWindowVisible(Dialog)) << "the dialog closed anyway";
    Click(2);
    ExpectClosed();
    EXPECT_EQ(ReadIni("Time"), "<none>");
}

}  // namespace

namespace {

// A full-screen run that ends while the dialog is open saves its scores; OK keeps them.
TEST_F(ConfigDialog, OkKeepsScoresStoredWhileItWasOpen) {
    Open({{"Score1", "100"}, {"Score2", "50"}, {"Score3", "10"}});
    WriteIni("Score1", "5000");
    Click(1);
    ExpectClosed();
    ExpectStored({{"Score1", "5000"}, {"Score2", "50"}, {"Score3", "10"}});
}

// After a good save to WIN.INI the per-user file must not outlive it stale: the next
// start would lay its old values over WIN.INI's. One that cannot be removed is brought
// up to date; one that cannot be changed at all fails the save.
TEST_F(ConfigDialog, APerUserFileThatCannotGoIsUpdatedOrTheSaveFails) {
    CreateDirectoryA(UserSettingsFolder().c_str(), nullptr);
    WritePrivateProfileStringA(IniSection, "Time", "103", UserSettingsFile().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, UserSettingsFile().c_str());
    {
        TImmutable locked(UserSettingsFile());
        if (!locked.Applied) GTEST_SKIP() << NoImmutableFiles;
        Open();
        Click(104);
        PostOk();
        ASSERT_NE(OwnedBox(*Saver, Dialog), nullptr) << "a stale file was reported as saved";
        Saver->Kill();
    }
    TImmutable lockedFolder(UserSettingsFolder());  // the file can change, but not go
    Open();
    Click(104);
    PostOk();
    ExpectClosed();
    EXPECT_EQ(ReadIni("Time"), "104");
    EXPECT_EQ(UserValue("Time"), "104") << "the file that could not be removed stayed stale";
}

// Where the user's name lies outside the ANSI code page, the ANSI path of the
// application data folder holds question marks: the per-user file must still be found.
// The shell folder of application data points below C:\users\Пётр for the object's life.
class TCyrillicAppData {
public:
    TCyrillicAppData() : Shell_(ShellKey, "AppData"), UserShell_(UserShellKey, "AppData") {
        for (const std::wstring& folder : {Home, Home + L"\\AppData", AppData()})
            CreateDirectoryW(folder.c_str(), nullptr);
        for (const char* key : {ShellKey, UserShellKey}) PointAppDataHere(key);
    }
    ~TCyrillicAppData() {
        DeleteFileW(File().c_str());
        for (const std::wstring& folder :
             {AppData() + L"\\Korvex Rowfall", AppData(), Home + L"\\AppData", Home})
            RemoveDirectoryW(folder.c_str());
    }
    TCyrillicAppData(const TCyrillicAppData&) = delete;
    TCyrillicAppData& operator=(const TCyrillicAppData&) = delete;

    static std::wstring File() { return AppData() + L"\\Korvex Rowfall\\rowfall.ini"; }

private:
    static constexpr const char* ShellKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    static constexpr const char* UserShellKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static inline const std::wstring Home = L"C:\\users\\\x041f\x0451\x0442\x0440";
    static std::wstring AppData() { return Home + L"\\AppData\\Roaming"; }

    static void PointAppDataHere(const char* key) {
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                            nullptr) != ERROR_SUCCESS)
            return;
        const std::wstring path = AppData();
        RegSetValueExW(handle, L"AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       DWORD((path.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }

    TRegistryBackup Shell_;
    TRegistryBackup UserShell_;
};

TEST_F(ConfigDialog, ThePerUserFileWorksUnderAUserFolderBeyondTheAnsiCodePage) {
    TCyrillicAppData appData;
    TImmutable locked(WinIniPath());
    if (!locked.Applied) GTEST_SKIP() << NoImmutableFiles;
    Open();
    Click(103);
    PostOk();
    ExpectClosed();
    wchar_t time[16] = {};
    GetPrivateProfileStringW(L"Korvex Rowfall Screen Saver", L"Time", L"", time, 16,
                             TCyrillicAppData::File().c_str());
    EXPECT_STREQ(time, L"103") << "the settings were lost";
    Open();
    EXPECT_TRUE(Checked(Dialog, 103)) << "the next run did not read the per-user file";
    Click(2);
    ExpectClosed();
}

}  // namespace
