#include "KWException.h"

EKWException::EKWException(const QString& AMessage) : std::runtime_error(AMessage.toStdString()) {}

QString EKWException::Message() const
{
    return QString::fromUtf8(what());
}
