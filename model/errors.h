#pragma once

#include "model/form_model.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <optional>

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
    InvalidInput, // a number outside the physical range of its quantity
};

// The kind as the user reads it in the message box: 类型不匹配, 溢出 …
QString errorKindName(ErrorKind kind);

// The kind as a key of the design tool's files: "type mismatch", "overflow" …
QString errorKindKey(ErrorKind kind);

class CalcError : public std::exception {
public:
    CalcError(ErrorKind kind, const QString &message, std::optional<Field> field = std::nullopt);

    ErrorKind kind() const noexcept { return m_kind; }
    // One line for the user: what could not be done, in engineering words.
    QString message() const { return m_message; }
    // The field whose text or value is at fault, where there is one.
    std::optional<Field> field() const noexcept { return m_field; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    ErrorKind m_kind;
    QString m_message;
    std::optional<Field> m_field;
    QByteArray m_utf8;
};

} // namespace varnolt
