// Load times of the program lists over a generated start menu of 2,000
// shortcuts (and as many pinned-folder entries as the user's half gives).
// Prints the times; run it by hand under the Wine session:
//   tools/wine-exec build/win64/wine build/win64/bin/catalogue_benchmark.exe [shortcuts]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>

#include "catalogue/com_support.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/start_menu_manage.h"
#include "tests/harness/paths.h"
#include "tests/wine/start_menu_generator.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int Run(int shortcuts) {
    const std::wstring scratch = MakeScratchFolder();
    if (scratch.empty()) return 2;
    const GeneratedStartMenu menu = MakeStartMenuFolders(scratch);

    auto start = Clock::now();
    const int topLevel = GenerateShortcuts(menu, shortcuts);
    std::printf("generated %d shortcuts (%d top-level entries) in %.0f ms\n", shortcuts, topLevel,
                MillisecondsSince(start));

    TStartMenuManage manage(
        StartMenuRoots{menu.userPrograms, menu.userStartMenu, menu.commonPrograms, menu.commonStartMenu});
    for (int round = 1; round <= 3; ++round) {
        start = Clock::now();
        const ShellItemList items = manage.LoadAllProgramsList();
        std::printf("All Programs top level, round %d: %zu records in %.1f ms\n", round, items.size(),
                    MillisecondsSince(start));
        if (static_cast<int>(items.size()) != topLevel) std::printf("  unexpected record count\n");
    }

    TShellItem suite;
    suite.Kind = ShellItemKind::Folder;
    suite.FileName = L"Suite 00";
    suite.Path = menu.userPrograms + L"\\" + suite.FileName;
    start = Clock::now();
    const ShellItemList children = manage.ListFolderChildren(suite, suite.FileName);
    std::printf("one folder opened: %zu records in %.1f ms\n", children.size(), MillisecondsSince(start));

    TUserPinedManage pinned(menu.userPrograms);
    start = Clock::now();
    pinned.LoadPinnedPrograms();
    std::printf("pinned list over the user's Programs folder: %d entries in %.1f ms\n", pinned.Count(),
                MillisecondsSince(start));

    RemoveFolder(scratch);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const ScopedComInit com;
    const int shortcuts = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 2000;
    try {
        return Run(shortcuts > 0 ? shortcuts : 2000);
    } catch (const std::exception& error) {
        std::printf("benchmark failed: %s\n", error.what());
        return 1;
    }
}
