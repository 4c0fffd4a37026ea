// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests on Qt's offscreen platform, and fails a test that
// leaves a window behind or waited for a modal window that never came.

#include <QWidget>
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "app/Application.h"

namespace {

class TNoLeftoverWindows : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override
    {
        if (const int Left = DropPendingModalSteps()) ADD_FAILURE() << Left << " modal window(s) never came";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QWidget* Window : QApplication::topLevelWidgets())
            ADD_FAILURE() << "window left behind: " << Window->metaObject()->className() << " "
                          << Window->objectName().toStdString();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication Application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TNoLeftoverWindows);
    return RUN_ALL_TESTS();
}
