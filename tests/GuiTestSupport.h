// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for driving real windows in tests.

#include <QAction>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// The descendant of Root with that object name; fails the test when there is none.
template <typename T>
T* Child(const QObject* Root, const char* Name)
{
    T* Found = Root->findChild<T*>(QLatin1String(Name));
    EXPECT_NE(Found, nullptr) << "no " << Name;
    return Found;
}

// Shows Window and waits until it is the active window, so focus and keys reach it.
void ShowActive(QWidget* Window);
// Gives Widget the keyboard focus and checks that it took it.
void Focus(QWidget* Widget, Qt::FocusReason Reason = Qt::OtherFocusReason);

// Triggers a menu entry of Window the way the user does, after checking that
// it is there and enabled.
void Trigger(const QWidget* Window, const char* Name);

// Runs Step on the next modal window once it is shown and active, from the event loop, so
// the code under test can be blocked in its modal loop meanwhile.
void WhenModal(std::function<void(QWidget*)> Step);
// Drops the steps whose modal window never came; returns how many there were.
int DropPendingModalSteps();
