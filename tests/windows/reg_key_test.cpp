// TRegKey against the real registry, in a scratch key of the current user.
#include <gtest/gtest.h>

#include <cstring>

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

    // Stores bytes as they are: REG_BINARY gets no terminator added by the system.
    void StoreBytes(const char* name, const char* bytes) {
        ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, ScratchKey, name, REG_BINARY, bytes,
                                static_cast<DWORD>(std::strlen(bytes))),
                  ERROR_SUCCESS);
    }

    void OpenScratch() {
        Key.Open(HKEY_CURRENT_USER, ScratchKey, true);
        ASSERT_EQ(Key.Status, ERROR_SUCCESS);
    }

    TRegKey Key;
};

// A buffer with guard bytes on both sides of the part handed to ReadString.
struct TGuardedBuffer {
    static constexpr size_t Guard = 16;
    char Bytes[Guard + 64 + Guard];
    TGuardedBuffer() { std::memset(Bytes, '#', sizeof Bytes); }
    char* Data() { return Bytes + Guard; }
    bool GuardsIntact(DWORD capacity) const {
        for (size_t i = 0; i < sizeof Bytes; ++i) {
            const bool inside = i >= Guard && i < Guard + capacity;
            if (!inside && Bytes[i] != '#') return false;
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
    StoreBytes("Six", "abcdef");

    TGuardedBuffer below;
    Key.ReadString("Six", below.Data(), 10);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(below.Data(), "abcdef");
    EXPECT_EQ(std::memcmp(below.Data() + 7, "###", 3), 0) << "only the terminator follows the data";
    EXPECT_TRUE(below.GuardsIntact(10));

    TGuardedBuffer at;
    Key.ReadString("Six", at.Data(), 6);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(at.Data(), "abcde");
    EXPECT_TRUE(at.GuardsIntact(6));

    TGuardedBuffer above;
    Key.ReadString("Six", above.Data(), 4);
    EXPECT_EQ(Key.Status, ERROR_MORE_DATA);
    EXPECT_EQ(above.Data()[3], '\0');
    EXPECT_TRUE(above.GuardsIntact(4));

    TGuardedBuffer none;
    Key.ReadString("Six", none.Data(), 0);
    EXPECT_EQ(Key.Status, ERROR_MORE_DATA);
    EXPECT_TRUE(none.GuardsIntact(0));
}

TEST_F(RegKey, ReadStringOfAStoredStringKeepsItsText) {
    OpenScratch();
    ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, ScratchKey, "Text", REG_SZ, "hello", 6),
              ERROR_SUCCESS);
    char buffer[260];
    std::memset(buffer, '#', sizeof buffer);
    Key.ReadString("Text", buffer, sizeof buffer);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "hello");
}

TEST_F(RegKey, ReadStringFailuresStayInsideTheBuffer) {
    OpenScratch();
    TGuardedBuffer missing;
    Key.ReadString("NoSuchValue", missing.Data(), 8);
    EXPECT_EQ(Key.Status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing.Data()[7], '\0');
    EXPECT_TRUE(missing.GuardsIntact(8));

    Key.Close();
    TGuardedBuffer closed;
    Key.ReadString("NoSuchValue", closed.Data(), 8);
    EXPECT_NE(Key.Status, ERROR_SUCCESS);
    EXPECT_TRUE(closed.GuardsIntact(8));
}

TEST_F(RegKey, WriteStringStoresTheTextWithItsTerminator) {
    OpenScratch();
    const char path[] = "C:\\WINDOWS\\ROWFALL.SCR";
    Key.WriteString("Saver", path);
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    const TRawValue stored = ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Saver");
    ASSERT_EQ(stored.Status, ERROR_SUCCESS);
    EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.Data.size(), sizeof path);
    EXPECT_EQ(stored.Text(), std::string(path, sizeof path));

    Key.WriteString("Empty", "");
    EXPECT_EQ(Key.Status, ERROR_SUCCESS);
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Empty").Data.size(), 1u);

    char buffer[260];
    Key.ReadString("Saver", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, path);

    Key.Close();
    Key.WriteString("Saver", "elsewhere");
    EXPECT_NE(Key.Status, ERROR_SUCCESS);
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, ScratchKey, "Saver").Text(),
              std::string(path, sizeof path));
}

}  // namespace
