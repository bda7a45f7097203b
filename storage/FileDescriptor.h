// An open POSIX file descriptor that is closed when its work is over, whichever way it ends.
#pragma once

#include <unistd.h>

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : m_descriptor(descriptor) {}
    ~FileDescriptor()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    // -1 when the open failed.
    int Get() const { return m_descriptor; }
    // Hands the descriptor over to the caller, who closes it.
    int Release()
    {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return descriptor;
    }

private:
    int m_descriptor;
};
