// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/BandedReport.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QTextLayout>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <deque>

#include "platform/PrintDialogs.h"
#include "platform/Prompts.h"

namespace {

constexpr double MmPerInch = 25.4;
constexpr int MeasureDpi = 1200;

// The device every text is measured on.
const QPaintDevice* MeasureDevice()
{
    static const QImage Device = [] {
        QImage Image(1, 1, QImage::Format_Mono);
        const int DotsPerMetre = static_cast<int>(MeasureDpi * 1000 / MmPerInch);
        Image.setDotsPerMeterX(DotsPerMetre);
        Image.setDotsPerMeterY(DotsPerMetre);
        return Image;
    }();
    return &Device;
}

double ToMm(qreal Pixels)
{
    return Pixels * MmPerInch / MeasureDpi;
}

qreal ToPixels(double Mm)
{
    return Mm * MeasureDpi / MmPerInch;
}

// A font's metrics on the measuring device, with the advances of the
// characters below 256 kept as they are asked for.
struct TMeasuredFont {
    TMeasuredFont(const QFont& Font) : Font(Font), Metrics(Font, MeasureDevice()) { Advances.fill(-1); }
    qreal Advance(QChar Ch)
    {
        if (Ch.unicode() >= Advances.size()) return Metrics.horizontalAdvance(Ch);
        qreal& Known = Advances[Ch.unicode()];
        if (Known < 0) Known = Metrics.horizontalAdvance(Ch);
        return Known;
    }

    QFont Font;
    QFontMetricsF Metrics;
    std::array<qreal, 256> Advances;
};

// A report uses a handful of fonts, and making metrics is far dearer than
// looking them up.
TMeasuredFont& Measured(const QFont& Font)
{
    static std::deque<TMeasuredFont> Known;
    for (TMeasuredFont& Found : Known)
        if (Found.Font == Font) return Found;
    if (Known.size() > 64) Known.clear();
    return Known.emplace_back(Font);
}

// A label laid out within its band: its lines and where they start.
struct TPlacedLabel {
    const TReportLabel* Label;
    double Top;
    double LineHeight;
    QStringList Lines;
};

struct TBandLayout {
    double Height = 0;
    std::vector<TPlacedLabel> Labels;
};

// The labels of Band with their lines; labels below a wrapped label move down
// by as much as its extra lines take, and so does the band's bottom.
TBandLayout LayOutBand(const TReportBand& Band)
{
    TBandLayout Layout;
    Layout.Height = Band.Height;
    struct TGrowth {
        double Below;  // labels starting here or lower move down
        double By;
    };
    std::vector<TGrowth> Growths;
    for (const TReportLabel* Label : Band.Labels) {
        const double Line = reportmetrics::LineHeight(Label->Font);
        QStringList Lines;
        if (Label->Fit == TReportLabel::WordWrap)
            Lines = reportmetrics::WrapLines(Label->Font, Label->Text, Label->Width);
        else if (Label->Fit == TReportLabel::Clip)
            Lines = {reportmetrics::CutToWidth(Label->Font, Label->Text, Label->Width)};
        else
            Lines = {Label->Text};
        if (Lines.size() > 1) Growths.push_back({Label->Top + Line, double(Lines.size() - 1) * Line});
        Layout.Labels.push_back({Label, Label->Top, Line, std::move(Lines)});
    }
    for (const TGrowth& Growth : Growths) {
        Layout.Height += Growth.By;
        for (TPlacedLabel& Label : Layout.Labels)
            if (Label.Label->Top >= Growth.Below - 1e-9) Label.Top += Growth.By;
    }
    // A font taller than the band's design makes room for its lines too.
    for (const TPlacedLabel& Label : Layout.Labels)
        Layout.Height = std::max(Layout.Height, Label.Top + double(Label.Lines.size()) * Label.LineHeight);
    return Layout;
}

void PlaceBand(const TReportBand& Band, const TBandLayout& Layout, double Left, double Top, TReportPage& Page)
{
    for (const QRectF& Frame : Band.Frames) {
        TPageItem Item;
        Item.Kind = TPageItem::FrameItem;
        Item.Rect = Frame.translated(Left, Top);
        Page.Items.push_back(std::move(Item));
    }
    for (const TPlacedLabel& Label : Layout.Labels) {
        double LineTop = Top + Label.Top;
        for (const QString& Line : Label.Lines) {
            if (!Line.isEmpty()) {
                TPageItem Item;
                Item.Rect = QRectF(Left + Label.Label->Left, LineTop, Label.Label->Width, Label.LineHeight);
                Item.Text = Line;
                Item.Font = Label.Label->Font;
                Item.Alignment = Label.Label->Alignment;
                Item.Label = Label.Label;
                Page.Items.push_back(std::move(Item));
            }
            LineTop += Label.LineHeight;
        }
    }
}

}  // namespace

