// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"

#include <QObject>
#include <QVariant>
#include <QWidget>

namespace help {

namespace {
constexpr const char* Property = "HelpContext";
}

void SetHelpContext(QObject* Object, int Context)
{
    Object->setProperty(Property, Context);
}

int HelpContext(const QObject* Object)
{
    for (; Object; Object = Object->parent()) {
        const int Context = Object->property(Property).toInt();
        if (Context != NoContext) return Context;
        const auto* Widget = qobject_cast<const QWidget*>(Object);
        if (Widget && Widget->isWindow() && !Object->inherits("QMenu")) break;
    }
    return NoContext;
}

}  // namespace help
