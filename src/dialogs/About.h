// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the product title, the version and the maker's notice,
// the last two read from the executable's version data at every showing, so a
// new build changes them without a change here.

#include <QDialog>
#include <QIcon>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

// The title both information windows show.
inline constexpr const char* SystemName = "Datevane Anniversary Reminder";

// The program's icon, as the windows and the About box show it.
QIcon ProgramIcon();

// The version and notice lines of the information windows, from the version
// data of ExeName: "Version - " with the file version, and the maker's notice.
struct TAboutTexts {
    QString Version;
    QString Copyright;
};
TAboutTexts ReadAboutTexts(const std::string& ExeName);

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrOk = 1, mrCancel = 2 };

    // ExeName: the executable whose version data is shown; the running one
    // unless a test names another.
    explicit TfrmAbout(QWidget* Parent = nullptr, std::string ExeName = {});

    int ShowModal() { return exec(); }

    QLabel* Icon;
    QLabel* lblSystemName;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QFrame* Bevel1;
    QPushButton* btnOK;

    void FormShow();
    // The close box closes the window with the modal result Cancel.
    void reject() override { done(mrCancel); }

protected:
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    const std::string ExeName_;
};
