#include "core/LineReader.h"

#include <algorithm>
#include <cstring>

namespace varnelo {

namespace {
constexpr std::size_t kChunk = 4u << 20;
constexpr std::size_t kSmallestChunk = 64u << 10;
} // namespace

LineReader::LineReader(const std::filesystem::path& path, std::size_t maxLine) : maxLine_(maxLine) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return;
    // Most files are small settings files: a buffer the size of the file
    // spares them a large one. It must still hold the longest line kept.
    const auto size = std::filesystem::file_size(path, ec);
    const std::size_t wanted =
        ec ? kChunk : std::clamp<std::uintmax_t>(size + 1, kSmallestChunk, kChunk);
    // Not zeroed: only bytes read from the file are ever looked at.
    size_ = std::max<std::size_t>(wanted, maxLine_ + 2);
    buffer_.reset(new char[size_]);
}

LineReader::~LineReader() {
    if (file_)
        std::fclose(file_);
}

bool LineReader::refill() {
    if (eof_ || !file_)
        return false;
    // Keep the unfinished line at the front.
    const std::size_t keep = end_ - begin_;
    if (keep == size_)
        return false;
    std::memmove(buffer_.get(), buffer_.get() + begin_, keep);
    begin_ = 0;
    end_ = keep;
    const std::size_t n = std::fread(buffer_.get() + end_, 1, size_ - end_, file_);
    if (n == 0) {
        eof_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    end_ += n;
    return true;
}

bool LineReader::next(std::string_view& line) {
    if (!file_)
        return false;
    std::size_t offset = 0; // bytes after begin_ known to hold no line end
    while (true) {
        const char* from = buffer_.get() + begin_ + offset;
        if (const void* nl = std::memchr(from, '\n', end_ - begin_ - offset)) {
            const std::size_t at =
                static_cast<std::size_t>(static_cast<const char*>(nl) - buffer_.get());
            std::size_t stop = at;
            if (stop > begin_ && buffer_[stop - 1] == '\r')
                --stop;
            line = std::string_view(buffer_.get() + begin_, std::min(stop - begin_, maxLine_));
            begin_ = at + 1;
            return true;
        }
        offset = end_ - begin_;
        if (offset > maxLine_) {
            // An endless line: keep its start, skip the rest up to its end.
            longLine_.assign(buffer_.get() + begin_, maxLine_);
            begin_ = end_;
            while (refill()) {
                if (const void* cut = std::memchr(buffer_.get(), '\n', end_)) {
                    begin_ =
                        static_cast<std::size_t>(static_cast<const char*>(cut) - buffer_.get()) + 1;
                    break;
                }
                begin_ = end_;
            }
            line = longLine_;
            return true;
        }
        if (!refill()) {
            if (begin_ == end_)
                return false;
            std::size_t stop = end_;
            if (buffer_[stop - 1] == '\r')
                --stop;
            line = std::string_view(buffer_.get() + begin_, stop - begin_);
            begin_ = end_;
            return true;
        }
    }
}

} // namespace varnelo
