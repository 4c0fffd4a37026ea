// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small banded report engine. A report is a page header, a title printed
// once, a detail band per master record, a sub-detail band per record of that
// master, and a page footer. Generating asks for the records through the
// data-request callbacks and lays the bands out into pages of positioned
// items, in millimetres from the paper's top-left corner; painting puts those
// pages on any paint device (a printer, the preview, a PDF file).

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

// A text in a band. Its position is in millimetres from the band's top-left
// corner; its height is one line of its font, or more for a wrapped text.
struct TReportLabel {
    enum TFit {
        AutoSize,  // one line, as long as the text is
        Clip,      // one line, cut to the label's width
        WordWrap,  // wrapped to the label's width; a taller text makes the band taller
    };
    QString Text;
    QFont Font;
    double Left = 0;
    double Top = 0;
    double Width = 0;  // the text starts at Left, is centred in or ends at Left + Width
    Qt::Alignment Alignment = Qt::AlignLeft;
    TFit Fit = AutoSize;
};

struct TReportBand {
    double Height = 0;                   // millimetres, before any wrapped label stretches it
    std::vector<TReportLabel*> Labels;   // printed with the texts they hold when the band is placed
    std::vector<QRectF> Frames;          // boxes framed on all four sides
};

// What one page holds once laid out.
struct TPageItem {
    enum TKind { TextItem, FrameItem };
    TKind Kind = TextItem;
    QRectF Rect;  // millimetres from the paper's top-left corner
    QString Text;
    QFont Font;
    Qt::Alignment Alignment = Qt::AlignLeft;
    const TReportLabel* Label = nullptr;  // the label a text came from
};

struct TReportPage {
    std::vector<TPageItem> Items;
};

class TBandedReport {
public:
    QString ReportTitle;      // the preview's caption and the print job's name
    QSizeF PaperSize{210, 297};  // A4, portrait
    double Margin = 10;

    TReportBand* PageHeader = nullptr;
    TReportBand* Title = nullptr;
    TReportBand* Detail = nullptr;
    TReportBand* SubDetail = nullptr;
    TReportBand* PageFooter = nullptr;

    // Called when a generation starts, before the first data request.
    std::function<void()> BeforePrint;
    // Asked before each detail band, until it answers no more data.
    std::function<void(bool& MoreData)> OnNeedData;
    // Asked after each detail band, again and again, until it answers no.
    std::function<void(bool& MoreData)> SubDetailNeedData;
    std::function<void()> OnStartPage;
    std::function<void()> OnEndPage;

    double PrintableWidth() const { return PaperSize.width() - 2 * Margin; }
    // The height a band takes with the texts its labels hold now.
    double BandHeight(const TReportBand& Band) const;
    // Walks the data once and lays the report out.
    std::vector<TReportPage> Generate() const;

    // Paints laid-out pages on a device whose first page is current; false
    // when the device cannot be painted on. AfterPage hears of each page done.
    static bool Paint(const std::vector<TReportPage>& Pages, QPagedPaintDevice& Device,
                      const std::function<void(size_t Painted)>& AfterPage = {});
    static void PaintPage(const TReportPage& Page, QPainter& Painter, double PixelsPerMm);

    // Generates the report and writes it as a PDF file; false when the file
    // cannot be written.
    bool SaveAsPdf(const QString& FileName) const;
    // Generates the report and prints it on Printer, with a progress window
    // over Parent. False when the printer could not be started.
    bool Print(QPrinter& Printer, QWidget* Parent) const;
    // Shows the maximised preview window over Parent until the user closes
    // it. Its print command generates the report again for the printer.
    void Preview(QPrinter& Printer, QWidget* Parent) const;

    // Makes Printer take the report's paper with the pages' own coordinates.
    void PreparePrinter(QPrinter& Printer) const;
};

// Text measuring at a fixed high resolution, so that the layout does not
// depend on the device it is painted on.
namespace reportmetrics {
double LineHeight(const QFont& Font);
double TextWidth(const QFont& Font, const QString& Text);
// The lines Text wraps into at Width; one empty line for an empty text.
QStringList WrapLines(const QFont& Font, const QString& Text, double Width);
// The longest start of Text that fits into Width.
QString CutToWidth(const QFont& Font, const QString& Text, double Width);
}  // namespace reportmetrics
