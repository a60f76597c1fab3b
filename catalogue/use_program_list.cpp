#include "catalogue/use_program_list.h"

#include <algorithm>

#include "settings/ini_text.h"  // SameName

bool SamePath(std::wstring_view a, std::wstring_view b) { return SameName(a, b); }

TUseProgramInfo* FindByTarget(const UseProgramList& items, std::wstring_view targetPath) {
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (SamePath((*it)->TargetPath, targetPath)) return it->get();
    }
    return nullptr;
}

MergeResult MergeSighting(UseProgramList& items, std::wstring_view linkPath, std::wstring_view targetPath,
                          DateTime lastRun, std::wstring_view userAssistValueName) {
    MergeResult result;
    result.Record = FindByTarget(items, targetPath);
    if (!result.Record) {
        auto record = std::make_unique<TUseProgramInfo>();
        record->TargetPath = targetPath;
        record->LinkPath = linkPath;
        record->UserAssistValueName = userAssistValueName;
        result.Record = record.get();
        result.Created = true;
        items.push_back(std::move(record));
    }
    if (lastRun > result.Record->LastRun) result.Record->LastRun = lastRun;
    return result;
}

void SortByLastRun(UseProgramList& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a->LastRun > b->LastRun; });
}

FrequentListPlan PlanFrequentList(const UseProgramList& items, const PinnedTargetTest& isPinned, int top,
                                  int limit) {
    FrequentListPlan plan;
    const auto fits = [&](int rows) {
        return rows * kFrequentRowHeight + kFrequentTreePadding + top < limit;
    };
    int rows = 0;
    for (const auto& item : items) {
        if (rows >= kFrequentMaxRows || !fits(rows + 1)) break;
        if (isPinned && isPinned(item->TargetPath)) continue;
        plan.Rows.push_back({item.get(), item->DisplayName, item->LinkPath, item->IconIndex});
        ++rows;
    }
    while (rows < kFrequentMaxRows && fits(rows + 1)) ++rows;
    plan.ReservedRows = rows;
    plan.TreeHeight = rows * kFrequentRowHeight + kFrequentTreePadding;
    plan.Visible = rows > 0;
    return plan;
}
