#pragma once
// The per-user data folder and the two settings the program itself handles
// through Main.ini.

#include <string>

// %USERPROFILE%\AppData\LocalLow\Kavor\Dravix\ (see DataFolderFor); always
// ends in a backslash. Creates nothing.
[[nodiscard]] std::wstring GetDataFolder();

// Makes the file's folder (with its parents) and clears a read-only file's
// attributes, so that a following write can succeed. Reports nothing: the
// write that follows fails on its own if this could not help.
void PrepareFileForWrite(const std::wstring& fileName);

// "Main"/"Language" of Main.ini, "English" when missing; creates nothing.
[[nodiscard]] std::wstring GetLanguageSetting();

// Stores "Main"/"HeightWidth" in Main.ini through TSafeIniFile.
void SaveMenuHeightWidth(int value);
