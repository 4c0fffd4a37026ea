// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog in which the user enters or changes one anniversary: its day, its
// text and, optionally, its first year. On OK the text is not blank and the year
// is empty or a number no later than the current year. While it is open the
// day box's bound follows the length of the month, taking the typed year into
// account.

#include <QDialog>
#include <cstdint>
#include <string>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TMaskEdit;
class TSpinEdit;

// The year whose February the day box allows for: 1996, a leap year, for an
// empty year box; the typed number; -1 for a text that is not all digits.
int32_t BoundYear(const std::string& YearText);
// What OK reports about the year box's text; empty when the year passes.
std::string YearFault(const std::string& YearText, uint16_t Current);
// The first year that a year box's text stands for: -1 for none.
int32_t OrigYearFromText(const std::string& YearText);

class TfrmAEEvent : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrOk = 1, mrCancel = 2 };
    static constexpr int MaxTextLength = 55;

    explicit TfrmAEEvent(QWidget* Parent = nullptr);

    // The month shown in the main window, 1 to 12, handed over before showing.
    int SelectedMonth = 1;

    // Shows the dialog modally; mrOk or mrCancel.
    int ShowModal() { return exec(); }
    // Sets the text box, keeping a stored text that is longer than the box
    // allows whole: it can be shortened but not lengthened.
    void SetEventText(const QString& Text);

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TSpinEdit* spedDayNumber;
    QLineEdit* edtEventText;
    TMaskEdit* mskEdYear;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void EnableControls();
    void FormShow();
    void FormActivate();
    void FormClose();
    void edtEventTextChange();
    void spedDayNumberKeyDown(QKeyEvent* Event);
    void mskEdYearEnter();
    void mskEdYearMouseDown(Qt::MouseButton Button);
    void mskEdYearExit();
    void btnOKClick();
    void btnCancelClick();

    void done(int Result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;
    bool event(QEvent* Event) override;

private:
    void ApplyYearRule();
};
