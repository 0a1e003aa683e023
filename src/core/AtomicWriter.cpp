#include "core/AtomicWriter.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varnelo {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

// A file larger than the process may write raises SIGXFSZ, which would end
// the program instead of letting the save report its failure.
void ignoreFileSizeSignal() {
    static const bool done = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

// Set while the program starts; a temporary file changed before it can
// belong to no write of this process.
const fs::file_time_type processStart = fs::file_time_type::clock::now();

// "NAME.tmp-" and the six letters or digits mkstemp puts in place of XXXXXX.
bool isTemporaryName(const std::string& name) {
    constexpr std::string_view tag = ".tmp-";
    constexpr std::size_t suffix = 6;
    if (name.size() <= tag.size() + suffix)
        return false;
    const std::size_t at = name.size() - suffix - tag.size();
    if (name.compare(at, tag.size(), tag) != 0)
        return false;
    for (std::size_t i = name.size() - suffix; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(c))
            return false;
    }
    return true;
}

} // namespace

int removeLeftoverTemporaries(const fs::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (!isTemporaryName(it->path().filename().string()) || !it->is_regular_file(fileEc))
            continue;
        const auto changed = it->last_write_time(fileEc);
        if (!fileEc && changed < processStart && fs::remove(it->path(), fileEc))
            ++removed;
    }
    return removed;
}

std::string systemErrorText(int err) {
    switch (err) {
    case ENOSPC:
        return "disco pieno";
    case EDQUOT:
        return "spazio disponibile esaurito";
    case EFBIG:
        return "file troppo grande";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "disco protetto in scrittura";
    case ENOENT:
        return "cartella inesistente";
    case ENOTDIR:
        return "percorso non valido";
    case EISDIR:
        return "al suo posto c'e una cartella";
    case EIO:
        return "errore di lettura o scrittura del disco";
    default:
        return "errore di sistema n. " + std::to_string(err);
    }
}

AtomicWriter::AtomicWriter(fs::path target, fs::path temporary)
    : target_(std::move(target)), temporary_(std::move(temporary)),
      fixedTemporary_(!temporary_.empty()) {}

AtomicWriter::~AtomicWriter() {
    if (!published_)
        discard();
}

void AtomicWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

bool AtomicWriter::fail(const char* action, int err) {
    if (!failed_)
        error_ = std::string("Impossibile ") + action + " il file " + target_.string() + ": " +
                 systemErrorText(err) + ".";
    failed_ = true;
    return false;
}

bool AtomicWriter::open() {
    ignoreFileSizeSignal();
    if (fixedTemporary_) {
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    } else {
        std::string pattern = target_.string() + ".tmp-XXXXXX";
        fd_ = ::mkstemp(pattern.data());
        if (fd_ >= 0) {
            temporary_ = pattern;
            ::fchmod(fd_, 0644);
        }
    }
    if (fd_ < 0)
        return fail("creare", errno);
    buffer_.reserve(kBufferBytes);
    return true;
}

bool AtomicWriter::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("scrivere", errno);
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool AtomicWriter::write(std::string_view bytes) {
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail("scrivere", EBADF);
    if (buffer_.size() + bytes.size() > kBufferBytes && !flush())
        return false;
    if (bytes.size() > kBufferBytes) {
        buffer_.assign(bytes);
        return flush();
    }
    buffer_.append(bytes);
    return true;
}

bool AtomicWriter::finish() {
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail("scrivere", EBADF);
    if (!flush())
        return false;
    if (::fsync(fd_) != 0)
        return fail("salvare su disco", errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail("chiudere", errno);
    finished_ = true;
    return true;
}

bool AtomicWriter::publish() {
    if (!finished_)
        return failed_ ? false : fail("completare", EBADF);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail("sostituire", errno);
    published_ = true;
    // Make the rename itself durable.
    const int dir = ::open(target_.parent_path().empty() ? "." : target_.parent_path().c_str(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool writeFileAtomically(const fs::path& target, std::string_view content, std::string& error) {
    AtomicWriter w(target);
    if (w.open() && w.write(content) && w.commit())
        return true;
    error = w.error();
    return false;
}

} // namespace varnelo
