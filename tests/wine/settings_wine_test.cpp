// The settings files on disk: Main.ini through the profile functions and
// TSafeIniFile, the data folder under a scratch USERPROFILE, and saves that
// fail without harming the file they were meant to replace.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "settings/data_folder.h"
#include "settings/ext_ini_file.h"
#include "settings/main_ini.h"
#include "settings/profile_ini_file.h"
#include "settings/safe_ini_file.h"
#include "tests/harness/environment.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"

namespace {

std::optional<std::string> Bytes(const std::wstring& path) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    return bytes;
}

// The text after a UTF-16 LE byte-order mark, or nullopt without one.
std::optional<std::wstring> Utf16LeText(const std::string& bytes) {
    if (bytes.size() % 2 != 0 || bytes.compare(0, 2, "\xFF\xFE") != 0) return std::nullopt;
    std::wstring text;
    for (size_t i = 2; i < bytes.size(); i += 2) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                            static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

// A byte-order mark and the text in UTF-16 of either byte order.
std::string Utf16Bytes(std::wstring_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::wstring FromAnsi(const std::string& bytes) {
    wchar_t buffer[256];
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), buffer, 256);
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring ProfileString(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[1024];
    const DWORD length = ::GetPrivateProfileStringW(section, key, L"<none>", buffer, 1024, file.c_str());
    return std::wstring(buffer, length);
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every test gets its own USERPROFILE below a scratch folder; the profile
// folder itself is not created, so the code under test must make the data
// folder with all its parents.
class SettingsFiles : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        profile_ = scratch_ + L"\\Users\\Tester";
        userProfile_.emplace(L"USERPROFILE", profile_);
        ASSERT_TRUE(userProfile_->IsReady());
    }

    void TearDown() override {
        userProfile_.reset();
        RemoveFolder(scratch_);
    }

    std::wstring DataFolder() const { return profile_ + L"\\AppData\\LocalLow\\Kavor\\Dravix\\"; }
    std::wstring MainIni() const { return DataFolder() + L"Main.ini"; }

    void MakeDataFolder() const {
        const int result = ::SHCreateDirectoryExW(nullptr, DataFolder().c_str(), nullptr);
        ASSERT_TRUE(result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS) << result;
    }

    std::wstring scratch_;
    std::wstring profile_;
    std::optional<ScopedEnvironmentVariable> userProfile_;
};

// Main.ini as the settings program writes it: ANSI, blanks around "=", a
// blank line, a key the program does not know.
const std::string kAnsiMainIni =
    "[Main]\r\nLanguage=Fran\xE7" "ais\r\nSkinName = Aero\r\n\r\n"
    "[Setting]\r\nHotKey=16467\r\nMetro=$4058\r\n"
    "[Menu]\r\nDocumenuts=2\r\nRun...=0\r\nUnknownKey=kept\r\n";

}  // namespace

