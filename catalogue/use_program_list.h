#pragma once
// The frequent list's rules: merging sightings of a program from several
// sources into one entry, the order, and which entries the menu shows.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/use_program_info.h"

// Paths as the file system compares them (ASCII letters without case).
[[nodiscard]] bool SamePath(std::wstring_view a, std::wstring_view b);

// The entry for a target; the last one when several match; null when none.
[[nodiscard]] TUseProgramInfo* FindByTarget(const UseProgramList& items, std::wstring_view targetPath);

struct MergeResult {
    TUseProgramInfo* Record = nullptr;
    bool Created = false;  // the caller fills the icon of a new entry
};

// One source saw `targetPath` started through `linkPath` at `lastRun`
// (0: no time known). The first sighting of a target makes its entry, whose
// LinkPath and UserAssistValueName stay; later sightings only raise LastRun.
MergeResult MergeSighting(UseProgramList& items, std::wstring_view linkPath, std::wstring_view targetPath,
                          DateTime lastRun, std::wstring_view userAssistValueName);

// Newest first; entries with equal times keep the order they were found in.
void SortByLastRun(UseProgramList& items);

// Tree rows are 40 pixels high; the tree is 4 pixels taller than its rows.
inline constexpr int kFrequentRowHeight = 40;
inline constexpr int kFrequentTreePadding = 4;
inline constexpr int kFrequentMaxRows = 10;

struct FrequentRow {
    TUseProgramInfo* Record = nullptr;  // owned by the list the plan was made from
    std::wstring Caption;  // the record's DisplayName
    std::wstring LinkPath;
    int IconIndex = -1;
};

struct FrequentListPlan {
    std::vector<FrequentRow> Rows;
    // Rows the tree keeps room for: ten, or as many as fit, however few
    // programs are listed.
    int ReservedRows = 0;
    int TreeHeight = 0;  // ReservedRows rows and the padding
    bool Visible = false;
};

// Whether the pinned list holds a program with this target.
using PinnedTargetTest = std::function<bool(std::wstring_view targetPath)>;

// The rows for a tree whose top is `top`, in a window whose lists end above
// `limit`: the entries in order, pinned programs left out, at most ten and no
// more than fit.
[[nodiscard]] FrequentListPlan PlanFrequentList(const UseProgramList& items, const PinnedTargetTest& isPinned,
                                                int top, int limit);
