// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help topics are addressed by context numbers. Windows, controls, menus and
// menu entries carry theirs; an element without a number of its own takes
// that of the nearest enclosing element that has one.

#include <string>
#include <vector>

class QApplication;
class QObject;
class QWindow;
class QWidget;

namespace help {

enum TContext : int {
    NoContext = 0,
    FirstRun = 1,
    FileMenu = 4,
    SearchMenu = 12,
    AnniversaryMenu = 13,
    OptionsMenu = 14,
    HelpMenu = 15,
    MainWindow = 34,
    PrintAnniversaries = 37,
    FindDialog = 38,
    AddAnniversary = 39,
    EditAnniversary = 40,
    ReminderOptions = 41,
    ForthcomingAnniversaries = 49,
};

void SetHelpContext(QObject* Object, int Context);
// The element's own number, else the nearest enclosing one's; NoContext for none.
// A window other than a menu encloses nothing further: a dialog's controls
// never take the number of the window that opened it.
int HelpContext(const QObject* Object);

// The program's help file: the name the help commands use, empty for none.
void SetHelpFile(const std::string& FileName);
const std::string& HelpFile();

// Opens the help file at the topic with that number. Nothing happens without
// a help file or without a number.
void ShowTopic(int Context);
// Opens the help file's topic finder: its contents list and its index.
void ShowTopicFinder();
// The number F1 opens when pressed on Receiver: that of the highlighted entry
// of an open menu, otherwise that of the focused element.
int F1Context(const QObject* Receiver);
// Makes F1 open the topic of the focused control or highlighted menu entry
// anywhere in the application.
void InstallF1Key(QApplication& Application);
// True for the help window, which counts as a program of its own: coming back
// from it is not an activation of the program's windows.
bool IsHelpWindow(const QWindow* Window);
// Closes the help window; the program calls it when it ends.
void CloseHelp();

// While one lives, help requests are recorded instead of opening the help window.
class THelpRecorder {
public:
    struct TRequest {
        std::string File;
        int Context;  // TopicFinder for the topic finder
        bool operator==(const TRequest&) const = default;
    };
    static constexpr int TopicFinder = -1;

    THelpRecorder();
    ~THelpRecorder();
    THelpRecorder(const THelpRecorder&) = delete;
    THelpRecorder& operator=(const THelpRecorder&) = delete;

    const std::vector<TRequest>& Requests() const { return Requests_; }
    void Clear() { Requests_.clear(); }

private:
    friend void ShowTopic(int);
    friend void ShowTopicFinder();
    std::vector<TRequest> Requests_;
};

}  // namespace help
