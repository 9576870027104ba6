#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

EVantelleError::EVantelleError(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toStdString())
{
}

EFileError EFileError::CannotOpen(const QString &path, const QString &reason)
{
    return EFileError(
        QCoreApplication::translate("FileErrors", "Cannot open file \"%1\". %2").arg(path, reason));
}

EFileError EFileError::CannotCreate(const QString &path, const QString &reason)
{
    return EFileError(QCoreApplication::translate("FileErrors", "Cannot create file \"%1\". %2")
                          .arg(path, reason));
}

QString EFileError::LastSystemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
