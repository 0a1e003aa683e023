#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "conditions/SlotMetric.h"
#include "engine/DevelopmentRun.h"
#include "system/ProgramState.h"
#include "system/SystemRun.h"

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace varnelo::bench {

namespace {

void baseline() {
    static auto store = std::make_unique<ColumnStore>();
    keep(store.get());
    storeAllColumns(*store);
}

std::unique_ptr<ProgramState> freshState(const char* name, int numbers) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("varnelo-bench-" + std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "qor");
    auto s = std::make_unique<ProgramState>(ProgramFolder(dir));
    for (int n = 1; n <= numbers; ++n)
        s->selection.setState(n, Selection::Chosen);
    return s;
}

void admit(ProgramState& s, int slot, int from, int to) {
    s.conditions.setActive(slot, true);
    for (int v = from; v <= to; ++v)
        s.conditions.setCell(slot, v, {CellStatus::Admitted, 0});
}

std::function<void()> develop(std::shared_ptr<ProgramState> s) {
    return [s] {
        RunProgress progress;
        RunOptions options;
        options.threads = 1; // one core, comparable with the bare loop
        keep(&s->columns);
        const RunResult r = developSystem(*s, options, progress);
        keep(&r);
    };
}

std::shared_ptr<ProgramState> typical() {
    std::shared_ptr<ProgramState> s = freshState("tipiche", 49);
    admit(*s, 111, 100, 150); // Somma totale
    admit(*s, 1, 2, 3);       // Pari
    admit(*s, 64, 0, 2);      // Consecutivi Max
    admit(*s, 45, 3, 5);      // Decine Differenti
    admit(*s, 116, 2, 49);    // Distanza minima
    return s;
}

// Every slot of the main catalogue in play; each refuses its rarest high
// value and takes its second value on recovery (A or B, limited); two links.
std::shared_ptr<ProgramState> fullCatalogue() {
    std::shared_ptr<ProgramState> s = freshState("catalogo", 49);
    std::vector<int> slots;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (catalogueCodeOfSlot(slot))
            slots.push_back(slot);
    for (int slot : slots) {
        admit(*s, slot, 0, 4);
        s->conditions.setCell(slot, 1, {CellStatus::Recovery, std::uint8_t(1 + slot % 2)});
    }
    s->levels.setMax(1, 3);
    s->levels.setMax(2, 2);
    for (int k = 0; k < 3; ++k) {
        s->links.table.setMembership(1, slots[static_cast<std::size_t>(k)], 1);
        s->links.table.setMembership(2, slots[static_cast<std::size_t>(10 + k)], 1);
    }
    s->links.table.range(1) = {0, 1};
    s->links.table.range(2) = {0, 1};
    s->links.overallExcess = {0, 1};
    s->links.wrongLinks = {0, 1};
    s->links.recompute();
    return s;
}

std::shared_ptr<ProgramState> withOptions(const char* name, int numbers, int level, int kind) {
    std::shared_ptr<ProgramState> s = freshState(name, numbers);
    s->options.developmentLevel = level;
    s->options.kindCode = kind;
    return s;
}

const bool registered =
    registerCase({"senza-condizioni", baseline, develop(freshState("senza", 49)), 9}) &&
    registerCase({"condizioni-tipiche", baseline, develop(typical()), 9}) &&
    registerCase({"catalogo-completo", baseline, develop(fullCatalogue()), 9}) &&
    registerCase({"garanzia-4", baseline, develop(withOptions("garanzia", 49, 2, 0)), 3}) &&
    registerCase({"differenza-3", baseline, develop(withOptions("differenza", 30, 1, 23)), 5});

} // namespace

} // namespace varnelo::bench
