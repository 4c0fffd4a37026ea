// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog that prints or previews the whole anniversary book: a header and
// a footer text, each with its font and alignment. Its choices carry over from
// one showing to the next within a run of the program, and are not saved.

#include <QDateTime>
#include <QDialog>
#include <QFont>
#include <QLocale>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QGroupBox;
class TEventsList;
class TListReport;
class TRadioGroup;

// "As of: ", the date in the locale's short date format, " at ", the time in
// its long time format (without a time zone).
QString TimeStampText(const QDateTime& Now, const QLocale& Locale);
// The last month whose list holds anniversaries; 0 for an empty book.
uint16_t LastMonthWithAnniversaries(const TEventsList& Book);
// True when Printer can print: a printer is installed, or it writes a named file.
bool PrinterAvailable(const QPrinter& Printer);

// A font dialog that holds its font: OK replaces it, Cancel keeps it.
struct TFontDialog {
    QFont Font;
    bool Execute(QWidget* Parent);
};

class TfrmPrintEvents : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrOk = 1, mrCancel = 2 };
    inline static const QString DefaultMarker = QStringLiteral("$$DEFAULT$$");

    explicit TfrmPrintEvents(QWidget* Parent = nullptr);

    // The report this dialog fills, and the program's printer, handed over
    // once both exist.
    void SetReport(TListReport* Report, QPrinter* Printer);

    // Shows the dialog modally; mrOk or mrCancel.
    int ShowModal() { return exec(); }

    QGroupBox* GroupBox3;
    QLabel* Label4;
    QLineEdit* edtHeader;
    QPushButton* btnHeaderFont;
    TRadioGroup* HeaderJustify;
    QGroupBox* GroupBox2;
    QLabel* Label5;
    QLineEdit* edtFooter;
    QPushButton* btnFooterFont;
    TRadioGroup* FooterJustify;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnPreview;
    TFontDialog fdlgHeaderFont;
    TFontDialog fdlgFooterFont;

    void FormCreate();
    void FormShow();
    void EnableControls();
    void edtHeaderChange();
    void btnHeaderFontClick();
    void btnFooterFontClick();
    void SetReportParameters();
    void btnOKClick();
    void btnPreviewClick();

    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    TListReport* ListReport_ = nullptr;
    QPrinter* Printer_ = nullptr;
};
