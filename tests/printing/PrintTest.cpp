// SPDX-License-Identifier: GPL-3.0-or-later
// The print options dialog: its controls and their rules, what it writes into
// the report, and printing and previewing through the program's printer.

#include "printing/Print.h"

#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "data/Evntlist.h"
#include "platform/Help.h"
#include "platform/PrintDialogs.h"
#include "platform/Prompts.h"
#include "platform/RadioGroup.h"
#include "printing/Listrpt.h"

namespace {

class PrintDialog : public testing::Test {
protected:
    PrintDialog()
    {
        EventsList = &Book;
        auto* Item = new TEventItem;
        Item->DayNumber = 14;
        Item->EventText = "Parents' wedding";
        Item->OrigYear = 1962;
        Book.Months[10]->Add(Item);
        Dialog.SetReport(&Report, &Printer);
    }
    ~PrintDialog() override { EventsList = nullptr; }

    // Shows the dialog modally, runs Step on it, and returns its result.
    int Show(std::function<void()> Step)
    {
        WhenModal([Step = std::move(Step)](QWidget*) { Step(); });
        return Dialog.ShowModal();
    }
    bool Enabled(QWidget* Button, QWidget* Group) const
    {
        EXPECT_EQ(Button->isEnabled(), Group->isEnabled());
        return Button->isEnabled();
    }

    TEventsList Book;
    TListReport Report;
    QPrinter Printer;
    TfrmPrintEvents Dialog;
    prompts::TPromptRecorder Prompts;
    printdialogs::TPrintDialogRecorder Dialogs;
    TTempDir Dir;
};

bool IsPdf(const std::string& FileName)
{
    return ReadFile(FileName).starts_with("%PDF-");
}

int PdfPages(const std::string& FileName)
{
    const std::string Text = ReadFile(FileName);
    int Pages = 0;
    for (size_t At = Text.find("/Type /Page\n"); At != std::string::npos; At = Text.find("/Type /Page\n", At + 1)) ++Pages;
    return Pages;
}

}  // namespace

TEST_F(PrintDialog, FirstShowingIsEmptyAndTextsEnableTheirFontAndAlignment)
{
    EXPECT_EQ(Dialog.windowTitle(), "Print Anniversaries");
    EXPECT_EQ(help::HelpContext(&Dialog), 37);
    EXPECT_EQ(Dialog.edtHeader->text(), "$$DEFAULT$$");  // until the first showing
    Show([this] {
        EXPECT_EQ(Dialog.edtHeader->text(), "");
        EXPECT_EQ(Dialog.edtFooter->text(), "");
        EXPECT_FALSE(Enabled(Dialog.btnHeaderFont, Dialog.HeaderJustify));
        EXPECT_FALSE(Enabled(Dialog.btnFooterFont, Dialog.FooterJustify));
        EXPECT_EQ(Dialog.HeaderJustify->ItemIndex(), 0);
        EXPECT_EQ(Dialog.FooterJustify->ItemText(1), "Centre");
        // The three alignments side by side.
        const auto Items = Dialog.HeaderJustify->findChildren<QRadioButton*>();
        ASSERT_EQ(Items.size(), 3);
        EXPECT_EQ(Items[0]->y(), Items[2]->y());
        EXPECT_LT(Items[0]->x(), Items[1]->x());
        EXPECT_LT(Items[1]->x(), Items[2]->x());

        QTest::keyClicks(Dialog.edtHeader, "   ");
        EXPECT_FALSE(Enabled(Dialog.btnHeaderFont, Dialog.HeaderJustify));
        QTest::keyClicks(Dialog.edtHeader, "x");
        EXPECT_TRUE(Enabled(Dialog.btnHeaderFont, Dialog.HeaderJustify));
        EXPECT_FALSE(Enabled(Dialog.btnFooterFont, Dialog.FooterJustify));
        Dialog.edtFooter->setText(" Footer");
        EXPECT_TRUE(Enabled(Dialog.btnFooterFont, Dialog.FooterJustify));
        Dialog.edtHeader->clear();
        EXPECT_FALSE(Enabled(Dialog.btnHeaderFont, Dialog.HeaderJustify));
        Dialog.btnCancel->click();
    });
}

