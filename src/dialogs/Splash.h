// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: the product title, the version and the maker's notice,
// shown without title bar or border above every other window while the
// program starts.

#include <QWidget>
#include <cstdint>
#include <string>

class QFrame;
class QLabel;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    // ExeName: the executable whose version data is shown; the running one
    // unless a test names another.
    explicit TfrmSplash(std::string ExeName = {});

    QFrame* Panel1;
    QFrame* Panel2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

    void FormShow();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    const std::string ExeName_;
};

// True once Hold milliseconds have passed between the tick readings Start and
// Now, also when the counter wrapped around in between.
inline bool HoldIsOver(uint32_t Start, uint32_t Now, uint32_t Hold)
{
    return static_cast<uint32_t>(Now - Start) >= Hold;
}

// Shows Splash, paints it at once, processes window messages until Hold
// milliseconds have passed on the Tick counter, and hides it.
void ShowSplashFor(TfrmSplash& Splash, uint32_t Hold, uint32_t (*Tick)());
