#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnelo {

inline constexpr int kSlotCount = 200; // activation slots 1..200 (0 unused)
inline constexpr int kLevelCount = 40; // recovery levels 1..40, 0 = "----"

enum class CellStatus : std::uint8_t { NotAdmitted = 0, Admitted = 1, Recovery = 2 };

struct ValueCell {
    CellStatus status = CellStatus::NotAdmitted;
    std::uint8_t level = 0; // 0..40, meaningful for a red cell
    bool operator==(const ValueCell&) const = default;
};

// "----", A .. V (no J, K), AA .. VV.
std::string_view recoveryLevelName(int level);
// Level of a name of the list, or -1.
int recoveryLevelFromName(std::string_view name);

struct ValueRange {
    int min = 0;
    int max = 0;
};
// Values a slot's row of cells covers.
ValueRange slotValueRange(int slot);
// The slot's name in the link editors; empty for slots without one.
std::string_view slotDisplayName(int slot);
// The same in the point-quadro editor, which names slots 8 and 17 its own way.
std::string_view quadroSlotDisplayName(int slot);

// Which sub-conditions are on and which values each admits.
class ConditionSet {
  public:
    ConditionSet();

    bool isActive(int slot) const { return active_[static_cast<std::size_t>(slot)] != 0; }
    void setActive(int slot, bool on);

    ValueCell cell(int slot, int value) const;
    // Values outside the slot's range are ignored.
    void setCell(int slot, int value, ValueCell c);
    // The state the engine uses: a red cell without a level counts as blue.
    CellStatus effectiveStatus(int slot, int value) const;

    bool hasAdmittedCell(int slot) const;
    bool hasRedWithoutLevel(int slot) const;
    // "Azzera condizione": every cell white and the slot off.
    void resetSlot(int slot);
    // Closing an editor clears the level of every cell that is not red.
    void dropStrayLevels(int slot);
    void clear();

    bool operator==(const ConditionSet&) const = default;

  private:
    std::size_t index(int slot, int value) const;

    std::array<std::uint8_t, kSlotCount + 1> active_{};
    std::array<std::uint32_t, kSlotCount + 2> offset_{};
    std::vector<ValueCell> cells_;
};

// The 41 families of `CondizioniInGioco`, in their order.
inline constexpr int kFamilyCount = 41;
struct Family {
    std::string_view name;
    int menuItem;                     // its item of the "&Condizioni" menu; 0 for none
    std::vector<int> activationSlots; // empty for families that keep their own tables
};
const std::array<Family, kFamilyCount>& families();
// Family index 0..40 of a slot, or -1.
int familyOfSlot(int slot);
// Family index of an item of the "&Condizioni" menu, or -1.
int familyOfMenuItem(int item);
// The menu check rule: a slot of the family is active and admits at least one value.
bool familyInPlay(const ConditionSet& set, int family);

// Families changed since the last development, for "Condizioni Modificate:".
class ModifiedFamilies {
  public:
    void markSlot(int slot);
    void markFamily(int family) { modified_.set(static_cast<std::size_t>(family)); }
    void clear() { modified_.reset(); } // at the start of every development
    bool isModified(int family) const { return modified_.test(static_cast<std::size_t>(family)); }
    std::vector<std::string_view> names() const;

  private:
    std::bitset<kFamilyCount> modified_;
};

} // namespace varnelo
