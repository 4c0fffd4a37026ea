// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes and beeps. Every box the program shows goes through Show, so a
// test can stand in for the user: while a TPromptRecorder lives, boxes are not
// shown but recorded with the beep that came just before them, and answered
// from a queue.

#include <QString>
#include <optional>
#include <vector>

namespace prompts {

enum class TIcon { Error, Warning, Question };
enum class TButton { Ok, Yes, No, Cancel };
enum class TBeep { Asterisk, Question };

struct TMessage {
    QString Title;
    QString Text;
    TIcon Icon;
    std::vector<TButton> Buttons;
    TButton Default;
    TButton Escape;  // the answer of Escape and of the close box
};

// The three kinds of box of the program's conventions.
TMessage ErrorMessage(const QString& Text);    // "Error", OK
TMessage WarningMessage(const QString& Text);  // "Warning", OK
TMessage ConfirmMessage(const QString& Text);  // "Confirm", Yes (default), No, Cancel

void Beep(TBeep Kind);
// Shows the box modally over the active window and returns the button chosen.
TButton Show(const TMessage& Message);
// The same after the beep that announces the box.
TButton Show(TBeep Before, const TMessage& Message);

class TPromptRecorder {
public:
    struct TShown {
        TMessage Message;
        std::optional<TBeep> Beep;  // sounded since the box before
        TButton Answer;
    };

    TPromptRecorder();
    ~TPromptRecorder();
    TPromptRecorder(const TPromptRecorder&) = delete;
    TPromptRecorder& operator=(const TPromptRecorder&) = delete;

    // Answers the next box; a box without a queued answer gets its default.
    void QueueAnswer(TButton Answer) { Answers_.push_back(Answer); }
    const std::vector<TShown>& Shown() const { return Shown_; }
    const std::vector<TBeep>& Beeps() const { return Beeps_; }
    void Clear();

private:
    friend void Beep(TBeep);
    friend TButton Show(const TMessage&);

    std::vector<TButton> Answers_;
    std::vector<TShown> Shown_;
    std::vector<TBeep> Beeps_;
    std::optional<TBeep> PendingBeep_;
};

}  // namespace prompts