namespace reportmetrics {

double LineHeight(const QFont& Font)
{
    return ToMm(Measured(Font).Metrics.lineSpacing());
}

double TextWidth(const QFont& Font, const QString& Text)
{
    return ToMm(Measured(Font).Metrics.horizontalAdvance(Text));
}

QStringList WrapLines(const QFont& Font, const QString& Text, double Width)
{
    if (Text.isEmpty()) return {QString()};
    QTextLayout Layout(Text, Font, MeasureDevice());
    QTextOption Option;
    Option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Layout.setTextOption(Option);
    QStringList Lines;
    Layout.beginLayout();
    for (QTextLine Line = Layout.createLine(); Line.isValid(); Line = Layout.createLine()) {
        Line.setLineWidth(ToPixels(Width));
        Lines << Text.mid(Line.textStart(), Line.textLength());
    }
    Layout.endLayout();
    // The blanks at a break belong to neither line on paper.
    for (QString& Line : Lines)
        while (Line.endsWith(u' ') && Line.size() > 1) Line.chop(1);
    return Lines;
}

QString CutToWidth(const QFont& Font, const QString& Text, double Width)
{
    TMeasuredFont& Measure = Measured(Font);
    const qreal Room = ToPixels(Width);
    // Adding up the characters' own advances is cheap and all but exact; the
    // text as shaped, kerning and all, settles the lengths close to the edge.
    qreal Sum = 0;
    qsizetype Fits = 0;
    while (Fits < Text.size() && Sum + Measure.Advance(Text[Fits]) <= Room * 0.98) Sum += Measure.Advance(Text[Fits++]);
    if (Fits == Text.size()) return Text;
    while (Fits < Text.size() && Measure.Metrics.horizontalAdvance(Text.left(Fits + 1)) <= Room) ++Fits;
    return Text.left(Fits);
}

}  // namespace reportmetrics

double TBandedReport::BandHeight(const TReportBand& Band) const
{
    return LayOutBand(Band).Height;
}

std::vector<TReportPage> TBandedReport::Generate() const
{
    if (BeforePrint) BeforePrint();
    std::vector<TReportPage> Pages;
    const double Bottom = PaperSize.height() - Margin;
    double Top = Margin;
    double BodyTop = Margin;  // below the page header
    TBandLayout Footer;       // laid out afresh on every page, with the texts of its time

    const auto StartPage = [&] {
        if (OnStartPage) OnStartPage();
        Pages.emplace_back();
        Top = Margin;
        if (PageHeader) {
            const TBandLayout Header = LayOutBand(*PageHeader);
            PlaceBand(*PageHeader, Header, Margin, Top, Pages.back());
            Top += Header.Height;
        }
        if (PageFooter) Footer = LayOutBand(*PageFooter);
        BodyTop = Top;
    };
    const auto EndPage = [&] {
        if (PageFooter) PlaceBand(*PageFooter, Footer, Margin, Bottom - Footer.Height, Pages.back());
        if (OnEndPage) OnEndPage();
    };
    // Kept is room needed below the band for what must follow it on the same page.
    const auto Place = [&](const TReportBand& Band, double Kept) {
        const TBandLayout Layout = LayOutBand(Band);
        // A band taller than a whole page goes on a page of its own rather
        // than on endless empty ones.
        if (Top + Layout.Height + Kept > Bottom - Footer.Height + 1e-9 && Top > BodyTop) {
            EndPage();
            StartPage();
        }
        PlaceBand(Band, Layout, Margin, Top, Pages.back());
        Top += Layout.Height;
    };

    StartPage();
    if (Title) Place(*Title, 0);
    for (;;) {
        bool MoreData = false;
        if (OnNeedData) OnNeedData(MoreData);
        if (!MoreData) break;
        // A detail band never ends a page without its first sub-detail line.
        if (Detail) Place(*Detail, SubDetail ? BandHeight(*SubDetail) : 0);
        if (!SubDetail || !SubDetailNeedData) continue;
        for (;;) {
            bool MoreDetail = false;
            SubDetailNeedData(MoreDetail);
            if (!MoreDetail) break;
            Place(*SubDetail, 0);
        }
    }
    EndPage();
    return Pages;
}

