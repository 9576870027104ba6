#pragma once

#include <QString>

#include <exception>
#include <string>

// Base of every error the program reports to the user. The message is the exact text shown
// in the error box; the window layer appends the full stop, core code never does.
class EVantelleError : public std::exception {
public:
    explicit EVantelleError(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// File-layer failures: "Cannot open file "%s". %s" and "Cannot create file "%s". %s".
class EFileError : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
    static EFileError CannotOpen(const QString &path, const QString &reason);
    static EFileError CannotCreate(const QString &path, const QString &reason);
    // The platform's reason for the last failed call (strerror(errno)).
    static QString LastSystemReason();
};

// A text that should have been a whole number, e.g. "'abc' is not a valid integer value".
class EConvertError : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
};
