#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace varnelo {

// Replaces a file without ever leaving it half-written: the bytes go to a
// temporary file beside the target, are flushed to the disk and only then
// renamed over the target. Until publish() the old file stays whole; a writer
// destroyed before publish() removes its temporary file.
class AtomicWriter {
  public:
    // The temporary file is `temporary` when given (the archive rewrite goes
    // through enal/archivio.cnn), otherwise a unique name beside the target.
    explicit AtomicWriter(std::filesystem::path target, std::filesystem::path temporary = {});
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    bool open();
    // Buffered; false once any write has failed.
    bool write(std::string_view bytes);
    // Flushes, syncs and closes the temporary file; the target is untouched.
    bool finish();
    // Renames the finished temporary file over the target.
    bool publish();
    // finish() and publish().
    bool commit() { return finish() && publish(); }

    // Italian description of the first failure.
    const std::string& error() const { return error_; }
    const std::filesystem::path& target() const { return target_; }

  private:
    bool flush();
    bool fail(const char* action, int err);
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool fixedTemporary_;
    int fd_ = -1;
    bool finished_ = false;
    bool published_ = false;
    bool failed_ = false;
    std::string buffer_;
    std::string error_;
};

// Writes `content` over `target` through AtomicWriter.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view content,
                         std::string& error);

// Removes from `folder` the temporary files that writes interrupted before
// this process started left behind: only names of the form NAME.tmp-XXXXXX,
// as AtomicWriter makes them. Returns how many went.
int removeLeftoverTemporaries(const std::filesystem::path& folder);

// Italian text for a system error number.
std::string systemErrorText(int err);

} // namespace varnelo
