// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include <QObject>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

TEST(Termination, ASignalToEndBecomesACallInTheEventLoop)
{
    QObject Context;
    int Requests = 0;
    platform::OnTerminationRequest(&Context, [&Requests] { ++Requests; });
    ASSERT_EQ(raise(SIGTERM), 0);
    EXPECT_EQ(Requests, 0);  // nothing runs inside the signal handler
    EXPECT_TRUE(QTest::qWaitFor([&] { return Requests == 1; }));
}
