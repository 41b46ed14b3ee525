// The password check through a PASSWORD.CPL placed beside a copy of the saver.
#include <cstdio>

#include "e2e/saver_fixture.h"

namespace {

const char DesktopKey[] = "Control Panel\\Desktop";
const char UsePassword[] = "ScreenSaveUsePassword";

class Password : public SaverTest {
protected:
    void SetUp() override {
        Folder_ = JoinPath(WorkFolder(), "password");
        CreateDirectoryA(Folder_.c_str(), nullptr);
        Scr_ = JoinPath(Folder_, "rowfall.scr");
        Log_ = JoinPath(Folder_, "calls.log");
        AnswerFile_ = JoinPath(Folder_, "answer.txt");
        ASSERT_TRUE(CopyFileTo(ScrPath(), Scr_));
        ASSERT_TRUE(CopyFileTo(PasswordCplPath(), JoinPath(Folder_, "PASSWORD.CPL")));
        DeleteFileA(Log_.c_str());
        DeleteFileA(AnswerFile_.c_str());
        SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_LOG", Log_.c_str());
        SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_ANSWER", AnswerFile_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_LOG", nullptr);
        SetEnvironmentVariableA("ROWFALL_TEST_PASSWORD_ANSWER", nullptr);
    }
    // Read by the library at each call, so it can change while the saver runs.
    void Answer(const char* answer) {
        HANDLE file = CreateFileA(AnswerFile_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, answer, DWORD(lstrlenA(answer)), &written, nullptr);
        CloseHandle(file);
    }
    int Calls() const {
        const std::string text = ReadTextFile(Log_);
        int calls = 0;
        for (size_t at = text.find("call"); at != std::string::npos; at = text.find("call", at + 1))
            ++calls;
        return calls;
    }
    // The library writes its line before it answers, so the saver may still be acting on it.
    void WaitForCalls(int count) const {
        EXPECT_TRUE(WaitUntil([&] { return Calls() >= count; }))
            << "the password library was not called " << count << " times";
    }
    static void SetDword(DWORD value) {
        ASSERT_TRUE(WriteUserValue(DesktopKey, UsePassword, REG_DWORD, &value, sizeof value));
    }
    static void SetBinary(const BYTE (&bytes)[4]) {
        ASSERT_TRUE(WriteUserValue(DesktopKey, UsePassword, REG_BINARY, bytes, sizeof bytes));
    }
    HWND StartCopy(TProcess& saver) { return StartSaver(saver, "/s", Scr_); }
    const std::string& Folder() const { return Folder_; }
    const std::string& Scr() const { return Scr_; }

    // A refusal keeps the saver; then six moves pass and the seventh asks again. The
    // input goes to the process's window of the given class.
    void ExpectRefusalKeepsRunning(const char* inputClass = SaverClass) {
        Answer("refuse");
        TProcess saver;
        ASSERT_NE(StartCopy(saver), nullptr);
        HWND window = saver.FindWindowOf(inputClass, PatienceMs);
        ASSERT_NE(window, nullptr) << inputClass;
        PostKey(window, 'Q');
        WaitForCalls(1);
        Sleep(600);
        EXPECT_TRUE(saver.Running()) << "ended although the password was refused";
        EXPECT_EQ(Calls(), 1);
        for (int i = 0; i < 6; ++i) PostMouseMove(window, 300 + i, 300);
        Sleep(600);
        EXPECT_EQ(Calls(), 1) << "one of the six moves after a refusal asked again";
        PostMouseMove(window, 400, 400);
        WaitForCalls(2);
        EXPECT_EQ(Calls(), 2) << "the seventh move did not ask";
        EXPECT_TRUE(saver.Running());
        EXPECT_TRUE(IsWindowVisible(window));
        Answer("accept");
        PostButton(window, WM_LBUTTONDOWN);
        EXPECT_TRUE(EndsWithZero(saver));
        EXPECT_EQ(Calls(), 3);
    }

private:
    std::string Folder_, Scr_, Log_, AnswerFile_;
};

