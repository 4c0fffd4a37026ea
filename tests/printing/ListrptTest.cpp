// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary report as laid out: which texts land on which page, and
// where, without any printer.

#include "printing/Listrpt.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "data/Dateutil.h"
#include "TestSupport.h"
#include "data/Evntlist.h"

namespace {


class ListReport : public testing::Test {
protected:
    ListReport()
    {
        EventsList = &Book;
        Report.QRLSystemName.Text = QStringLiteral("Datevane Anniversary Reminder");
        Report.QRLEventsList.Text = QStringLiteral("FAMILY.EVT");
        Report.QRLFooter.Text = QStringLiteral("Footer");
        Report.QRLTimeStamp.Text = QStringLiteral("As of: 11/12/2026 at 09:30:00");
    }
    ~ListReport() override { EventsList = nullptr; }

    void Add(const std::vector<TAnniversary>& Anniversaries) { AddAnniversaries(Book, Anniversaries); }
    // Walks every month up to the last one that has anniversaries.
    std::vector<TReportPage> Generate(uint16_t LastMonth = 12)
    {
        Report.LastMonth = LastMonth;
        Report.CurrentMonth = 0;
        return Report.QuickReport.Generate();
    }

    // The items a label left on a page, in the order they were laid out.
    static std::vector<TPageItem> ItemsOf(const TReportPage& Page, const TReportLabel& Label)
    {
        std::vector<TPageItem> Found;
        for (const TPageItem& Item : Page.Items)
            if (Item.Label == &Label) Found.push_back(Item);
        return Found;
    }
    static QStringList Texts(const std::vector<TReportPage>& Pages, const TReportLabel& Label)
    {
        QStringList Found;
        for (const TReportPage& Page : Pages)
            for (const TPageItem& Item : ItemsOf(Page, Label)) Found << Item.Text;
        return Found;
    }
    static std::vector<QRectF> Frames(const TReportPage& Page)
    {
        std::vector<QRectF> Found;
        for (const TPageItem& Item : Page.Items)
            if (Item.Kind == TPageItem::FrameItem) Found.push_back(Item.Rect);
        return Found;
    }

    TEventsList Book;
    TListReport Report;
};

}  // namespace

TEST_F(ListReport, PrintsOneBlockPerMonthThatHasAnniversaries)
{
    Add({{11, 30, "St Andrew's day"}, {3, 14, "Pi day", 1988}, {3, 1, "Spring", 2001}});
    const auto Pages = Generate(11);
    ASSERT_EQ(Pages.size(), 1u);
    EXPECT_EQ(Texts(Pages, Report.QRLMonthName), QStringList({"March", "November"}));
    EXPECT_EQ(Frames(Pages[0]).size(), 2u);
    EXPECT_EQ(Texts(Pages, Report.QRLabel1), QStringList({"Day Of Month", "Day Of Month"}));
    EXPECT_EQ(Texts(Pages, Report.QRLabel3), QStringList({"Age (years)", "Age (years)"}));
    EXPECT_EQ(Texts(Pages, Report.QRLDayOfMonth), QStringList({"1", "14", "30"}));
    EXPECT_EQ(Texts(Pages, Report.QRLEventText), QStringList({"Spring", "Pi day", "St Andrew's day"}));
    EXPECT_GT(Report.CurrentMonth, Report.LastMonth);
}

TEST_F(ListReport, AgeCountsFromTheFirstYearToThisYear)
{
    struct Case {
        int32_t Year;
        QString Age;
    } Cases[] = {{-1, ""}, {ThisYear, "0"}, {ThisYear + 3, "-3"}, {1962, QString::number(ThisYear - 1962)}, {0, QString::number(ThisYear)}};
    for (const auto& C : Cases) {
        TEventItem Item;
        Item.OrigYear = C.Year;
        EXPECT_EQ(AgeText(Item), C.Age) << C.Year;
    }
    // An empty age leaves nothing on the paper; the others are printed.
    Add({{5, 1, "No year"}, {5, 2, "This year", ThisYear}, {5, 3, "Future", ThisYear + 3}});
    EXPECT_EQ(Texts(Generate(5), Report.QRLAge), QStringList({"0", "-3"}));
}

