#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace varnolt {

// The kinds of failure a command can end with. The window names the kind in
// its message box, so every error carries one.
enum class ErrorKind {
    TypeMismatch, // a field text that is not a number
    Overflow, // a result beyond the range of its precision
    DivisionByZero, // a formula dividing a non-zero value by zero
    InvalidOperation, // an undefined result: 0/0, a fractional power of a negative
    FileNotFound, // the desktop calculator could not be started
    NoSolution, // the hydraulics have no answer for these inputs
};

class CalcError : public std::exception {
public:
    CalcError(ErrorKind kind, const QString &message);

    ErrorKind kind() const noexcept { return m_kind; }
    // One line for the user: what could not be done, in engineering words.
    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    ErrorKind m_kind;
    QString m_message;
    QByteArray m_utf8;
};

} // namespace varnolt
