#pragma once

#include <QString>
#include <stdexcept>

// The one base of every exception the program raises for programming and data errors.
class EKWException : public std::runtime_error
{
public:
    explicit EKWException(const QString& AMessage);
    QString Message() const;
};