TEST_F(ListReport, AnniversariesOfOneDayKeepTheirListOrder)
{
    Add({{6, 9, "Second day"}, {6, 5, "Added first"}, {6, 5, "Added second"}, {6, 5, "Added third"}});
    EXPECT_EQ(Texts(Generate(6), Report.QRLEventText),
              QStringList({"Added first", "Added second", "Added third", "Second day"}));
}

TEST_F(ListReport, BandsLieAtTheirPlacesInMillimetres)
{
    Add({{2, 7, "Wedding", 1990}});
    Report.QRLHeader.Text = QStringLiteral("Header");
    const auto Pages = Generate(2);
    const TReportPage& Page = Pages.at(0);
    const auto Only = [&Page](const TReportLabel& Label) {
        const auto Items = ItemsOf(Page, Label);
        EXPECT_EQ(Items.size(), 1u);
        return Items.empty() ? QRectF() : Items.front().Rect;
    };
    // The page header at the top margin, the title band below it.
    EXPECT_DOUBLE_EQ(Only(Report.QRLSystemName).top(), 10);
    EXPECT_DOUBLE_EQ(Only(Report.QRLSystemName).left(), 10);
    EXPECT_DOUBLE_EQ(Only(Report.QRLEventsList).top(), 10.26);
    EXPECT_DOUBLE_EQ(Only(Report.QRLEventsList).right(), 200);
    EXPECT_DOUBLE_EQ(Only(Report.QRLHeader).top(), 10 + 9.26 + 2.12);
    // The month box across the printable width, the month name inside it.
    const double DetailTop = 10 + 9.26 + Report.QuickReport.BandHeight(Report.QRBand1);
    ASSERT_EQ(Frames(Page).size(), 1u);
    EXPECT_EQ(Frames(Page)[0], QRectF(10, DetailTop + 4.5, 190, 6.88));
    EXPECT_EQ(Only(Report.QRLMonthName).topLeft(), QPointF(12.12, DetailTop + 5.56));
    const std::pair<const TReportLabel*, double> Headings[] = {
        {&Report.QRLabel1, 12.12}, {&Report.QRLabel2, 43.87}, {&Report.QRLabel3, 172.98}};
    for (const auto& [Label, Left] : Headings) {
        EXPECT_DOUBLE_EQ(Only(*Label).left(), Left) << Label->Text.toStdString();
        EXPECT_DOUBLE_EQ(Only(*Label).top(), DetailTop + 13.49);
    }
    // The anniversary line: day and age right-aligned, the text in its box.
    const double LineTop = DetailTop + 19.84 + 0.79;
    EXPECT_DOUBLE_EQ(Only(Report.QRLDayOfMonth).right(), 25.35);
    EXPECT_EQ(Only(Report.QRLDayOfMonth).top(), LineTop);
    EXPECT_TRUE(Report.QRLDayOfMonth.Alignment & Qt::AlignRight);
    EXPECT_EQ(Only(Report.QRLEventText), QRectF(41.75, LineTop, 128.59, Only(Report.QRLEventText).height()));
    EXPECT_DOUBLE_EQ(Only(Report.QRLAge).right(), 188.33);
    EXPECT_TRUE(Report.QRLAge.Alignment & Qt::AlignRight);
    // The page footer at the bottom margin.
    EXPECT_DOUBLE_EQ(Only(Report.QRLFooter).top(), 297 - 10 - 16.14 + 2.12);
    EXPECT_DOUBLE_EQ(Only(Report.QRLTimeStamp).top(), 297 - 10 - 16.14 + 11.38);
}

