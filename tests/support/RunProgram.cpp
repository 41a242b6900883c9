#include "RunProgram.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::test {

namespace {

std::string slurp(int fd)
{
    std::string text;
    ::lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments, const RunOptions& options)
{
    // Temporary files rather than pipes: no deadlock on large outputs.
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        int outFd = ::fileno(out);
        if (options.stdoutFile)
            outFd = ::open(options.stdoutFile->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(::fileno(err), STDERR_FILENO);
        if (options.fileSizeLimit) {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = *options.fileSizeLimit;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::signal(SIGXFSZ, SIG_DFL);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }

    ProgramRun run;
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    run.out = slurp(::fileno(out));
    run.err = slurp(::fileno(err));
    std::fclose(out);
    std::fclose(err);
    return run;
}

} // namespace velmora::test
