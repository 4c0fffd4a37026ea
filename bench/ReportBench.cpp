// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out the anniversary report, and laying it out and writing it as a
// PDF file, for books of 300 and 10,000 anniversaries.
//   build/bench/datevane_report_bench

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "data/Evntlist.h"
#include "printing/Listrpt.h"

namespace {

// Count anniversaries over the twelve months, with texts of every length up
// to one that does not fit its column.
void FillBook(TEventsList& Book, int Count)
{
    for (int I = 0; I < Count; ++I) {
        auto* Item = new TEventItem;
        Item->DayNumber = static_cast<uint8_t>(1 + I * 7 % 28);
        Item->EventText = "Anniversary number " + std::to_string(I) + " of the family book"
                          + std::string(static_cast<size_t>(I % 7 * 12), 'x');
        Item->OrigYear = I % 3 ? 1900 + I % 120 : -1;
        Book.Months[1 + I % 12]->Add(Item);
    }
}

struct TReportFixture {
    explicit TReportFixture(int Count)
    {
        FillBook(Book, Count);
        EventsList = &Book;
        Report.QRLSystemName.Text = QStringLiteral("Datevane Anniversary Reminder");
        Report.QRLEventsList.Text = QStringLiteral("BENCH.EVT");
        Report.QRLHeader.Text = QStringLiteral("Family anniversaries");
        Report.QRLFooter.Text = QStringLiteral("Printed for the whole family");
        Report.QRLTimeStamp.Text = QStringLiteral("As of: 11/12/2026 at 12:00:00");
        Report.LastMonth = 12;
    }
    ~TReportFixture() { EventsList = nullptr; }

    TEventsList Book;
    TListReport Report;
};

void BM_Layout(benchmark::State& State)
{
    TReportFixture Fixture(static_cast<int>(State.range(0)));
    size_t Pages = 0;
    for (auto _ : State) Pages = Fixture.Report.QuickReport.Generate().size();
    State.counters["Pages"] = static_cast<double>(Pages);
}

void BM_LayoutAndPdf(benchmark::State& State)
{
    TReportFixture Fixture(static_cast<int>(State.range(0)));
    const QTemporaryDir Dir;
    const QString FileName = Dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : State)
        if (!Fixture.Report.QuickReport.SaveAsPdf(FileName)) State.SkipWithError("the PDF file was not written");
    State.counters["PdfMB"] = static_cast<double>(QFileInfo(FileName).size()) / 1e6;
}

}  // namespace

BENCHMARK(BM_Layout)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndPdf)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Application(argc, argv);  // fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
