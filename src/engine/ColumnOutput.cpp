#include "engine/ColumnOutput.h"

#include "core/ColumnsFileFormat.h"

#include <algorithm>

namespace varnelo {

ColumnOutput::ColumnOutput(ColumnStore& store, std::int32_t presetRows, std::int32_t memoryRows,
                           std::filesystem::path overflowPath)
    : store_(store), inMemory_(presetRows),
      memoryRows_(std::clamp(memoryRows, std::int32_t{0}, store.capacity())),
      path_(std::move(overflowPath)) {}

ColumnOutput::~ColumnOutput() {
    if (file_)
        std::fclose(file_);
}

bool ColumnOutput::open(std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(path_.parent_path(), ec);
    file_ = std::fopen(path_.c_str(), "wb");
    if (!file_) {
        error = "Impossibile scrivere il file " + path_.string();
        return false;
    }
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    return true;
}

void ColumnOutput::spill(const Column& c) {
    char line[kColumnLineBytes];
    formatColumnLine(c, line);
    line[kColumnLineWidth] = '\r';
    line[kColumnLineWidth + 1] = '\n';
    if (!file_ || std::fwrite(line, 1, sizeof line, file_) != sizeof line)
        failed_ = true;
    ++overflow_;
}

bool ColumnOutput::close() {
    if (file_ && std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    return !failed_;
}

void ColumnOutput::discard() {
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(path_.c_str(), "wb");
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    overflow_ = 0;
}

} // namespace varnelo
