#pragma once

#include "model/form_model.h"
#include "model/input_ranges.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Why a command stopped, finer than its kind: each reason is one sentence for
// the user, composed where the error is shown and in the language asked for.
enum class ErrorReason {
    // Reading a text as a number.
    NotANumber, // the text is no number in the locale's notation
    NumberTooLarge, // the number lies beyond single or double precision
    OutOfRange, // the number lies outside its quantity's physical range
    // The checked arithmetic.
    UndefinedResult, // a result that is not a number
    ResultTooLarge, // a result beyond the double range
    ZeroDividedByZero,
    DivisionByZero, // a non-zero value divided by zero
    NegativePowerOfZero,
    FractionalPowerOfNegative,
    BeyondSinglePrecision, // a result rounded to a quantity of the form overflows
    ZeroInput, // an arithmetic failure caused by an input that is zero
    // The hydraulics.
    HeadTooSmall, // the head cannot pass the discharge: no contracted depth
    SupercriticalTailwater, // a tailwater below the critical depth holds no jump
    JumpHeldWithoutBasin, // the tailwater already drowns the jump: no basin needed
    NoBasinDeepEnough, // no basin down to the deepest one tried holds the jump
    NoCriticalDepthYet, // the basin is sized before the check has run
    // The window's menu.
    CalculatorNotStarted,
};

// The precision a number read from a text is rounded to.
enum class NumberPrecision { Single, Double };

// The numbers and texts an error's sentence quotes. Each reason uses its own
// members; the others stay at their defaults.
struct ErrorFigures {
    // NotANumber, OutOfRange: the text at fault, already cut to an excerpt.
    QString quoted;
    // NotANumber, NumberTooLarge: the caption of a text that is no field's;
    // empty for an unnamed text (a field's error carries the field instead).
    QString source;
    // NumberTooLarge: the precision the number does not fit.
    NumberPrecision precision = NumberPrecision::Single;
    // OutOfRange: the quantity's range.
    std::optional<InputRange> range;
    // ZeroInput: the arithmetic failure the zero input led to.
    ErrorReason cause = ErrorReason::DivisionByZero;
    // SupercriticalTailwater: the tailwater and the critical depth as the
    // window writes them.
    QString tailwater;
    QString criticalDepth;
    // NoBasinDeepEnough: the deepest basin tried (m).
    double deepest = 0;
    // CalculatorNotStarted: the programs looked for.
    QStringList programs;
};

// The kind a reason belongs to; a zero input keeps its arithmetic's kind.
ErrorKind errorKindOf(ErrorReason reason, const ErrorFigures &figures = {});

class CalcError : public std::exception {
public:
    // `field` is the field whose text or value is at fault, or the zero input.
    explicit CalcError(ErrorReason reason, ErrorFigures figures = {},
            std::optional<Field> field = std::nullopt);

    ErrorKind kind() const noexcept { return m_kind; }
    ErrorReason reason() const noexcept { return m_reason; }
    const ErrorFigures &figures() const noexcept { return m_figures; }
    // The field whose text or value is at fault, where there is one.
    std::optional<Field> field() const noexcept { return m_field; }
    // The window's sentence for the error, windowMessage(*this).
    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    ErrorReason m_reason;
    ErrorFigures m_figures;
    std::optional<Field> m_field;
    ErrorKind m_kind;
    QString m_message;
    QByteArray m_utf8;
};

} // namespace varnolt