TEST_F(ListReport, HeaderOnTheFirstPageFooterAndTimeStampOnEveryPage)
{
    // 100 lines and three month blocks do not fit on two pages.
    for (int I = 0; I < 100; ++I) Add({{1 + I % 3, uint8_t(1 + I % 28), "Anniversary " + std::to_string(I), 1950 + I}});
    Report.QRLHeader.Text = QStringLiteral("Family anniversaries");
    const auto Pages = Generate(3);
    ASSERT_EQ(Pages.size(), 3u);
    EXPECT_EQ(Texts(Pages, Report.QRLEventText).size(), 100);
    EXPECT_EQ(Texts(Pages, Report.QRLMonthName), QStringList({"January", "February", "March"}));
    for (size_t Index = 0; Index < Pages.size(); ++Index) {
        const TReportPage& Page = Pages[Index];
        EXPECT_EQ(ItemsOf(Page, Report.QRLHeader).size(), Index == 0 ? 1u : 0u) << "page " << Index + 1;
        EXPECT_EQ(ItemsOf(Page, Report.QRLSystemName).size(), 1u) << "page " << Index + 1;
        EXPECT_EQ(ItemsOf(Page, Report.QRLFooter).size(), 1u) << "page " << Index + 1;
        ASSERT_EQ(ItemsOf(Page, Report.QRLTimeStamp).size(), 1u) << "page " << Index + 1;
        EXPECT_EQ(ItemsOf(Page, Report.QRLTimeStamp)[0].Text, "As of: 11/12/2026 at 09:30:00");
        // A band that does not fit above the footer moved to the next page.
        const double FooterTop = 297 - 10 - 16.14;
        for (const TPageItem& Item : Page.Items) {
            if (Item.Label == &Report.QRLFooter || Item.Label == &Report.QRLTimeStamp) continue;
            EXPECT_LE(Item.Rect.bottom(), FooterTop + 1e-9) << Item.Text.toStdString() << " on page " << Index + 1;
            EXPECT_GE(Item.Rect.top(), 10) << Item.Text.toStdString();
        }
    }
}

TEST_F(ListReport, LongHeaderWrapsAndMakesItsBandTaller)
{
    Add({{1, 1, "New year"}});
    Report.QRLHeader.Text = QStringLiteral("Short");
    const double ShortBand = Report.QuickReport.BandHeight(Report.QRBand1);
    EXPECT_GE(ShortBand, 8.47);
    Report.QRLHeader.Text = QString(30, u'x').append(QStringLiteral(" The anniversaries of the whole family, "
                                                                     "from the grandparents to the youngest")).repeated(2);
    Report.QRLHeader.Alignment = Qt::AlignHCenter;
    const auto Pages = Generate(1);
    const auto Lines = ItemsOf(Pages.at(0), Report.QRLHeader);
    ASSERT_GE(Lines.size(), 3u);
    for (size_t I = 1; I < Lines.size(); ++I) {
        // Each line is centred across the printable width.
        EXPECT_DOUBLE_EQ(Lines[I].Rect.left(), 10);
        EXPECT_DOUBLE_EQ(Lines[I].Rect.width(), 190);
        EXPECT_DOUBLE_EQ(Lines[I].Rect.top(), Lines[I - 1].Rect.bottom());
        EXPECT_EQ(Lines[I].Alignment, Qt::AlignHCenter);
        EXPECT_LE(reportmetrics::TextWidth(Lines[I].Font, Lines[I].Text), 190);
    }
    EXPECT_EQ(QStringList({Lines[0].Text, Lines[1].Text}).join(u' ').left(40), Report.QRLHeader.Text.left(40));
    // The month block starts below the last line, as far down as the band grew.
    const double Grown = Report.QuickReport.BandHeight(Report.QRBand1);
    EXPECT_NEAR(Grown - ShortBand, double(Lines.size() - 1) * Lines[0].Rect.height(), 1e-9);
    EXPECT_DOUBLE_EQ(Frames(Pages[0]).at(0).top(), 10 + 9.26 + Grown + 4.5);
}

