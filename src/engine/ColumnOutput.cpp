#include "engine/ColumnOutput.h"

#include "core/ColumnsFileFormat.h"

#include <algorithm>
#include <cstring>

namespace varnelo {

ColumnOutput::ColumnOutput(ColumnStore& store, std::int32_t presetRows, std::int32_t memoryRows,
                           std::filesystem::path overflowPath)
    : store_(&store), inMemory_(presetRows),
      memoryRows_(std::clamp(memoryRows, std::int32_t{0}, store.capacity())),
      path_(std::move(overflowPath)) {}

ColumnOutput::ColumnOutput(std::vector<Column>& buffer)
    : buffer_(&buffer), inMemory_(0), memoryRows_(INT32_MAX) {}

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

void ColumnOutput::putRun(const Column& prefix, const int* last, int count) {
    if (buffer_) {
        const std::size_t at = buffer_->size();
        buffer_->resize(at + static_cast<std::size_t>(count));
        Column* out = buffer_->data() + at;
        for (int j = 0; j < count; ++j)
            out[j] = {prefix[0], prefix[1], prefix[2], prefix[3],
                      static_cast<std::uint8_t>(last[j])};
        return;
    }
    const int inMemory = std::min(count, memoryRows_ - inMemory_);
    const std::size_t at = static_cast<std::size_t>(inMemory_) + 1;
    std::uint8_t* p1 = store_->plane(1) + at;
    std::uint8_t* p2 = store_->plane(2) + at;
    std::uint8_t* p3 = store_->plane(3) + at;
    std::uint8_t* p4 = store_->plane(4) + at;
    std::uint8_t* p5 = store_->plane(5) + at;
    const std::uint8_t a = prefix[0], b = prefix[1], c = prefix[2], d = prefix[3];
    for (int j = 0; j < inMemory; ++j) {
        p1[j] = a;
        p2[j] = b;
        p3[j] = c;
        p4[j] = d;
        p5[j] = static_cast<std::uint8_t>(last[j]);
    }
    inMemory_ += inMemory;
    for (int j = inMemory; j < count; ++j)
        spill({a, b, c, d, static_cast<std::uint8_t>(last[j])});
}

void ColumnOutput::putAll(std::span<const Column> columns) {
    if (buffer_) {
        buffer_->insert(buffer_->end(), columns.begin(), columns.end());
        return;
    }
    const auto inMemory = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(columns.size()), memoryRows_ - inMemory_));
    for (int p = 1; p <= kColumnSize; ++p) {
        std::uint8_t* plane = store_->plane(p) + inMemory_ + 1;
        for (std::size_t j = 0; j < inMemory; ++j)
            plane[j] = columns[j][static_cast<std::size_t>(p - 1)];
    }
    inMemory_ += static_cast<std::int32_t>(inMemory);
    for (std::size_t j = inMemory; j < columns.size(); ++j)
        spill(columns[j]);
}

void ColumnOutput::moveUp(std::int32_t first, std::int32_t count) {
    for (int p = 1; p <= kColumnSize; ++p) {
        std::uint8_t* plane = store_->plane(p);
        std::memmove(plane + inMemory_ + 1, plane + first, static_cast<std::size_t>(count));
    }
    inMemory_ += count;
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
