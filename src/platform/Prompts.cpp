// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace prompts {

namespace {

TPromptRecorder* Recorder = nullptr;

QString Caption(TButton Button)
{
    switch (Button) {
    case TButton::Ok: return QStringLiteral("OK");
    case TButton::Yes: return QStringLiteral("&Yes");
    case TButton::No: return QStringLiteral("&No");
    case TButton::Cancel: return QStringLiteral("Cancel");
    }
    return {};
}

QMessageBox::ButtonRole Role(TButton Button)
{
    switch (Button) {
    case TButton::Ok: return QMessageBox::AcceptRole;
    case TButton::Yes: return QMessageBox::YesRole;
    case TButton::No: return QMessageBox::NoRole;
    case TButton::Cancel: return QMessageBox::RejectRole;
    }
    return QMessageBox::InvalidRole;
}

QMessageBox::Icon BoxIcon(TIcon Icon)
{
    switch (Icon) {
    case TIcon::Error: return QMessageBox::Critical;
    case TIcon::Warning: return QMessageBox::Warning;
    case TIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

TMessage ErrorMessage(const QString& Text)
{
    return {QStringLiteral("Error"), Text, TIcon::Error, {TButton::Ok}, TButton::Ok, TButton::Ok};
}

TMessage WarningMessage(const QString& Text)
{
    return {QStringLiteral("Warning"), Text, TIcon::Warning, {TButton::Ok}, TButton::Ok, TButton::Ok};
}

TMessage ConfirmMessage(const QString& Text)
{
    return {QStringLiteral("Confirm"), Text, TIcon::Question,
            {TButton::Yes, TButton::No, TButton::Cancel}, TButton::Yes, TButton::Cancel};
}

void Beep(TBeep Kind)
{
    if (Recorder) {
        Recorder->Beeps_.push_back(Kind);
        Recorder->PendingBeep_ = Kind;
        return;
    }
    QApplication::beep();
}

TButton Show(const TMessage& Message)
{
    if (Recorder) {
        TButton Answer = Message.Default;
        if (!Recorder->Answers_.empty()) {
            Answer = Recorder->Answers_.front();
            Recorder->Answers_.erase(Recorder->Answers_.begin());
        }
        Recorder->Shown_.push_back({Message, Recorder->PendingBeep_, Answer});
        Recorder->PendingBeep_.reset();
        return Answer;
    }

    QMessageBox Box(BoxIcon(Message.Icon), Message.Title, Message.Text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    Box.setTextFormat(Qt::PlainText);
    std::map<QAbstractButton*, TButton> Answers;
    for (const TButton Button : Message.Buttons) {
        QPushButton* Push = Box.addButton(Caption(Button), Role(Button));
        Answers[Push] = Button;
        if (Button == Message.Default) Box.setDefaultButton(Push);
        if (Button == Message.Escape) Box.setEscapeButton(Push);
    }
    Box.exec();
    const auto Chosen = Answers.find(Box.clickedButton());
    return Chosen == Answers.end() ? Message.Escape : Chosen->second;
}

TButton Show(TBeep Before, const TMessage& Message)
{
    Beep(Before);
    return Show(Message);
}

TPromptRecorder::TPromptRecorder()
{
    Recorder = this;
}

TPromptRecorder::~TPromptRecorder()
{
    Recorder = nullptr;
}

void TPromptRecorder::Clear()
{
    Answers_.clear();
    Shown_.clear();
    Beeps_.clear();
    PendingBeep_.reset();
}

}  // namespace prompts
