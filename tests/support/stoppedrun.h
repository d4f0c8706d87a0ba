#pragma once

#include <QLockFile>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace fendrimo::testing {

// Another run that took the lock file at path and stopped (SIGSTOP): alive,
// so the lock is not stale, and never letting go. pid 0 when that failed.
struct StoppedRun
{
    explicit StoppedRun(const QString& path) : pid(::fork())
    {
        if (pid == 0) {
            QLockFile lock(path);
            if (lock.tryLock(0))
                ::raise(SIGSTOP);
            ::_exit(1);
        }
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, WUNTRACED) != pid || !WIFSTOPPED(status))
            pid = 0;
    }
    ~StoppedRun()
    {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0)
            ::waitpid(pid, nullptr, 0);
    }
    pid_t pid;
};

} // namespace fendrimo::testing