TEST_F(SettingsFiles, GetDataFolderFollowsUserProfile) {
    struct Case {
        const wchar_t* profile;  // nullptr: the variable is not set
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Users\\Ann", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L"C:\\Users\\Ann\\", L"C:\\Users\\Ann\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {L" D:\\Home ", L"D:\\Home\\AppData\\LocalLow\\Kavor\\Dravix\\"},
        {nullptr, L"AppData\\LocalLow\\Kavor\\Dravix\\"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(userProfile_->Set(c.profile));
        EXPECT_EQ(GetDataFolder(), c.folder) << (c.profile ? testing::PrintToString(std::wstring(c.profile)) : "unset");
    }
    ASSERT_TRUE(userProfile_->Set(profile_));
    EXPECT_EQ(GetDataFolder(), DataFolder());
    EXPECT_FALSE(Exists(profile_)) << "computing the path creates nothing";
}

TEST_F(SettingsFiles, AnsiMainIniIsReadBeforeTheFirstSaveAndKeptAfterIt) {
    MakeDataFolder();
    EXPECT_TRUE(WriteBytes(MainIni(), kAnsiMainIni));
    const std::wstring french = FromAnsi("Fran\xE7" "ais");

    struct Key {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
    };
    const std::vector<Key> keys = {
        {L"Main", L"Language", french},   {L"Main", L"SkinName", L"Aero"},   {L"Setting", L"HotKey", L"16467"},
        {L"Setting", L"Metro", L"$4058"}, {L"Menu", L"Documenuts", L"2"},    {L"Menu", L"Run...", L"0"},
        {L"Menu", L"UnknownKey", L"kept"},
    };

    EXPECT_EQ(GetLanguageSetting(), french);
    {
        const TIniFile ini(MainIni());
        EXPECT_EQ(ini.ReadString(main_ini::kSkinName.section, main_ini::kSkinName.key, main_ini::kSkinName.fallback),
                  L"Aero");
        EXPECT_EQ(ini.ReadInteger(L"Setting", L"HotKey", 0), 16467);
        EXPECT_EQ(ini.ReadInteger(L"Setting", L"Metro", 0), 0x4058);
        EXPECT_EQ(ini.ReadInteger(L"Setting", L"Run", main_ini::kRunHotKey.fallback), 32850);
        for (const Key& k : keys) EXPECT_EQ(ini.ReadString(k.section, k.key, L"<none>"), k.value) << k.key;
    }
    ASSERT_EQ(Bytes(MainIni()), kAnsiMainIni) << "reading rewrites nothing";

    { const TSafeIniFile opened(MainIni()); }  // opening alone rewrites the file

    const std::optional<std::string> saved = Bytes(MainIni());
    ASSERT_TRUE(saved);
    const std::optional<std::wstring> text = Utf16LeText(*saved);
    ASSERT_TRUE(text) << "not UTF-16 LE with a byte-order mark";
    EXPECT_EQ(*text, L"[Main]\r\nLanguage=" + french + L"\r\nSkinName=Aero\r\n\r\n"
                     L"[Setting]\r\nHotKey=16467\r\nMetro=$4058\r\n\r\n"
                     L"[Menu]\r\nDocumenuts=2\r\nRun...=0\r\nUnknownKey=kept\r\n");
    for (const Key& k : keys) EXPECT_EQ(ProfileString(MainIni(), k.section, k.key), k.value) << k.key;
    EXPECT_EQ(GetLanguageSetting(), french);
    EXPECT_FALSE(Exists(MainIni() + L".tmp"));
}

TEST_F(SettingsFiles, SaveMenuHeightWidthMakesTheFolderAndKeepsOtherKeys) {
    ASSERT_FALSE(Exists(profile_));
    SaveMenuHeightWidth(41);
    ASSERT_TRUE(IsFolder(DataFolder()));
    EXPECT_EQ(::GetPrivateProfileIntW(L"Main", L"HeightWidth", -1, MainIni().c_str()), 41);

    ASSERT_TRUE(::WritePrivateProfileStringW(L"Main", L"SkinName", L"Glass", MainIni().c_str()));
    SaveMenuHeightWidth(-2);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Main", L"HeightWidth", 0, MainIni().c_str()), -2);
    EXPECT_EQ(ProfileString(MainIni(), L"Main", L"SkinName"), L"Glass");
    const std::optional<std::string> bytes = Bytes(MainIni());
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(Utf16LeText(*bytes));
}

TEST_F(SettingsFiles, ReadOnlyMainIniLosesTheAttributeOnSave) {
    MakeDataFolder();
    EXPECT_TRUE(WriteBytes(MainIni(), kAnsiMainIni));
    ASSERT_TRUE(::SetFileAttributesW(MainIni().c_str(), FILE_ATTRIBUTE_READONLY));

    SaveMenuHeightWidth(12);
    EXPECT_FALSE(::GetFileAttributesW(MainIni().c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Main", L"HeightWidth", 0, MainIni().c_str()), 12);
    EXPECT_EQ(ProfileString(MainIni(), L"Menu", L"UnknownKey"), L"kept");
}

TEST_F(SettingsFiles, LanguageSettingDefaultsWithoutCreatingAnything) {
    EXPECT_EQ(GetLanguageSetting(), L"English");
    EXPECT_FALSE(Exists(profile_));

    MakeDataFolder();
    EXPECT_TRUE(WriteBytes(MainIni(), "[Main]\r\nSkinName=Aero\r\n"));
    EXPECT_EQ(GetLanguageSetting(), L"English");
}

TEST_F(SettingsFiles, FailedSaveLeavesTheOldFileAsItWas) {
    struct Case {
        const char* name;
        std::function<void(const std::wstring& mainIni)> obstruct;
    };
    const Case cases[] = {
        {"temporary file cannot be created",
         [](const std::wstring& mainIni) { ASSERT_TRUE(::CreateDirectoryW((mainIni + L".tmp").c_str(), nullptr)); }},
        {"read-only temporary folder",
         [](const std::wstring& mainIni) {
             const std::wstring blocker = mainIni + L".tmp";
             ASSERT_TRUE(::CreateDirectoryW(blocker.c_str(), nullptr));
             ASSERT_TRUE(::SetFileAttributesW(blocker.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeDataFolder();
        EXPECT_TRUE(WriteBytes(MainIni(), kAnsiMainIni));
        c.obstruct(MainIni());

        TSafeIniFile ini(MainIni());
        EXPECT_EQ(ini.ReadString(L"Menu", L"UnknownKey", L""), L"kept");
        ini.WriteInteger(L"Main", L"HeightWidth", 5);
        EXPECT_FALSE(ini.SaveFile(MainIni()));
        SaveMenuHeightWidth(6);
        EXPECT_EQ(Bytes(MainIni()), kAnsiMainIni);

        ::SetFileAttributesW((MainIni() + L".tmp").c_str(), FILE_ATTRIBUTE_DIRECTORY);
        ::RemoveDirectoryW((MainIni() + L".tmp").c_str());
        ::DeleteFileW(MainIni().c_str());
    }
}

TEST_F(SettingsFiles, SaveOntoAFolderFailsAndLeavesNoTemporaryFile) {
    MakeDataFolder();
    ASSERT_TRUE(::CreateDirectoryW(MainIni().c_str(), nullptr));
    TSafeIniFile ini(MainIni());
    ini.WriteString(L"Main", L"Language", L"Deutsch");
    EXPECT_FALSE(ini.SaveFile(MainIni()));
    EXPECT_TRUE(IsFolder(MainIni()));
    EXPECT_FALSE(Exists(MainIni() + L".tmp"));
}

TEST_F(SettingsFiles, UnreadableMainIniIsNotOverwrittenByAnEmptyImage) {
    MakeDataFolder();
    EXPECT_TRUE(WriteBytes(MainIni(), kAnsiMainIni));
    {
        // The settings program holding the file without sharing it.
        UniqueFileHandle locked(::CreateFileW(MainIni().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locked);
        TSafeIniFile ini(MainIni());
        ini.WriteInteger(L"Main", L"HeightWidth", 3);
        EXPECT_FALSE(ini.SaveFile(MainIni()));
    }
    EXPECT_EQ(Bytes(MainIni()), kAnsiMainIni);
}

TEST_F(SettingsFiles, DamagedFilesLoadAndAreRewrittenAsUtf16) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string garbage;
    for (int i = 0; i < 70000; ++i) garbage.push_back(static_cast<char>((i * 7919) >> 3));
    const Case cases[] = {
        {"binary garbage", garbage},
        {"lone utf-8 mark", "\xEF\xBB\xBF"},
        {"lone utf-16 mark", "\xFF\xFE"},
        {"odd utf-16", std::string("\xFF\xFE[\0M\0]\0\n\0k\0=\0001\0\n", 17)},
        {"broken utf-8", "\xEF\xBB\xBF[Main]\r\nHeightWidth=\xC3\r\n"},
        {"huge line", "[Main]\r\nLanguage=" + std::string(3 * 1024 * 1024, 'z') + "\r\nHotKey=x\r\n"},
        {"duplicates", "[Main]\r\nk=1\r\n[Main]\r\nk=2\r\nj=3\r\n"},
    };
    MakeDataFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(WriteBytes(MainIni(), c.bytes));
        std::vector<std::wstring> first;
        {
            const TSafeIniFile ini(MainIni());
            EXPECT_EQ(ini.ReadInteger(L"Main", L"HotKey", 77), 77);
            first = ini.GetStrings();
        }
        const std::optional<std::string> saved = Bytes(MainIni());
        ASSERT_TRUE(saved);
        EXPECT_TRUE(Utf16LeText(*saved));
        const TSafeIniFile again(MainIni());
        EXPECT_EQ(again.GetStrings(), first) << "a second load reads what the first wrote";
        EXPECT_EQ(Bytes(MainIni()), saved);
    }
}

TEST_F(SettingsFiles, TIniFileWorksOnTheFileAsItIsOnDisk) {
    TIniFile ini(MainIni());
    EXPECT_TRUE(IsFolder(DataFolder())) << "the constructor makes the folder";
    ini.WriteString(L"Main", L"SkinName", L"Aero");
    EXPECT_EQ(ini.ReadString(L"Main", L"SkinName", L""), L"Aero");

    // Another program rewrites the file; the next read sees the new value.
    {
        TSafeIniFile other(MainIni());
        other.WriteString(L"Main", L"SkinName", L"Metro");
        ASSERT_TRUE(other.SaveFile(MainIni()));
    }
    EXPECT_EQ(ini.ReadString(L"Main", L"SkinName", L""), L"Metro");
    EXPECT_EQ(ini.ReadInteger(L"Setting", L"HotKey", main_ini::kSettingsHotKey.fallback), 32851);

    std::vector<std::wstring> keys;
    ini.ReadSection(L"Main", keys);
    EXPECT_EQ(keys, std::vector<std::wstring>{L"SkinName"});
    EXPECT_TRUE(ini.ValueExists(L"main", L"skinname"));

    // A read-only file is made writable again by the next TIniFile.
    ASSERT_TRUE(::SetFileAttributesW(MainIni().c_str(), FILE_ATTRIBUTE_READONLY));
    TIniFile reopened(MainIni());
    EXPECT_FALSE(::GetFileAttributesW(MainIni().c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(SettingsFiles, TIniFileIgnoresAWriteTheSystemRefuses) {
    MakeDataFolder();
    ASSERT_TRUE(::CreateDirectoryW(MainIni().c_str(), nullptr));
    TIniFile ini(MainIni());
    EXPECT_NO_THROW(ini.WriteString(L"Main", L"SkinName", L"Aero"));
    ProfileIniFile plain(MainIni());
    EXPECT_THROW(plain.WriteString(L"Main", L"SkinName", L"Aero"), std::system_error);
}

TEST_F(SettingsFiles, LanguageFilesLoadInEveryEncoding) {
    MakeDataFolder();
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"utf-8", "\xEF\xBB\xBF[Main]\r\nDisplayName = Fran\xC3\xA7" "ais\r\n"},
        {"utf-16 le", Utf16Bytes(L"[Main]\nDisplayName=Fran\u00E7ais", false)},
        {"utf-16 be", Utf16Bytes(L"; comment\r[Main]\rDisplayName=Fran\u00E7ais\r", true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = DataFolder() + L"Test.lng";
        EXPECT_TRUE(WriteBytes(path, c.bytes));
        TExtIniFile language;
        language.LoadFromFile(path);
        EXPECT_EQ(language.ReadString(L"Main", L"DisplayName", L""), L"Fran\u00E7ais");
    }
    TExtIniFile missing;
    missing.LoadFromFile(DataFolder() + L"NoSuch.lng");
    EXPECT_EQ(missing.ReadString(L"Main", L"DisplayName", L"NoSuch"), L"NoSuch");
}
