// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Listrpt.h"

#include <QApplication>

#include "data/Dateutil.h"
#include "data/Evntlist.h"
#include "platform/Ansi.h"

namespace {

QFont ArialFont(int PointSize, bool Bold = false)
{
    QFont Font(QStringLiteral("Arial"), PointSize, Bold ? QFont::Bold : QFont::Normal);
    Font.setStyleHint(QFont::SansSerif);
    return Font;
}

void SetLabel(TReportLabel& Label, const QFont& Font, double Left, double Top, double Width,
              Qt::Alignment Alignment = Qt::AlignLeft, TReportLabel::TFit Fit = TReportLabel::AutoSize)
{
    Label.Font = Font;
    Label.Left = Left;
    Label.Top = Top;
    Label.Width = Width;
    Label.Alignment = Alignment;
    Label.Fit = Fit;
}

}  // namespace

QString AgeText(const TEventItem& Item)
{
    if (Item.OrigYear == -1) return {};
    return QString::number(int64_t{ThisYear} - Item.OrigYear);
}

TListReport::TListReport()
{
    QuickReport.ReportTitle = QStringLiteral("Testing...");
    CreateBands();
    QuickReport.PageHeader = &PageHeaderBand1;
    QuickReport.Title = &QRBand1;
    QuickReport.Detail = &DetailBand1;
    QuickReport.SubDetail = &QRSubDetail;
    QuickReport.PageFooter = &PageFooterBand1;
    // Every generation, the preview's print command's too, walks from January.
    QuickReport.BeforePrint = [this] { CurrentMonth = 0; };
    QuickReport.OnNeedData = [this](bool& MoreData) { QuickReportNeedData(MoreData); };
    QuickReport.SubDetailNeedData = [this](bool& MoreData) { QRSubDetailNeedData(MoreData); };
    QuickReport.OnStartPage = [this] { QuickReportStartPage(); };
    QuickReport.OnEndPage = [this] { QuickReportEndPage(); };
}

void TListReport::CreateBands()
{
    const double Width = QuickReport.PrintableWidth();
    const QFont Plain = ArialFont(10), Bold = ArialFont(10, true), Small = ArialFont(8);

    PageHeaderBand1.Height = 9.26;
    SetLabel(QRLSystemName, Bold, 0, 0, Width);
    SetLabel(QRLEventsList, Small, 0, 0.26, Width, Qt::AlignRight);
    PageHeaderBand1.Labels = {&QRLSystemName, &QRLEventsList};

    QRBand1.Height = 8.47;
    SetLabel(QRLHeader, ArialFont(16, true), 0, 2.12, Width, Qt::AlignLeft, TReportLabel::WordWrap);
    QRBand1.Labels = {&QRLHeader};

    DetailBand1.Height = 19.84;
    DetailBand1.Frames = {QRectF(0, 4.5, Width, 6.88)};  // QRImage1
    SetLabel(QRLMonthName, Bold, 2.12, 5.56, Width - 2.12);
    SetLabel(QRLabel1, Bold, 2.12, 13.49, 31.75);
    SetLabel(QRLabel2, Bold, 33.87, 13.49, 129.11);
    SetLabel(QRLabel3, Bold, 162.98, 13.49, Width - 162.98);
    QRLabel1.Text = QStringLiteral("Day Of Month");
    QRLabel2.Text = QStringLiteral("Event");
    QRLabel3.Text = QStringLiteral("Age (years)");
    DetailBand1.Labels = {&QRLMonthName, &QRLabel1, &QRLabel2, &QRLabel3};

    QRSubDetail.Height = 6.35;
    SetLabel(QRLDayOfMonth, Plain, 0, 0.79, 15.35, Qt::AlignRight);
    SetLabel(QRLEventText, Plain, 31.75, 0.79, 128.59, Qt::AlignLeft, TReportLabel::Clip);
    SetLabel(QRLAge, Plain, 160.34, 0.79, 178.33 - 160.34, Qt::AlignRight);
    QRSubDetail.Labels = {&QRLDayOfMonth, &QRLEventText, &QRLAge};

    PageFooterBand1.Height = 16.14;
    SetLabel(QRLFooter, ArialFont(10, true), 0, 2.12, Width, Qt::AlignLeft, TReportLabel::WordWrap);
    SetLabel(QRLTimeStamp, Small, 0, 11.38, Width);
    PageFooterBand1.Labels = {&QRLFooter, &QRLTimeStamp};
}

void TListReport::QuickReportNeedData(bool& MoreData)
{
    ++CurrentMonth;
    if (CurrentMonth > LastMonth) {
        MoreData = false;
        return;
    }
    while (CurrentMonth <= LastMonth && EventsList->Months[CurrentMonth]->IsEmpty()) ++CurrentMonth;
    // Only a LastMonth whose list is empty lets the walk run past it.
    MoreData = CurrentMonth <= LastMonth;
    if (!MoreData) return;
    QRLMonthName.Text = QString::fromStdString(MonthName(static_cast<uint8_t>(CurrentMonth)));
    EventsList->Months[CurrentMonth]->Rewind(CurrentItem);
}

void TListReport::QRSubDetailNeedData(bool& MoreData)
{
    if (CurrentMonth > LastMonth) {
        MoreData = false;
        return;
    }
    MoreData = EventsList->Months[CurrentMonth]->GetNext(CurrentItem);
    if (!MoreData) return;
    const auto& Item = *static_cast<const TEventItem*>(CurrentItem);
    QRLDayOfMonth.Text = QString::number(Item.DayNumber);
    QRLEventText.Text = AnsiToQString(Item.EventText);
    QRLAge.Text = AgeText(Item);
}

void TListReport::QuickReportStartPage()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TListReport::QuickReportEndPage()
{
    QApplication::restoreOverrideCursor();
}