void TBandedReport::PaintPage(const TReportPage& Page, QPainter& Painter, double PixelsPerMm)
{
    const auto Pixels = [PixelsPerMm](const QRectF& Mm) {
        return QRectF(Mm.left() * PixelsPerMm, Mm.top() * PixelsPerMm, Mm.width() * PixelsPerMm,
                      Mm.height() * PixelsPerMm);
    };
    Painter.save();
    Painter.setBrush(Qt::NoBrush);
    for (const TPageItem& Item : Page.Items) {
        if (Item.Kind == TPageItem::FrameItem) {
            QPen Pen(Qt::black);
            Pen.setWidthF(0.2 * PixelsPerMm);
            Pen.setJoinStyle(Qt::MiterJoin);
            Painter.setPen(Pen);
            Painter.drawRect(Pixels(Item.Rect));
        } else {
            Painter.setPen(Qt::black);
            Painter.setFont(Item.Font);
            // The layout measured the text; nothing is wrapped or moved here.
            // A cut text stays inside its box on a device whose hinting
            // makes it a little wider than measured.
            const bool Clip = Item.Label && Item.Label->Fit == TReportLabel::Clip;
            Painter.drawText(Pixels(Item.Rect),
                             int(Item.Alignment | Qt::AlignTop | Qt::TextSingleLine | (Clip ? 0 : Qt::TextDontClip)),
                             Item.Text);
        }
    }
    Painter.restore();
}

bool TBandedReport::Paint(const std::vector<TReportPage>& Pages, QPagedPaintDevice& Device,
                          const std::function<void(size_t Painted)>& AfterPage)
{
    QPainter Painter;
    if (!Painter.begin(&Device)) return false;
    const double PixelsPerMm = Device.logicalDpiX() / MmPerInch;
    for (size_t Index = 0; Index < Pages.size(); ++Index) {
        if (Index > 0) Device.newPage();
        PaintPage(Pages[Index], Painter, PixelsPerMm);
        if (AfterPage) AfterPage(Index + 1);
    }
    return Painter.end();
}

bool TBandedReport::SaveAsPdf(const QString& FileName) const
{
    QPdfWriter Writer(FileName);
    if (!Writer.setPageSize(QPageSize(PaperSize, QPageSize::Millimeter))) return false;
    Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    Writer.setTitle(ReportTitle);
    Writer.setCreator(QApplication::applicationName());
    return Paint(Generate(), Writer);
}

void TBandedReport::PreparePrinter(QPrinter& Printer) const
{
    Printer.setDocName(ReportTitle);
    Printer.setPageSize(QPageSize(PaperSize, QPageSize::Millimeter));
    Printer.setPageOrientation(QPageLayout::Portrait);
    Printer.setFullPage(true);  // the pages' coordinates start at the paper's corner
    Printer.setCopyCount(1);
    Printer.setPrintRange(QPrinter::AllPages);
    Printer.setDuplex(QPrinter::DuplexNone);
    Printer.setPaperSource(QPrinter::Auto);
}

bool TBandedReport::Print(QPrinter& Printer, QWidget* Parent) const
{
    PreparePrinter(Printer);
    const std::vector<TReportPage> Pages = Generate();
    QProgressDialog Progress(QStringLiteral("Printing ") + ReportTitle, QString(), 0, int(Pages.size()), Parent);
    Progress.setObjectName(QStringLiteral("PrintProgress"));
    Progress.setWindowTitle(QStringLiteral("Printing"));
    Progress.setWindowModality(Qt::ApplicationModal);
    Progress.setMinimumDuration(0);
    Progress.setValue(0);
    return Paint(Pages, Printer, [&](size_t Painted) {
        Progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(Painted).arg(Pages.size()));
        Progress.setValue(int(Painted));
    });
}

void TBandedReport::Preview(QPrinter& Printer, QWidget* Parent) const
{
    PreparePrinter(Printer);
    QPrintPreviewDialog Dialog(&Printer, Parent);
    Dialog.setObjectName(QStringLiteral("ReportPreview"));
    Dialog.setWindowTitle(ReportTitle);
    // Every request, the first showing as well as a print from the preview,
    // generates the report afresh from its first record.
    QObject::connect(&Dialog, &QPrintPreviewDialog::paintRequested, &Dialog, [this](QPrinter* Target) {
        Target->setFullPage(true);
        Paint(Generate(), *Target);
    });
    if (QToolBar* Tools = Dialog.findChild<QToolBar*>()) {
        Tools->addSeparator();
        QAction* SavePdf = Tools->addAction(QStringLiteral("Save as PDF..."));
        SavePdf->setObjectName(QStringLiteral("actSaveAsPdf"));
        QObject::connect(SavePdf, &QAction::triggered, &Dialog, [this, &Dialog] {
            const std::optional<QString> FileName = printdialogs::ChoosePdfFileName(&Dialog);
            if (FileName && !SaveAsPdf(*FileName))
                prompts::Show(prompts::TBeep::Asterisk,
                              prompts::ErrorMessage(QStringLiteral("Unable to write to ") + *FileName));
        });
    }
    // The whole screen as well, where no window manager maximises it.
    if (const QScreen* Screen = Parent ? Parent->screen() : QGuiApplication::primaryScreen())
        Dialog.setGeometry(Screen->availableGeometry());
    Dialog.setWindowState(Dialog.windowState() | Qt::WindowMaximized);
    Dialog.exec();
}
