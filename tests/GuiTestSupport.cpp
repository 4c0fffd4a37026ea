// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <vector>

void ShowActive(QWidget* Window)
{
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window));
}

void Focus(QWidget* Widget, Qt::FocusReason Reason)
{
    Widget->setFocus(Reason);
    QApplication::processEvents();
    ASSERT_TRUE(Widget->hasFocus());
}

void Trigger(const QWidget* Window, const char* Name)
{
    QAction* Entry = Child<QAction>(Window, Name);
    ASSERT_NE(Entry, nullptr);
    ASSERT_TRUE(Entry->isEnabled()) << Name << " is disabled";
    Entry->trigger();
}

namespace {
std::vector<QTimer*> PendingSteps;
}

void WhenModal(std::function<void(QWidget*)> Step)
{
    auto* Poll = new QTimer;
    Poll->setInterval(5);
    PendingSteps.push_back(Poll);
    QObject::connect(Poll, &QTimer::timeout, [Poll, Step = std::move(Step)] {
        QWidget* Modal = QApplication::activeModalWidget();
        // Active too, so that focus changes made by the step take effect.
        if (!Modal || !Modal->isVisible() || !Modal->isActiveWindow()) return;
        std::erase(PendingSteps, Poll);
        Poll->stop();
        Poll->deleteLater();
        Step(Modal);
    });
    Poll->start();
}

int DropPendingModalSteps()
{
    const int Count = static_cast<int>(PendingSteps.size());
    for (QTimer* Poll : PendingSteps) delete Poll;
    PendingSteps.clear();
    return Count;
}
