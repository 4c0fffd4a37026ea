// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include <QEvent>
#include <stdexcept>

#include "GuiTestSupport.h"
#include "platform/Prompts.h"

namespace {

class TFailing : public QObject {
public:
    explicit TFailing(const char* What) : What_(What) {}
    bool event(QEvent*) override { throw std::runtime_error(What_); }

private:
    const char* What_;
};

}  // namespace

TEST(Application, AFailureNobodyHandlesIsShownAndTheProgramGoesOn)
{
    prompts::TPromptRecorder Recorder;
    struct Case { const char* What; const char* Shown; } Cases[] = {
        {"Unable to write to /opt/datevane.INI", "Unable to write to /opt/datevane.INI."},
        {"Already ends in a full stop.", "Already ends in a full stop."},
    };
    for (const auto& C : Cases) {
        TFailing Receiver(C.What);
        QEvent Event(QEvent::User);
        EXPECT_FALSE(QCoreApplication::sendEvent(&Receiver, &Event));
    }
    ASSERT_EQ(Recorder.Shown().size(), 2u);
    for (size_t I = 0; I < 2; ++I) {
        const prompts::TMessage& Box = Recorder.Shown()[I].Message;
        EXPECT_EQ(Box.Title, "Datevane Anniversary Reminder");
        EXPECT_EQ(Box.Text, Cases[I].Shown);
        EXPECT_EQ(Box.Icon, prompts::TIcon::Error);
    }
}
