// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An integer box with up and down arrows whose range only bounds stepping and
// leaving the box: lowering the maximum leaves the shown value alone until the
// box is stepped or left, and a text that is not a number reads as the minimum.

#include <QAbstractSpinBox>

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* Parent = nullptr);

    int MinValue() const { return MinValue_; }
    int MaxValue() const { return MaxValue_; }
    int Increment() const { return Increment_; }
    // Neither changes the value shown.
    void SetMinValue(int Value);
    void SetMaxValue(int Value);
    void SetIncrement(int Value);

    // The shown text as an integer; MinValue when it is not one.
    int Value() const;
    // Shows NewValue brought into the range (when minimum and maximum differ).
    void SetValue(int NewValue);
    // Brings the shown value into the range, as leaving the box does.
    void CheckValue();

    void stepBy(int Steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Every key pressed in the box, before the box handles it. A receiver that
    // accepts the event keeps it from the box.
    void KeyDown(QKeyEvent* Event);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& Input, int& Pos) const override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    int Clamped(int Value) const;
    // The value Steps steps away from the shown one, brought into the range.
    int Stepped(int Steps) const;

    int MinValue_ = 0;
    int MaxValue_ = 0;
    int Increment_ = 1;
};
