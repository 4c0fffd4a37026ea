// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's help: Help Topics, F1, the first-run topic, a missing help
// file, and Help > About.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "app/Main.h"
#include "data/Globals.h"
#include "dialogs/About.h"
#include "dialogs/Aeevent.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/HelpViewer.h"
#include "platform/Prompts.h"
#include "platform/SpinEdit.h"

using TRequests = std::vector<help::THelpRecorder::TRequest>;

class HelpCommands : public testing::Test {
protected:
    ~HelpCommands() override
    {
        help::CloseHelp();
        About.reset();
        Dialog.reset();
        Main.reset();
    }

    std::string HelpFile() const { return Dir / "datevane.HLP"; }
    void WriteHelp() { WriteFile(HelpFile(), "topic 1 Welcome\nHi.\ntopic 34 Main\nThe window.\n"); }
    // Creates the windows and shows the main window; Activate waits until it is active.
    void Start(bool Activate = true)
    {
        Main = std::make_unique<TfrmMain>(TProgramContext{Dir / "datevane", {}});
        Dialog = std::make_unique<TfrmAEEvent>(Main.get());
        Main->SetDetailsDialog(Dialog.get());
        About = std::make_unique<TfrmAbout>(Main.get());
        Main->SetAboutDialog(About.get());
        if (Activate) ShowActive(Main.get());
    }
    // Presses F1 on the widget that has the keyboard.
    static void PressF1(QWidget* Target) { QTest::keyClick(Target, Qt::Key_F1); }
    // Opens the About window and closes it again, so the main window is
    // activated once more.
    void ShowAboutAndClose()
    {
        WhenModal([this](QWidget*) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(About.get()));
            About->btnOK->click();
        });
        Trigger(Main.get(), "mnuHAbout");
        QApplication::processEvents();  // the closed window lets go of the activation
        ShowActive(Main.get());
    }

    TTempDir Dir;
    prompts::TPromptRecorder Prompts;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmAEEvent> Dialog;
    std::unique_ptr<TfrmAbout> About;
};

TEST_F(HelpCommands, F1OpensTheTopicOfTheControlDialogOrMenuEntry)
{
    WriteHelp();
    help::THelpRecorder Recorder;
    Start();
    Focus(Child<QListWidget>(Main.get(), "lstEvents"));
    PressF1(QApplication::focusWidget());

    // A dialog's control takes the dialog's number, not the main window's.
    WhenModal([this](QWidget*) {
        PressF1(QApplication::focusWidget());
        Dialog->btnCancel->click();
    });
    Main->btnAddClick();

    // The highlighted entry of an open menu; a submenu's entries take the
    // number of the menu that holds it.
    const struct { const char* Menu; const char* Entry; } Entries[] = {
        {"mnuSearch", "mnuSFindNext"}, {"mnuView", "mnuVForthcomingEvents"}, {"mnuEMonth", "December1"}};
    for (const auto& E : Entries) {
        QMenu* Menu = Child<QMenu>(Main.get(), E.Menu);
        Menu->popup(Main->pos());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Menu));
        Menu->setActiveAction(Child<QAction>(Main.get(), E.Entry));
        PressF1(Menu);
        Menu->hide();
    }
    const std::string File = HelpFile();
    EXPECT_EQ(Recorder.Requests(), (TRequests{{File, 34}, {File, 39}, {File, 12}, {File, 49}, {File, 13}}));
}

TEST_F(HelpCommands, HelpTopicsOpensTheTopicFinder)
{
    WriteHelp();
    help::THelpRecorder Recorder;
    Start();
    EXPECT_TRUE(Recorder.Requests().empty());  // not a first run
    Trigger(Main.get(), "mnuHHelpTopics");
    EXPECT_EQ(Recorder.Requests(), (TRequests{{HelpFile(), help::THelpRecorder::TopicFinder}}));
}

TEST_F(HelpCommands, FirstRunOpensTheWelcomeAtEveryActivation)
{
    WriteHelp();
    WriteFile(Dir / "DATEVANE.NEW", "");
    help::THelpRecorder Recorder;
    Start();
    EXPECT_EQ(Recorder.Requests(), (TRequests{{HelpFile(), 1}}));
    ShowAboutAndClose();
    EXPECT_EQ(Recorder.Requests(), (TRequests{{HelpFile(), 1}, {HelpFile(), 1}}));
}

TEST_F(HelpCommands, WithoutAHelpFileHelpTopicsIsDisabledAndF1DoesNothing)
{
    WriteFile(Dir / "DATEVANE.NEW", "");
    help::THelpRecorder Recorder;
    Start();
    EXPECT_EQ(help::HelpFile(), "");
    EXPECT_FALSE(Child<QAction>(Main.get(), "mnuHHelpTopics")->isEnabled());
    Focus(Child<QListWidget>(Main.get(), "lstEvents"));
    PressF1(QApplication::focusWidget());
    ShowAboutAndClose();
    EXPECT_FALSE(Child<QAction>(Main.get(), "mnuHHelpTopics")->isEnabled());
    EXPECT_TRUE(Recorder.Requests().empty());
}

TEST_F(HelpCommands, AboutShowsTheAboutWindow)
{
    Start();
    QString Version;
    WhenModal([&](QWidget* Modal) {
        EXPECT_EQ(Modal, About.get());
        Version = About->lblVersion->text();
        About->btnOK->click();
    });
    Trigger(Main.get(), "mnuHAbout");
    EXPECT_EQ(Version, "Version - 1.2.0.0");
}

// The help window is a program of its own to the main window: coming back
// from it is no activation, so the first-run topic does not take over the
// topic being read.
TEST_F(HelpCommands, TheHelpWindowOpensOnTopicOneAndKeepsItsPlace)
{
    WriteHelp();
    WriteFile(Dir / "DATEVANE.NEW", "");
    Start(false);
    Main->show();
    Main->activateWindow();
    THelpViewer* Viewer = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (Viewer = qobject_cast<THelpViewer*>(QApplication::activeWindow())); }));
    EXPECT_EQ(Viewer->CurrentTopic(), 1);
    Viewer->ShowTopic(34);
    ShowActive(Main.get());
    EXPECT_EQ(Viewer->CurrentTopic(), 34);

    // From a modal dialog the help window still takes input.
    WhenModal([&](QWidget* Modal) {
        PressF1(QApplication::focusWidget());
        EXPECT_EQ(Viewer->parentWidget(), Modal);
        EXPECT_TRUE(Viewer->isVisible());
        About->btnOK->click();
    });
    help::SetHelpContext(About.get(), 34);
    Trigger(Main.get(), "mnuHAbout");
    help::SetHelpContext(About.get(), 0);
}

// Before the main window first sets the full name, the help file is named
// without a folder; it is then the one beside the program.
TEST(HelpWindow, ABareHelpFileNameIsFoundBesideTheProgram)
{
    prompts::TPromptRecorder Prompts;
    const std::string Beside = ExtractFilePath(platform::ExecutablePath()) + "Datevane.hlp";
    WriteFile(Beside, "topic 34 Main\nThe window.\n");
    help::SetHelpFile("DATEVANE.HLP");
    help::ShowTopic(34);
    THelpViewer* Viewer = nullptr;
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (auto* Found = qobject_cast<THelpViewer*>(Window)) Viewer = Found;
    ASSERT_NE(Viewer, nullptr);
    EXPECT_EQ(Viewer->FileName(), Beside);
    EXPECT_EQ(Viewer->CurrentTopic(), 34);
    EXPECT_TRUE(Prompts.Shown().empty());
    help::CloseHelp();
    help::SetHelpFile("");
    std::remove(Beside.c_str());
}