TEST_F(PrintDialog, ChoicesCarryOverACancelAndTheMarkerIsPrintedOnceTyped)
{
    EXPECT_EQ(Show([this] {
                  Dialog.edtHeader->setText("Family");
                  Dialog.HeaderJustify->SetItemIndex(2);
                  QTest::keyClick(&Dialog, Qt::Key_Escape);
              }),
              TfrmPrintEvents::mrCancel);
    Show([this] {
        EXPECT_EQ(Dialog.edtHeader->text(), "Family");
        EXPECT_EQ(Dialog.HeaderJustify->ItemIndex(), 2);
        EXPECT_TRUE(Dialog.btnHeaderFont->isEnabled());
        Dialog.edtFooter->setText("$$DEFAULT$$");
        Dialog.SetReportParameters();
        EXPECT_EQ(Report.QRLFooter.Text, "$$DEFAULT$$");
        Dialog.btnCancel->click();
    });
    Show([this] {
        EXPECT_EQ(Dialog.edtFooter->text(), "");
        Dialog.reject();
    });
}

TEST_F(PrintDialog, FontDialogsStartFromArialBoldAndKeepTheirFontOnCancel)
{
    const QFont Header = Dialog.fdlgHeaderFont.Font, Footer = Dialog.fdlgFooterFont.Font;
    EXPECT_EQ(Header.family(), "Arial");
    EXPECT_TRUE(Header.bold());
    EXPECT_EQ(Header.pointSize(), 16);
    EXPECT_EQ(Footer.family(), "Arial");
    EXPECT_TRUE(Footer.bold());
    EXPECT_EQ(Footer.pointSize(), 10);

    QFont Big(QStringLiteral("Courier"), 24);
    Big.setUnderline(true);
    Big.setStrikeOut(true);
    Dialogs.QueueFont(Big);
    Dialogs.QueueFont(std::nullopt);
    Dialog.btnHeaderFontClick();
    Dialog.btnFooterFontClick();
    ASSERT_EQ(Dialogs.FontDialogsShown().size(), 2u);
    EXPECT_EQ(Dialogs.FontDialogsShown()[0], Header);
    EXPECT_EQ(Dialogs.FontDialogsShown()[1], Footer);
    // At most 16 points and no effects, whatever the dialog gave.
    EXPECT_EQ(Dialog.fdlgHeaderFont.Font.family(), "Courier");
    EXPECT_EQ(Dialog.fdlgHeaderFont.Font.pointSize(), 16);
    EXPECT_FALSE(Dialog.fdlgHeaderFont.Font.underline());
    EXPECT_FALSE(Dialog.fdlgHeaderFont.Font.strikeOut());
    EXPECT_EQ(Dialog.fdlgFooterFont.Font, Footer);
}

TEST_F(PrintDialog, ReportParametersComeFromTheBookAndTheControls)
{
    Book.FileName = "/home/ann/books/FAMILY.EVT";
    Book.Months[3]->Add(new TEventItem);
    Report.CurrentMonth = 7;
    QFont Footer(QStringLiteral("Times"), 9);
    Dialogs.QueueFont(Footer);
    Dialog.btnFooterFontClick();
    struct Case {
        int Justify;
        Qt::Alignment Alignment;
    } Cases[] = {{0, Qt::AlignLeft}, {1, Qt::AlignHCenter}, {2, Qt::AlignRight}};
    for (const auto& C : Cases) {
        Dialog.edtHeader->setText("  Header as typed ");
        Dialog.edtFooter->setText("Footer");
        Dialog.HeaderJustify->SetItemIndex(C.Justify);
        Dialog.FooterJustify->SetItemIndex(2 - C.Justify);
        Dialog.SetReportParameters();
        EXPECT_EQ(Report.QRLHeader.Alignment, C.Alignment);
        EXPECT_EQ(Report.QRLFooter.Alignment, Cases[2 - C.Justify].Alignment);
    }
    EXPECT_EQ(Report.QRLSystemName.Text, "Datevane Anniversary Reminder");
    EXPECT_EQ(Report.QRLEventsList.Text, "FAMILY.EVT");
    EXPECT_EQ(Report.LastMonth, 10);
    EXPECT_EQ(Report.CurrentMonth, 0);
    EXPECT_EQ(Report.QRLHeader.Text, "  Header as typed ");
    EXPECT_EQ(Report.QRLHeader.Font, Dialog.fdlgHeaderFont.Font);
    EXPECT_EQ(Report.QRLFooter.Font.family(), "Times");
    EXPECT_TRUE(Report.QRLTimeStamp.Text.startsWith("As of: "));

    Book.FileName.clear();
    Dialog.SetReportParameters();
    EXPECT_EQ(Report.QRLEventsList.Text, "(Untitled)");
    const auto Pages = Report.QuickReport.Generate();
    for (const TReportPage& Page : Pages)
        for (const TPageItem& Item : Page.Items)
            if (Item.Label == &Report.QRLEventsList) {
                EXPECT_EQ(Item.Text, "(Untitled)");
                EXPECT_EQ(Item.Alignment, Qt::AlignRight);
                EXPECT_DOUBLE_EQ(Item.Rect.right(), 200);
            }
}

