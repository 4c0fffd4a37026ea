// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report of the whole anniversary book: month by month, each month in its
// list order, every anniversary with its day and its age in years. The print
// dialog fills its labels and month range; generating walks the months with
// QuickReportNeedData and each month's anniversaries with QRSubDetailNeedData.

#include <QString>
#include <cstdint>

#include "printing/BandedReport.h"

class TEventItem;
class TListNode;

// The age column: empty without a first year, otherwise ThisYear minus the
// first year, negative for a first year still to come.
QString AgeText(const TEventItem& Item);

class TListReport {
public:
    TListReport();
    TListReport(const TListReport&) = delete;
    TListReport& operator=(const TListReport&) = delete;

    TListNode* CurrentItem = nullptr;  // the walk's place in the month; nullptr before its first anniversary
    uint16_t CurrentMonth = 0;         // the month being printed; 0 before a generation starts
    uint16_t LastMonth = 0;            // the last month to print

    TBandedReport QuickReport;

    TReportBand PageHeaderBand1;
    TReportLabel QRLSystemName;
    TReportLabel QRLEventsList;

    TReportBand QRBand1;
    TReportLabel QRLHeader;

    TReportBand DetailBand1;
    TReportLabel QRLMonthName;
    TReportLabel QRLabel1;
    TReportLabel QRLabel2;
    TReportLabel QRLabel3;

    TReportBand QRSubDetail;
    TReportLabel QRLDayOfMonth;
    TReportLabel QRLEventText;
    TReportLabel QRLAge;

    TReportBand PageFooterBand1;
    TReportLabel QRLFooter;
    TReportLabel QRLTimeStamp;

    void QuickReportNeedData(bool& MoreData);
    void QRSubDetailNeedData(bool& MoreData);
    void QuickReportStartPage();
    void QuickReportEndPage();

private:
    void CreateBands();
};
