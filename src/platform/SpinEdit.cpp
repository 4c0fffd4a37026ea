// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <limits>

namespace {
// Room for every int, "-2147483648" being the longest.
constexpr int MaxTextLength = 11;

bool IsDecimalDigit(QChar C)
{
    return C >= u'0' && C <= u'9';
}
}  // namespace

TSpinEdit::TSpinEdit(QWidget* Parent) : QAbstractSpinBox(Parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setInputMethodHints(Qt::ImhDigitsOnly);
    lineEdit()->setMaxLength(MaxTextLength);
    // The base class only repaints its arrows for its own value types; ours
    // depend on the text, so repaint whenever it changes.
    connect(lineEdit(), &QLineEdit::textChanged, this, qOverload<>(&QWidget::update));
    SetValue(0);
}

void TSpinEdit::SetMinValue(int Value)
{
    MinValue_ = Value;
    updateGeometry();
    update();
}

void TSpinEdit::SetMaxValue(int Value)
{
    MaxValue_ = Value;
    updateGeometry();
    update();
}

void TSpinEdit::SetIncrement(int Value)
{
    Increment_ = Value;
    update();
}

int TSpinEdit::Value() const
{
    bool Ok = false;
    const int Result = text().toInt(&Ok);
    return Ok ? Result : MinValue_;
}

void TSpinEdit::SetValue(int NewValue)
{
    lineEdit()->setText(QString::number(Clamped(NewValue)));
}

void TSpinEdit::CheckValue()
{
    const int Shown = Value();
    if (Clamped(Shown) != Shown)
        SetValue(Shown);
}

int TSpinEdit::Clamped(int Value) const
{
    if (MinValue_ == MaxValue_)
        return Value;
    // qBound rather than std::clamp: a minimum briefly above the maximum, while
    // the caller sets one after the other, must not be undefined behaviour.
    return qBound(MinValue_, Value, MaxValue_);
}

int TSpinEdit::Stepped(int Steps) const
{
    const qint64 Target = qint64(Value()) + qint64(Steps) * Increment_;
    return Clamped(int(std::clamp<qint64>(Target, std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max())));
}

void TSpinEdit::stepBy(int Steps)
{
    SetValue(Stepped(Steps));
    selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    // A direction is open while a step would change what is shown, so the up
    // arrow greys at the maximum yet still brings a value above it down.
    const QString Shown = text();
    StepEnabled Result = StepNone;
    if (QString::number(Stepped(1)) != Shown)
        Result |= StepUpEnabled;
    if (QString::number(Stepped(-1)) != Shown)
        Result |= StepDownEnabled;
    return Result;
}

QValidator::State TSpinEdit::validate(QString& Input, int& /*Pos*/) const
{
    // A minus sign only where the range reaches below zero.
    const bool Signed = MinValue_ < 0 && Input.startsWith(u'-');
    const QStringView Digits = QStringView(Input).sliced(Signed ? 1 : 0);
    if (!std::all_of(Digits.begin(), Digits.end(), IsDecimalDigit))
        return QValidator::Invalid;
    if (Digits.isEmpty())
        return QValidator::Intermediate;
    // Refusing what does not fit an int keeps Value() from ever overflowing.
    bool Ok = false;
    Input.toInt(&Ok);
    return Ok ? QValidator::Acceptable : QValidator::Invalid;
}

void TSpinEdit::keyPressEvent(QKeyEvent* Event)
{
    Event->ignore();
    emit KeyDown(Event);
    if (Event->isAccepted())
        return;
    Event->accept();
    QAbstractSpinBox::keyPressEvent(Event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* Event)
{
    CheckValue();
    QAbstractSpinBox::focusOutEvent(Event);
}

QSize TSpinEdit::sizeHint() const
{
    // The base class measures only its own value types; measure a two-digit
    // day and the range's ends instead.
    ensurePolished();
    const QFontMetrics Metrics(fontMetrics());
    int Width = 0;
    for (const QString& Sample : {QStringLiteral("99"), QString::number(MinValue_), QString::number(MaxValue_)})
        Width = std::max(Width, Metrics.horizontalAdvance(Sample + u' '));
    Width += 2;  // the blinking cursor
    QStyleOptionSpinBox Option;
    initStyleOption(&Option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &Option, QSize(Width, lineEdit()->sizeHint().height()),
                                     this);
}

QSize TSpinEdit::minimumSizeHint() const
{
    return sizeHint();
}
