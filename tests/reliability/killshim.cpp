// Preloaded into a child program (LD_PRELOAD): ends the process with SIGKILL
// at one chosen call on one chosen file, so that a test can see what a crash
// at exactly that moment leaves on disk. Nothing in the program knows of it.
//
// FENDRIMO_KILL_AT: rename, linkat or fsync (fdatasync counts as fsync).
// FENDRIMO_KILL_MATCH: text that the file's path must contain.
//
// Or it makes the disk slow instead: FENDRIMO_SLOW_FSYNC_MS delays each fsync
// of a file whose path contains FENDRIMO_SLOW_MATCH.

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool armedFor(const char* call, const char* path)
{
    const char* at = std::getenv("FENDRIMO_KILL_AT");
    const char* match = std::getenv("FENDRIMO_KILL_MATCH");
    return at && match && path && std::strcmp(at, call) == 0 && std::strstr(path, match);
}

[[noreturn]] void die(const char* armed, const char* call, const char* path)
{
    std::fprintf(stderr, "killshim: SIGKILL at %s in %s(%s)\n", armed, call, path);
    std::fflush(stderr);
    ::kill(::getpid(), SIGKILL);
    std::abort(); // not reached
}

// The path behind a descriptor; an unnamed temporary file shows its folder.
bool pathOf(int fd, char* buffer, size_t size)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, buffer, size - 1);
    if (length < 0)
        return false;
    buffer[length] = '\0';
    return true;
}

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

void checkDescriptor(const char* call, int fd)
{
    char path[PATH_MAX];
    if (!pathOf(fd, path, sizeof path))
        return;
    if (armedFor("fsync", path))
        die("fsync", call, path);
    const char* slow = std::getenv("FENDRIMO_SLOW_FSYNC_MS");
    const char* match = std::getenv("FENDRIMO_SLOW_MATCH");
    if (slow && match && std::strstr(path, match))
        ::usleep(useconds_t(std::atoi(slow)) * 1000);
}

} // namespace

extern "C" {

int rename(const char* from, const char* to)
{
    if (armedFor("rename", to))
        die("rename", "rename", to);
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (armedFor("linkat", to))
        die("linkat", "linkat", to);
    static const auto real = next<int (*)(int, const char*, int, const char*, int)>("linkat");
    return real(fromDir, from, toDir, to, flags);
}

int fsync(int fd)
{
    checkDescriptor("fsync", fd);
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

int fdatasync(int fd)
{
    checkDescriptor("fdatasync", fd);
    static const auto real = next<int (*)(int)>("fdatasync");
    return real(fd);
}

} // extern "C"
