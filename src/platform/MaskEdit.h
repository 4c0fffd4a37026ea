// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An edit box of a fixed number of digit positions, typed over in place; each
// position holds a digit or is blank. It reads as its positions with the blanks
// at the left end removed, any other blank reading as a space: with four
// positions, "1995" reads "1995", two blanks then "95" read "95", and "95" in the
// first two positions reads "95" followed by two spaces.

#include <QLineEdit>

class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(int Positions, QWidget* Parent = nullptr);

    QString Text() const;
    // Fills the positions from the right, so that a shorter number reads back
    // as itself; the empty text blanks every position. A longer text keeps its
    // last characters, and any character but a digit (a space too) leaves its
    // position blank.
    void SetText(const QString& Value);

signals:
    // The box got or lost the keyboard focus.
    void Enter();
    void Exit();
    // A mouse button was pressed in the box, after the box placed its cursor.
    void MouseDown(Qt::MouseButton Button);

protected:
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    // Escape after a change restores the text the box had when it got the
    // focus and goes no further; without a change it reaches the dialog.
    void keyPressEvent(QKeyEvent* Event) override;

private:
    QString TextOnEnter_;
};
