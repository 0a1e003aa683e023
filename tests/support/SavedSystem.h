#pragma once

#include "system/SystemStorage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace varnelo::test {

// Saves a system of these columns (their numbers chosen) with the given
// Numeroni as qor/<name>.sse and .cna; the state it was saved from comes back.
inline std::unique_ptr<ProgramState> savedSystem(const ProgramFolder& folder,
                                                 const std::string& name,
                                                 const std::vector<Column>& columns,
                                                 std::initializer_list<int> numeroni) {
    auto s = std::make_unique<ProgramState>(folder);
    std::int32_t i = 0;
    for (const Column& c : columns) {
        for (const auto n : c)
            s->selection.setState(n, Selection::Chosen);
        s->columns.store(++i, c);
    }
    for (int e : numeroni)
        s->selection.setNumerone(e, true);
    s->columns.storedCount = s->columns.systemTotal = s->columns.finalCount = i;
    s->columns.hasColumns = i > 0;
    s->settings.saveColumns = true;
    Progress progress;
    EXPECT_TRUE(saveSystemAs(*s, name, progress).done()) << name;
    return s;
}

} // namespace varnelo::test
