#include "reduced/KeptGuarantee.h"

#include "reduced/WinDistribution.h"

namespace varnelo {

KeptGuarantee keptGuarantee(const std::vector<Column>& columns, const std::vector<int>& numbers) {
    KeptGuarantee k;
    const int n = static_cast<int>(numbers.size());
    if (n < kColumnSize)
        return k;
    std::array<std::uint8_t, kMaxNumber + 1> position{};
    for (int i = 0; i < n; ++i)
        position[static_cast<std::size_t>(numbers[static_cast<std::size_t>(i)])] =
            static_cast<std::uint8_t>(i + 1);
    PositionTable table{kColumnSize, n, {}};
    for (const Column& c : columns)
        for (const std::uint8_t x : c)
            table.cells.push_back(position[x]);
    const TableHits hits = tableHits(table);
    k.draws = hits[5];
    for (int b = 0; b <= kColumnSize; ++b)
        k.total += k.draws[static_cast<std::size_t>(b)];
    k.worst = 0;
    while (k.worst < kColumnSize && k.draws[static_cast<std::size_t>(k.worst)] == 0)
        ++k.worst;
    return k;
}

std::vector<std::string> keptGuaranteeLines(const KeptGuarantee& k) {
    static constexpr const char* kLabels[] = {"Zero", "Uno", "Due", "Tre", "Quattro", "Cinque"};
    std::vector<std::string> lines;
    lines.push_back("Garanzia rimasta = " + std::to_string(k.worst) + " se 5");
    lines.push_back("Cinquine dei numeri = " + std::to_string(k.total));
    for (int b = kColumnSize; b >= 0; b -= 2)
        lines.push_back(std::string(kLabels[b]) + " = " +
                        std::to_string(k.draws[static_cast<std::size_t>(b)]) + "   " +
                        kLabels[b - 1] + " = " +
                        std::to_string(k.draws[static_cast<std::size_t>(b - 1)]));
    return lines;
}

} // namespace varnelo