TEST_F(Password, RefusedAsDwordKeepsTheSaverRunning) {
    SetDword(1);
    ExpectRefusalKeepsRunning();
}

TEST_F(Password, RefusedAsBinaryKeepsTheSaverRunning) {
    const BYTE one[4] = {1, 0, 0, 0};
    SetBinary(one);
    ExpectRefusalKeepsRunning();
}

TEST_F(Password, AcceptedEndsTheSaver) {
    SetDword(1);
    Answer("accept");
    TProcess saver;
    HWND window = StartCopy(saver);
    ASSERT_NE(window, nullptr);
    PostKey(window, 'Q');
    EXPECT_TRUE(EndsWithZero(saver));
    EXPECT_EQ(Calls(), 1);
}

// Alt+F4 reaches the window as SC_CLOSE and then WM_CLOSE: neither gets past the password.
TEST_F(Password, CloseRequestsAskLikeAKey) {
    SetDword(1);
    Answer("refuse");
    TProcess saver;
    HWND window = StartCopy(saver);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForCalls(2);
    Sleep(800);
    EXPECT_TRUE(saver.Running()) << "a close request ended the saver past a refused password";
    EXPECT_EQ(Calls(), 2);
    Answer("accept");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(EndsWithZero(saver));
    EXPECT_EQ(Calls(), 3);
}

TEST_F(Password, AbsentOrZeroEndsWithoutTheLibrary) {
    Answer("refuse");
    for (bool absent : {true, false}) {
        if (absent)
            DeleteUserValue(DesktopKey, UsePassword);
        else
            SetDword(0);
        TProcess saver;
        HWND window = StartCopy(saver);
        ASSERT_NE(window, nullptr);
        PostKey(window, 'Q');
        EXPECT_TRUE(EndsWithZero(saver)) << (absent ? "absent" : "zero");
        EXPECT_EQ(Calls(), 0);
    }
}

// Only the saver's own folder and the system folder are asked for the library:
// one in the current folder alone (any file of that name) is never run.
TEST_F(Password, ALibraryInTheCurrentFolderAloneIsNotUsed) {
    SetDword(1);
    Answer("refuse");
    const std::string elsewhere = JoinPath(WorkFolder(), "no-library");
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    const std::string scr = JoinPath(elsewhere, "rowfall.scr");
    ASSERT_TRUE(CopyFileTo(ScrPath(), scr));
    TProcess saver;
    ASSERT_TRUE(saver.StartAs("\"" + scr + "\" /s", scr, Folder()));
    HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
    ASSERT_NE(window, nullptr);
    ASSERT_GE(WaitForFrame(saver, PatienceMs), 0);
    PostKey(window, 'Q');
    EXPECT_TRUE(EndsWithZero(saver)) << "the current folder's library was asked";
    EXPECT_EQ(Calls(), 0);
}

// MPR.DLL is no known DLL: "/a" must take the system's, not a copy planted beside the
// program (scripts/wine-env.sh tells Wine to search for it as Windows does).
TEST_F(Password, TheChangeTakesMprFromTheSystemFolderOnly) {
    ASSERT_TRUE(CopyFileTo(PasswordCplPath(), JoinPath(Folder(), "MPR.DLL")));
    TProcess change;
    ASSERT_TRUE(change.StartAs("\"" + Scr() + "\" /a 0", Scr(), Folder()));
    EXPECT_TRUE(EndsWithZero(change));
    EXPECT_EQ(Calls(), 0) << "the MPR.DLL beside the program was used";
}

// Run by the two-monitor tier only: input on the black window over the second
// monitor takes the same steps as on the saver window.
using TwoMonitorsPassword = Password;

TEST_F(TwoMonitorsPassword, RefusedOnTheOtherMonitorKeepsItRunning) {
    SetDword(1);
    ExpectRefusalKeepsRunning(CoverClass);
}

}  // namespace
