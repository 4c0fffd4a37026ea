// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QFocusEvent>
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

void TRadioGroup::focusInEvent(QFocusEvent* Event)
{
    if (QAbstractButton* Checked = Buttons_->checkedButton())
        Checked->setFocus(Event->reason());
    else
        QGroupBox::focusInEvent(Event);
}