TEST_F(ListReport, LongFooterWrapsAndPushesTheTimeStampDown)
{
    Report.QRLFooter.Text = QStringLiteral("A footer that runs on and on ").repeated(8);
    const auto Pages = Generate(0);
    const auto Lines = ItemsOf(Pages.at(0), Report.QRLFooter);
    ASSERT_GE(Lines.size(), 2u);
    const TPageItem Stamp = ItemsOf(Pages[0], Report.QRLTimeStamp).at(0);
    EXPECT_GE(Stamp.Rect.top(), Lines.back().Rect.bottom() - 1e-9);
    EXPECT_NEAR(Stamp.Rect.bottom(), 287, 5);  // the grown band still ends at the bottom margin
    EXPECT_LE(Stamp.Rect.bottom(), 287 + 1e-9);
}

TEST_F(ListReport, LongEventTextIsCutToItsBox)
{
    const std::string Long = "A very long anniversary text that goes on well past the end of its column "
                             "on the paper and would run into the age";
    Add({{4, 1, Long, 1970}});
    const auto Items = ItemsOf(Generate(4).at(0), Report.QRLEventText);
    ASSERT_EQ(Items.size(), 1u);
    const QString Printed = Items[0].Text;
    const QString Full = QString::fromStdString(Long);
    ASSERT_LT(Printed.size(), Full.size());
    EXPECT_TRUE(Full.startsWith(Printed));
    EXPECT_LE(reportmetrics::TextWidth(Items[0].Font, Printed), 128.59);
    EXPECT_GT(reportmetrics::TextWidth(Items[0].Font, Full.left(Printed.size() + 1)), 128.59);
}

TEST_F(ListReport, EveryGenerationWalksFromJanuaryWithTheHourglassOnEachPage)
{
    Add({{2, 1, "One"}, {9, 2, "Two"}});
    std::vector<Qt::CursorShape> Seen;
    Report.QuickReport.SubDetailNeedData = [this, &Seen](bool& MoreData) {
        const QCursor* Cursor = QApplication::overrideCursor();
        Seen.push_back(Cursor ? Cursor->shape() : Qt::ArrowCursor);
        Report.QRSubDetailNeedData(MoreData);
    };
    const auto First = Generate(9);
    // A second generation, as the preview's print command starts, leaves
    // CurrentMonth where the first ended and must start over.
    const auto Again = Report.QuickReport.Generate();
    EXPECT_EQ(Texts(Again, Report.QRLMonthName), QStringList({"February", "September"}));
    EXPECT_EQ(Texts(Again, Report.QRLEventText), Texts(First, Report.QRLEventText));
    EXPECT_EQ(Seen, std::vector<Qt::CursorShape>(Seen.size(), Qt::WaitCursor));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ListReport, NoMonthIsWalkedWhenTheLastMonthIsNone)
{
    // An empty book gives LastMonth 0: a page with its header and footer only.
    const auto Pages = Generate(0);
    ASSERT_EQ(Pages.size(), 1u);
    EXPECT_TRUE(Texts(Pages, Report.QRLMonthName).isEmpty());
    EXPECT_EQ(Texts(Pages, Report.QRLFooter), QStringList({"Footer"}));
}

TEST_F(ListReport, AMonthBoxNeverEndsAPageWithoutItsFirstLine)
{
    // January's length moves February's box over every place near the foot
    // of the first page.
    Add({{2, 1, "February's first"}, {2, 2, "February's second"}});
    for (int Lines = 1; Lines < 45; ++Lines) {
        Add({{1, 1, "January"}});
        const auto Pages = Generate(2);
        for (size_t Index = 0; Index < Pages.size(); ++Index) {
            const auto Boxes = ItemsOf(Pages[Index], Report.QRLMonthName);
            const auto Days = ItemsOf(Pages[Index], Report.QRLDayOfMonth);
            if (Boxes.empty()) continue;
            ASSERT_FALSE(Days.empty()) << Lines << " lines, page " << Index + 1;
            EXPECT_GT(Days.back().Rect.top(), Boxes.back().Rect.top()) << Lines << " lines, page " << Index + 1;
        }
    }
}
