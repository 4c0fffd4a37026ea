// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reminder options: whether the reminder program shows anniversaries when
// a user logs on, from which anniversary file, when, for how long and how
// many. OK stores them in section DueAlert of the settings file and adds or
// removes the reminder program's log-on entry.

#include <QDialog>
#include <QString>
#include <memory>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TSpinEdit;
namespace filedialogs { class TFileDialog; }

class TfrmReminderOptions : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrOk = 1, mrCancel = 2 };

    explicit TfrmReminderOptions(QWidget* Parent = nullptr);
    ~TfrmReminderOptions() override;

    // Handed over by the main window before each showing: its settings file
    // and the folder of the program, where the reminder program lies.
    std::string SettingsFile;
    std::string ProgramFolder;

    int ShowModal() { return exec(); }

    QCheckBox* chkShowOnStartup;
    QGroupBox* GroupBox1;
    QLabel* Label4;
    QLineEdit* edtUseFile;
    QPushButton* btnUseCurrent;
    QPushButton* btnBrowse;
    QGroupBox* GroupBox2;
    QRadioButton* rdoShowEveryTime;
    QRadioButton* rdoShowOnlyWhenNear;
    QLabel* Label1;
    TSpinEdit* spedDaysToGo;
    QGroupBox* GroupBox3;
    QRadioButton* rdoCloseManually;
    QRadioButton* rdoTimedClose;
    QLabel* Label5;
    TSpinEdit* spedShowTime;
    QGroupBox* GroupBox4;
    QLabel* Label2;
    TSpinEdit* spedEventsPrevious;
    QLabel* Label3;
    TSpinEdit* spedEventsNext;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    // Browse...: an existing anniversary file; opens with the file last chosen in it.
    std::unique_ptr<filedialogs::TFileDialog> OpenDialog1;

    void FormShow();
    void EnableControls();
    void chkShowOnStartupClick();
    void rdoShowEveryTimeClick();
    void rdoShowOnlyWhenNearClick();
    void rdoCloseManuallyClick();
    void rdoTimedCloseClick();
    void btnUseCurrentClick();
    void btnBrowseClick();
    void btnOKClick();

    // The reminder program's full path, as the log-on entry starts it.
    std::string ReminderProgram() const;

    // Cancel, Escape and the close box.
    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    // Writes the eight keys one by one; throws when the file refuses one.
    void WriteSettings();
    void UpdateStartupEntry();
    // Lays the check box over the top edge of GroupBox1, as its title.
    void PlaceCheckBox();
};
