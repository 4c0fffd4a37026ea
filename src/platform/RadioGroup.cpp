// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* Parent)
    : QGroupBox(Caption, Parent), Buttons_(new QButtonGroup(this))
{
    auto* Column = new QVBoxLayout(this);
    Column->setSpacing(0);
    Column->setContentsMargins(8, 4, 4, 4);
    for (int I = 0; I < Items.size(); ++I) {
        auto* Button = new QRadioButton(Items[I], this);
        Buttons_->addButton(Button, I);
        Column->addWidget(Button);
    }
    connect(Buttons_, &QButtonGroup::idToggled, this, [this](int, bool Checked) {
        if (Checked) emit Click();
    });
}

int TRadioGroup::ItemIndex() const
{
    return Buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int Index)
{
    if (QAbstractButton* Button = Buttons_->button(Index)) Button->setChecked(true);
}

QString TRadioGroup::ItemText(int Index) const
{
    const QAbstractButton* Button = Buttons_->button(Index);
    return Button ? Button->text() : QString();
}

void TRadioGroup::SetColumns(int Columns)
{
    const QMargins Margins = layout()->contentsMargins();
    delete layout();
    auto* Grid = new QGridLayout(this);
    Grid->setContentsMargins(Margins);
    Grid->setVerticalSpacing(0);
    const int Count = static_cast<int>(Buttons_->buttons().size());
    const int Rows = (Count + Columns - 1) / Columns;
    for (int I = 0; I < Count; ++I) Grid->addWidget(Buttons_->button(I), I % Rows, I / Rows);
}

void TRadioGroup::focusInEvent(QFocusEvent* Event)
{
    if (QAbstractButton* Checked = Buttons_->checkedButton())
        Checked->setFocus(Event->reason());
    else
        QGroupBox::focusInEvent(Event);
}
