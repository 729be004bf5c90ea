#pragma once

// What the error hook needs of the program's shared text file: an error that interrupts a
// save or a load may leave the file open, and the hook closes it so that the next file
// operation starts from a closed file object.
class ClosableFile {
public:
    virtual ~ClosableFile() = default;

    virtual bool isOpen() const = 0;
    // Closes the file. It may raise (closing flushes what was written); the file counts as
    // closed afterwards all the same, so a failed close is not retried by the next error.
    virtual void close() = 0;

    // Closes an open file while a failure is already being dealt with: a failure of the close
    // itself is dropped.
    void closeQuietly() noexcept {
        try {
            if (isOpen())
                close();
        } catch (...) {
            // The file counts as closed.
        }
    }
};
