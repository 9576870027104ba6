#pragma once

// A full disk for tests: while an object lives, files of the process cannot grow past the given
// size, so writes fail partway as they do when the disk fills up. The previous limit and the
// SIGXFSZ handling come back when the object goes, also when the test throws or an assertion
// returns early.

#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
            throw std::runtime_error("getrlimit(RLIMIT_FSIZE) failed");
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        // Ignored, the signal would end the test program; the write returns an error instead.
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0) {
            std::signal(SIGXFSZ, m_previousHandler);
            throw std::runtime_error("setrlimit(RLIMIT_FSIZE) failed");
        }
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};
