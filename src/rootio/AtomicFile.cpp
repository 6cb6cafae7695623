#include "rootio/AtomicFile.h"

#include "rootio/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rootio {

namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string reason() {
    return std::strerror(errno);
}

} // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    if (target_.empty())
        throw Error("empty file name");
    // Short, so that a target name of up to 255 bytes still has a temporary one.
    temporary_ = directoryOf(target_) + "/.vxXXXXXX";
    fd_ = ::mkstemp(&temporary_[0]);
    if (fd_ < 0)
        throw Error(target_, "cannot create a temporary file: " + reason());
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        ::unlink(temporary_.c_str());
}

void AtomicFile::write(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Error(target_, "cannot write: " + reason());
        }
        done += static_cast<std::size_t>(n);
    }
}

void AtomicFile::commit() {
    // The descriptor and a writer that opened temporaryPath() by name share the file.
    struct stat written {};
    if (::fstat(fd_, &written) != 0 || written.st_size == 0)
        throw Error(target_, "nothing was written");
    if (::fsync(fd_) != 0)
        throw Error(target_, "cannot write: " + reason());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0)
        throw Error(target_, "cannot write: " + reason());
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw Error(target_, "cannot replace the file: " + reason());
    committed_ = true;
}

void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace rootio
