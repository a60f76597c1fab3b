// Loads the frequent list from 500 generated UserAssist values against a
// generated Start Menu and prints how long it took. Not a test: run it by hand
//     tools/wine-exec build/win64/wine build/win64/bin/frequent_benchmark.exe

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "catalogue/com_support.h"
#include "catalogue/use_program_manage.h"
#include "tests/wine/frequent_fixture.h"

int wmain() {
    constexpr int kValues = 500;
    const ScopedComInit com;
    FrequentScratch scratch;
    if (!scratch.Ready()) {
        std::printf("cannot make the scratch key or folder\n");
        return 1;
    }
    for (int i = 0; i < kValues; ++i) {
        // A fifth of the names go through the Programs known folder.
        const std::wstring relative = L"Group " + std::to_wstring(i % 25) + L"\\Program " + std::to_wstring(i);
        const GeneratedProgram program = scratch.MakeProgram(relative, L"program" + std::to_wstring(i) + L".exe");
        const std::wstring name = i % 5 == 0 ? L"{A77F5D77-2E2B-44C3-A6A2-ABA601054A51}\\" + relative + L".lnk"
                                             : program.Shortcut;
        scratch.SetValue(Rot13(name), UserAssistData(FileTimeOfLocal(2015, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 0)));
    }
    TUseProgramManage manage(scratch.Locations());
    const auto started = std::chrono::steady_clock::now();
    manage.LoadFrequentPrograms();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("loaded %d of %d UserAssist values in %.3f s (%.2f ms each)\n", manage.Count(), kValues, seconds,
                1000 * seconds / kValues);
    return manage.Count() == kValues ? 0 : 1;
}
