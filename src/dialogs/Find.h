// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The find dialog: the text to look for and how to compare it. It is made once
// and kept, so what the user typed and ticked stays for the next search.

#include <QDialog>

#include "dialogs/Dofind.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TfrmFind : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrOk = 1, mrCancel = 2 };

    explicit TfrmFind(QWidget* Parent = nullptr);

    int ShowModal() { return exec(); }
    // The search criteria as the controls hold them now.
    TSearchCriteria Criteria() const;

    QGroupBox* GroupBox1;
    QLineEdit* cboSearchString;
    QGroupBox* GroupBox3;
    QCheckBox* chkMatchCase;
    QCheckBox* chkWholeWords;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // False, after telling the user, when the find text is only blanks.
    bool ValidSearch();
    void FormShow();
    void btnOKClick();
    void btnCancelClick();

    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;
};
