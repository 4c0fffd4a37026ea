// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MaskEdit.h"

#include <QKeyEvent>
#include <algorithm>

namespace {
bool IsDecimalDigit(QChar C)
{
    return C >= u'0' && C <= u'9';
}

// Whether the line edit would take the key as typed text rather than as a
// command (the same test QLineEdit applies before inserting).
bool IsTyping(const QKeyEvent& Event)
{
    const QString Typed = Event.text();
    return !Typed.isEmpty() && Typed.front().isPrint()
        && !(Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
}  // namespace

TMaskEdit::TMaskEdit(int Positions, QWidget* Parent) : QLineEdit(Parent)
{
    // '0' is a digit that may be left out, so no content is ever incomplete;
    // the blank is a space, which is what displayText() shows for it. The mask
    // also makes maxLength() the number of positions.
    setInputMask(QString(std::max(Positions, 1), u'0') + QStringLiteral("; "));
}

QString TMaskEdit::Text() const
{
    // text() would drop every blank, middle ones too; displayText() keeps them.
    const QString Positions = displayText();
    const auto FirstUsed = std::find_if(Positions.begin(), Positions.end(), [](QChar C) { return C != u' '; });
    return QString(FirstUsed, Positions.end() - FirstUsed);
}

void TMaskEdit::SetText(const QString& Value)
{
    // Right-aligned: a longer value keeps its last positions, and anything
    // but a digit blanks its position. setText() would otherwise skip a
    // refused character and shift the rest left.
    const int Positions = maxLength();
    QString Filled = Value.right(Positions).rightJustified(Positions, u' ');
    std::replace_if(Filled.begin(), Filled.end(), [](QChar C) { return !IsDecimalDigit(C); }, u' ');
    setText(Filled);
}

void TMaskEdit::focusInEvent(QFocusEvent* Event)
{
    QLineEdit::focusInEvent(Event);
    TextOnEnter_ = displayText();
    emit Enter();
}

void TMaskEdit::focusOutEvent(QFocusEvent* Event)
{
    QLineEdit::focusOutEvent(Event);
    emit Exit();
}

void TMaskEdit::mousePressEvent(QMouseEvent* Event)
{
    QLineEdit::mousePressEvent(Event);
    emit MouseDown(Event->button());
}

void TMaskEdit::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        if (displayText() == TextOnEnter_) {
            Event->ignore();
            return;
        }
        setText(TextOnEnter_);
        Event->accept();
        return;
    }
    // The mask takes a space as "blank this position" and, with a selection,
    // blanks the selection before refusing a letter; neither is typing a digit.
    const QString Typed = Event->text();
    if (IsTyping(*Event) && !isReadOnly() && !std::all_of(Typed.begin(), Typed.end(), IsDecimalDigit)) {
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}
