#pragma once

#include "reduced/PositionTable.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace varnelo {

// One shipped file holds every table of a family in its form without fixed
// numbers: same row length, same g and c, one section per n. Each section
// stores its rows as sorted colex ranks, delta-coded as LEB128 varints, so
// the whole catalogue stays small on disk.
class TableFile {
  public:
    struct Section {
        int n = 0;
        std::uint32_t rows = 0;
        std::size_t offset = 0;
        std::uint32_t bytes = 0;
    };

    // Reads the file and checks its directory; false with an Italian message.
    bool open(const std::filesystem::path& file, std::string& error);

    int rowLength() const { return rowLength_; }
    int g() const { return g_; }
    int c() const { return c_; }
    const std::vector<Section>& sections() const { return sections_; }
    const Section* section(int n) const;

    // Decodes the rows of one n; false with an Italian message when damaged.
    bool table(int n, PositionTable& out, std::string& error) const;

    // Writes all tables beside the target and renames into place.
    static bool write(const std::filesystem::path& file, int rowLength, int g, int c,
                      const std::map<int, PositionTable>& tables, std::string& error);

  private:
    std::string bytes_;
    std::filesystem::path file_;
    int rowLength_ = 0, g_ = 0, c_ = 0;
    std::vector<Section> sections_;
};

} // namespace varnelo
