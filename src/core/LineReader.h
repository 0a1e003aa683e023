#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace varnelo {

// Reads a large text file line by line through a big buffer, without
// holding the whole file. Lines come without their LF or CRLF end.
class LineReader {
  public:
    // Lines longer than maxLine bytes are cut to maxLine; the rest is dropped.
    explicit LineReader(const std::filesystem::path& path, std::size_t maxLine = 4096);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // False at the end of the file or on a read error (see failed()).
    bool next(std::string_view& line);
    bool failed() const { return failed_; }

  private:
    bool refill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t maxLine_;
    std::string longLine_;
    bool eof_ = false;
    bool failed_ = false;
};

} // namespace varnelo
