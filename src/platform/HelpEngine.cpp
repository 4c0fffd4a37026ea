// SPDX-License-Identifier: GPL-3.0-or-later
// The help requests of the program, and the one help window that serves them.

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

#include "data/Globals.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/HelpViewer.h"
#include "platform/Prompts.h"

namespace help {

namespace {

std::string CurrentFile;
QPointer<THelpViewer> Viewer;
THelpRecorder* Recorder = nullptr;

// The file a help file name stands for: a bare name, as the program has it
// before its main window first sets the full one, lies beside the executable
// and is found there whatever the case of its letters.
std::string Resolve(const std::string& Name)
{
    if (!ExtractFilePath(Name).empty()) return Name;
    const std::string Found = platform::FindFileIgnoringCase(ExtractFilePath(platform::ExecutablePath()) + Name);
    return Found.empty() ? Name : Found;
}

// The help window with the help file loaded, shown and in front; nullptr when
// the file cannot be read, which has then been reported.
THelpViewer* OpenViewer()
{
    // A modal dialog blocks every window but its own, so the help window
    // belongs to the one that is open, if any.
    QWidget* Owner = QApplication::activeModalWidget();
    if (!Viewer) {
        Viewer = new THelpViewer(Owner);
        Viewer->setAttribute(Qt::WA_DeleteOnClose);
    } else if (Viewer->parentWidget() != Owner) {
        const QRect Place = Viewer->geometry();
        Viewer->setParent(Owner, Qt::Window);
        Viewer->setGeometry(Place);
    }
    const std::string File = Resolve(CurrentFile);
    if (Viewer->FileName() != File && !Viewer->LoadFile(File)) {
        delete Viewer;
        prompts::Show(prompts::TBeep::Asterisk,
                      prompts::ErrorMessage(QStringLiteral("Unable to open the help file ") + PathToQString(CurrentFile)
                                            + QStringLiteral(".")));
        return nullptr;
    }
    Viewer->show();
    Viewer->raise();
    Viewer->activateWindow();
    return Viewer;
}

class TF1Key : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() != QEvent::KeyPress || !Watched->isWidgetType()) return false;
        const auto* Key = static_cast<QKeyEvent*>(Event);
        if (Key->key() != Qt::Key_F1 || Key->modifiers() != Qt::NoModifier) return false;
        ShowTopic(F1Context(Watched));
        return true;
    }
};

}  // namespace

void SetHelpFile(const std::string& FileName)
{
    CurrentFile = FileName;
}

const std::string& HelpFile()
{
    return CurrentFile;
}

void ShowTopic(int Context)
{
    if (CurrentFile.empty() || Context == NoContext) return;
    if (Recorder) {
        Recorder->Requests_.push_back({CurrentFile, Context});
        return;
    }
    if (THelpViewer* Window = OpenViewer()) Window->ShowTopic(Context);
}

void ShowTopicFinder()
{
    if (CurrentFile.empty()) return;
    if (Recorder) {
        Recorder->Requests_.push_back({CurrentFile, THelpRecorder::TopicFinder});
        return;
    }
    if (THelpViewer* Window = OpenViewer()) Window->ShowContents();
}

int F1Context(const QObject* Receiver)
{
    if (const auto* Menu = qobject_cast<const QMenu*>(Receiver))
        return HelpContext(Menu->activeAction() ? static_cast<const QObject*>(Menu->activeAction()) : Menu);
    if (const auto* Bar = qobject_cast<const QMenuBar*>(Receiver))
        if (const QAction* Entry = Bar->activeAction()) return HelpContext(Entry);
    return HelpContext(Receiver);
}

void InstallF1Key(QApplication& Application)
{
    Application.installEventFilter(new TF1Key(&Application));
}

bool IsHelpWindow(const QWindow* Window)
{
    return Window && Viewer && Viewer->windowHandle() == Window;
}

void CloseHelp()
{
    delete Viewer;
}

THelpRecorder::THelpRecorder()
{
    Recorder = this;
}

THelpRecorder::~THelpRecorder()
{
    Recorder = nullptr;
}

}  // namespace help
