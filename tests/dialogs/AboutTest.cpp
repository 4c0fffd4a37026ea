// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/About.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "dialogs/Splash.h"

namespace {

const QString Notice = QStringLiteral(u"Copyright \u00A9 2026 Quillwort Software");

}  // namespace

TEST(About, ShowsTitleVersionAndNoticeAtEveryShowing)
{
    TfrmAbout frmAbout;
    EXPECT_EQ(frmAbout.windowTitle(), "About");
    EXPECT_FALSE(frmAbout.windowIcon().isNull());
    EXPECT_EQ(frmAbout.Icon->pixmap().size(), QSize(32, 32));
    for (int Showing = 1; Showing <= 2; ++Showing) {
        // Whatever the labels held, showing rereads the version data.
        frmAbout.lblVersion->setText("stale");
        frmAbout.lblCopyright->clear();
        WhenModal([&](QWidget* Modal) {
            EXPECT_EQ(Modal, &frmAbout);
            EXPECT_EQ(frmAbout.lblSystemName->text(), "Datevane Anniversary Reminder");
            EXPECT_EQ(frmAbout.lblVersion->text(), "Version - 1.2.0.0");
            EXPECT_EQ(frmAbout.lblCopyright->text(), Notice);
            frmAbout.btnOK->click();
        });
        EXPECT_EQ(frmAbout.ShowModal(), TfrmAbout::mrOk) << Showing;
    }
}

TEST(About, OkTakesTheFocusAndEnterNotEscapeClosesIt)
{
    TfrmAbout frmAbout;
    WhenModal([&](QWidget*) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frmAbout));
        EXPECT_TRUE(frmAbout.btnOK->hasFocus());
        for (QWidget* Control : frmAbout.findChildren<QWidget*>()) {
            if (Control == frmAbout.btnOK) continue;
            EXPECT_EQ(Control->focusPolicy(), Qt::NoFocus) << Control->objectName().toStdString();
        }
        QTest::keyClick(&frmAbout, Qt::Key_Escape);
        EXPECT_TRUE(frmAbout.isVisible());
        QTest::keyClick(frmAbout.btnOK, Qt::Key_Return);
    });
    EXPECT_EQ(frmAbout.ShowModal(), TfrmAbout::mrOk);
    EXPECT_FALSE(frmAbout.isVisible());
}

TEST(About, WindowsOfAnExecutableWithoutVersionDataShowTheTitleOnly)
{
    TTempDir Dir;
    WriteFile(Dir / "plain", "no version data here");
    TfrmAbout frmAbout(nullptr, Dir / "plain");
    WhenModal([&](QWidget*) { frmAbout.close(); });
    EXPECT_EQ(frmAbout.ShowModal(), TfrmAbout::mrCancel);  // the close box
    EXPECT_EQ(frmAbout.lblSystemName->text(), "Datevane Anniversary Reminder");
    EXPECT_EQ(frmAbout.lblVersion->text(), "Version - ");
    EXPECT_EQ(frmAbout.lblCopyright->text(), "");

    TfrmSplash frmSplash(Dir / "plain");
    frmSplash.show();
    EXPECT_EQ(frmSplash.Label1->text(), "Datevane Anniversary Reminder");
    EXPECT_EQ(frmSplash.Label2->text(), "Version - ");
    EXPECT_EQ(frmSplash.Label3->text(), "");
}

TEST(Splash, HasNoFrameStaysOnTopAndShowsTheThreeLines)
{
    TfrmSplash frmSplash;
    const Qt::WindowFlags Flags = frmSplash.windowFlags();
    EXPECT_TRUE(Flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(Flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Flags.testFlag(Qt::WindowTitleHint));
    EXPECT_EQ(frmSplash.parentWidget(), nullptr);
    frmSplash.show();
    EXPECT_EQ(frmSplash.Label1->text(), "Datevane Anniversary Reminder");
    EXPECT_TRUE(frmSplash.Label1->font().bold());
    EXPECT_EQ(frmSplash.Label1->font().pointSize(), 12);
    EXPECT_EQ(frmSplash.Label2->text(), "Version - 1.2.0.0");
    EXPECT_EQ(frmSplash.Label3->text(), Notice);
    EXPECT_EQ(frmSplash.Panel2->lineWidth(), 5);
    EXPECT_EQ(frmSplash.Panel1->geometry(), frmSplash.rect());
}

TEST(Splash, HoldCountsUnsignedMillisecondsAcrossTheWrap)
{
    const struct { uint32_t Start, Now; bool Over; } Cases[] = {
        {1000, 3999, false}, {1000, 4000, true},
        {0xFFFFFC00, 0x00000000, false}, {0xFFFFFC00, 0x000007B7, false}, {0xFFFFFC00, 0x000007B8, true},
        {0xFFFFFC00, 0xFFFFFBFF, true},
    };
    for (const auto& C : Cases) EXPECT_EQ(HoldIsOver(C.Start, C.Now, 3000), C.Over) << C.Start << " " << C.Now;
}

namespace {
uint32_t FakeNow;
uint32_t FakeTick()
{
    const uint32_t Now = FakeNow;
    FakeNow += 500;
    return Now;
}
}  // namespace

TEST(Splash, IsShownWhileTheHoldRunsThenHidden)
{
    TfrmSplash frmSplash;
    FakeNow = 0xFFFFFC00;  // wraps during the hold
    bool ShownMeanwhile = false;
    QTimer::singleShot(0, [&] { ShownMeanwhile = frmSplash.isVisible(); });
    ShowSplashFor(frmSplash, 3000, FakeTick);
    EXPECT_TRUE(ShownMeanwhile);
    EXPECT_FALSE(frmSplash.isVisible());
    EXPECT_EQ(FakeNow - 0xFFFFFC00, 7u * 500);  // the start, then readings at 500 to 3000
}
