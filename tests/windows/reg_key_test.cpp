// TRegKey against the real registry, in a scratch key of the current user.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>

#include "settings/win/reg_key.h"
#include "tests/windows/registry_values.h"

namespace {

const char ScratchKey[] = "Software\\KorvexRowfallTest";

class RegKey : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, ScratchKey); }
    void TearDown() override {
        Key.Close();
        RegDeleteKeyA(HKEY_CURRENT_USER, ScratchKey);
    }

    // Stores the characters as they are: REG_BINARY gets no terminator added by the system.
    void StoreBytes(const char* name, const wchar_t* text) {
        ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, ScratchKey, name, REG_BINARY, text,
                                static_cast<DWORD>(std::wcslen(text) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    void OpenScratch() {
        Key.Open(HKEY_CURRENT_USER, ScratchKey, true);
        ASSERT_EQ(Key.Status, ERROR_SUCCESS);
    }

    TRegKey Key;
};

// A buffer with guard characters on both sides of the part handed to ReadString.
struct TGuardedBuffer {
    static constexpr size_t Guard = 16;
    wchar_t Chars[Guard + 64 + Guard];
    TGuardedBuffer() { std::wmemset(Chars, L'#', Guard + 64 + Guard); }
    wchar_t* Data() { return Chars + Guard; }
    bool GuardsIntact(DWORD capacity) const {
        for (size_t i = 0; i < Guard + 64 + Guard; ++i) {
            const bool inside = i >= Guard && i < Guard + capacity;
            if (!inside && Chars[i] != L'#') return false;
        }
        return true;
    }
};

TEST_F(RegKey, OpenCreatesOnlyWhenAsked) {
    Key.Open(HKEY_CURRENT_USER, ScratchKey, false);
    EXPECT_EQ(Key.Status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Key.Key, nullptr);

    Key.Open(HKEY_CURRENT_USER, ScratchKey, true);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_NE(Key.Key, nullptr);

    Key.Open(HKEY_CURRENT_USER, ScratchKey, false);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_NE(Key.Key, nullptr);
}

TEST_F(RegKey, OpenAndCloseReleaseTheHeldKey) {
    OpenScratch();
    const HKEY held = Key.Key;
    Key.Open(HKEY_CURRENT_USER, "Software\\KorvexRowfallTest\\Missing", false);
    EXPECT_EQ(Key.Status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Key.Key, nullptr);
    EXPECT_EQ(RegQueryInfoKeyA(held, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);

    OpenScratch();
    Key.Close();
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_EQ(Key.Key, nullptr);
    Key.Close();  // nothing held: still a success
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
}

TEST_F(RegKey, ReadStringTerminatesBelowAtAndAboveTheCapacity) {
    OpenScratch();
    StoreBytes("Six", L"abcdef");

    TGuardedBuffer below;
    Key.ReadString(L"Six", below.Data(), 10);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(below.Data(), L"abcdef");
    EXPECT_EQ(std::wmemcmp(below.Data() + 7, L"###", 3), 0) << "only the terminator follows the data";
    EXPECT_TRUE(below.GuardsIntact(10));

    TGuardedBuffer at;
    Key.ReadString(L"Six", at.Data(), 6);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(at.Data(), L"abcde");
    EXPECT_TRUE(at.GuardsIntact(6));

    TGuardedBuffer above;
    Key.ReadString(L"Six", above.Data(), 4);
    EXPECT_EQ(Key.Status, ERROR_MORE_DATA);
    EXPECT_EQ(above.Data()[3], L'\0');
    EXPECT_TRUE(above.GuardsIntact(4));

    TGuardedBuffer none;
    Key.ReadString(L"Six", none.Data(), 0);
    EXPECT_EQ(Key.Status, ERROR_MORE_DATA);
    EXPECT_TRUE(none.GuardsIntact(0));
}

TEST_F(RegKey, ReadStringOfAStoredStringKeepsItsText) {
    OpenScratch();
    ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, ScratchKey, "Text", REG_SZ, "hello", 6),
              ERROR_SUCCESS);
    wchar_t buffer[260];
    std::wmemset(buffer, L'#', 260);
    Key.ReadString(L"Text", buffer, 260);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(buffer, L"hello");
}

TEST_F(RegKey, ReadStringFailuresStayInsideTheBuffer) {
    OpenScratch();
    TGuardedBuffer missing;
    Key.ReadString(L"NoSuchValue", missing.Data(), 8);
    EXPECT_EQ(Key.Status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing.Data()[7], L'\0');
    EXPECT_TRUE(missing.GuardsIntact(8));

    Key.Close();
    TGuardedBuffer closed;
    Key.ReadString(L"NoSuchValue", closed.Data(), 8);
    EXPECT_NE(Key.Status, ERROR_SUCCESS);
    EXPECT_TRUE(closed.GuardsIntact(8));
}

TEST_F(RegKey, WriteStringStoresTheTextWithItsTerminator) {
    OpenScratch();
    const char path[] = "C:\\WINDOWS\\ROWFALL.SCR";
    const wchar_t widePath[] = L"C:\\WINDOWS\\ROWFALL.SCR";
    Key.WriteString(L"Saver", widePath);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    const TRawValue stored = ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Saver");
    ASSERT_EQ(stored.Status, ERROR_SUCCESS);
    EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.Data.size(), sizeof path);
    EXPECT_EQ(stored.Text(), std::string(path, sizeof path));

    Key.WriteString(L"Empty", L"");
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Empty").Data.size(), 1u);

    wchar_t buffer[260];
    Key.ReadString(L"Saver", buffer, 260);
    EXPECT_STREQ(buffer, widePath);

    Key.Close();
    Key.WriteString(L"Saver", L"elsewhere");
    EXPECT_NE(Key.Status, ERROR_SUCCESS);
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Saver").Text(),
              std::string(path, sizeof path));
}

}  // namespace