TEST_F(PrintDialog, LastMonthIsTheLastMonthWithAnniversariesAndNeverBelowJanuary)
{
    EXPECT_EQ(LastMonthWithAnniversaries(Book), 10);
    Book.Months[12]->Add(new TEventItem);
    EXPECT_EQ(LastMonthWithAnniversaries(Book), 12);
    Book.Clear();
    EXPECT_EQ(LastMonthWithAnniversaries(Book), 0);
    Book.Months[1]->Add(new TEventItem);
    EXPECT_EQ(LastMonthWithAnniversaries(Book), 1);
}

TEST_F(PrintDialog, TimeStampUsesTheRegionalShortDateAndLongTime)
{
    const QDateTime Moment(QDate(2002, 12, 9), QTime(16, 5, 31));
    EXPECT_EQ(TimeStampText(Moment, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              "As of: 09/12/2002 at 16:05:31");
    EXPECT_EQ(TimeStampText(Moment, QLocale(QLocale::German, QLocale::Germany)), "As of: 09.12.02 at 16:05:31");
    const QString American = TimeStampText(Moment, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(American.startsWith("As of: 12/9/02 at 4:05:31")) << American.toStdString();
    EXPECT_TRUE(American.endsWith("PM")) << American.toStdString();
}

TEST_F(PrintDialog, EnterPreviewsInAMaximisedWindowThatSavesPdf)
{
    EXPECT_TRUE(Dialog.btnPreview->isDefault());
    EXPECT_FALSE(Dialog.btnOK->isDefault());
    const std::string Pdf = Dir / "report.pdf";
    Dialogs.QueuePdfFileName(QString::fromStdString(Pdf));
    bool Previewed = false;
    WhenModal([&](QWidget*) {
        Dialog.edtHeader->setText("Family");
        Focus(Dialog.edtHeader);
        WhenModal([&](QWidget* Preview) {
            Previewed = true;
            EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(Preview), nullptr);
            EXPECT_EQ(Preview->windowTitle(), "Testing...");
            EXPECT_TRUE(Preview->windowState() & Qt::WindowMaximized);
            Child<QAction>(Preview, "actSaveAsPdf")->trigger();
            EXPECT_TRUE(IsPdf(Pdf));
            EXPECT_EQ(Report.QRLHeader.Text, "Family");
            Preview->close();
        });
        QTest::keyClick(Dialog.edtHeader, Qt::Key_Return);
        // Back from the preview, the dialog is still open.
        EXPECT_TRUE(Dialog.isVisible());
        Dialog.reject();
    });
    EXPECT_EQ(Dialog.ShowModal(), TfrmPrintEvents::mrCancel);
    EXPECT_TRUE(Previewed);
    EXPECT_TRUE(Prompts.Shown().empty());
}

TEST_F(PrintDialog, OkPrintsOnTheProgramsPrinterAndCloses)
{
    // The printer set up to write a file stands in for a real one.
    for (int I = 0; I < 80; ++I) {
        auto* Item = new TEventItem;
        Item->DayNumber = uint8_t(1 + I % 28);
        Item->EventText = "Line " + std::to_string(I);
        Book.Months[1 + I % 12]->Add(Item);
    }
    const std::string Output = Dir / "printed.pdf";
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(QString::fromStdString(Output));
    Printer.setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(Show([this] { Dialog.btnOK->click(); }), TfrmPrintEvents::mrOk);
    EXPECT_TRUE(IsPdf(Output));
    EXPECT_EQ(PdfPages(Output), int(Report.QuickReport.Generate().size()));
    EXPECT_GT(PdfPages(Output), 1);
    EXPECT_EQ(Printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(Printer.docName(), "Testing...");
    EXPECT_TRUE(Prompts.Shown().empty());
}

TEST_F(PrintDialog, OkWithoutAnyPrinterSaysSoAndStaysOpen)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    EXPECT_EQ(Show([this] {
                  Dialog.btnOK->click();
                  EXPECT_TRUE(Dialog.isVisible());
                  Dialog.btnCancel->click();
              }),
              TfrmPrintEvents::mrCancel);
    ASSERT_EQ(Prompts.Shown().size(), 1u);
    EXPECT_EQ(Prompts.Shown()[0].Message.Title, "Error");
    EXPECT_TRUE(Prompts.Shown()[0].Message.Text.startsWith("There is no printer installed."));
}
