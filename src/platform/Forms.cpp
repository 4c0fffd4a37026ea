// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Forms.h"

#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* Form)
{
    if (const QScreen* Screen = Form->screen()) Form->move(Screen->availableGeometry().center() - Form->rect().center());
}
