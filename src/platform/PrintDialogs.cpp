// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintDialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace printdialogs {

namespace {
TPrintDialogRecorder* Recorder = nullptr;
}

TPrintDialogRecorder::TPrintDialogRecorder()
{
    Recorder = this;
}

TPrintDialogRecorder::~TPrintDialogRecorder()
{
    Recorder = nullptr;
}

QFont WithinLimits(QFont Font)
{
    if (Font.pointSizeF() > MaxPointSize) Font.setPointSize(MaxPointSize);
    Font.setUnderline(false);
    Font.setStrikeOut(false);
    Font.setOverline(false);
    return Font;
}

std::optional<QFont> ChooseFont(const QFont& Initial, QWidget* Parent)
{
    if (Recorder) {
        Recorder->FontsShown_.push_back(Initial);
        std::optional<QFont> Answer;
        if (!Recorder->Fonts_.empty()) {
            Answer = std::move(Recorder->Fonts_.front());
            Recorder->Fonts_.pop_front();
        }
        if (Answer) return WithinLimits(*Answer);
        return std::nullopt;
    }
    // A family the system only substitutes ("Arial" where just a look-alike
    // is installed) is shown as the family that prints.
    QFont Shown = Initial;
    Shown.setFamily(QFontInfo(Initial).family());
    QFontDialog Dialog(Parent);
    Dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    Dialog.setCurrentFont(Shown);
    // No effects to choose: the report prints in black without decorations.
    for (QGroupBox* Group : Dialog.findChildren<QGroupBox*>())
        if (Group->title().remove(u'&') == QFontDialog::tr("Effects")) Group->hide();
    // Sizes offered and typed stop at the largest allowed.
    for (QLineEdit* Box : Dialog.findChildren<QLineEdit*>())
        if (auto* Sizes = qobject_cast<QIntValidator*>(const_cast<QValidator*>(Box->validator())))
            Sizes->setTop(MaxPointSize);
    for (QListView* List : Dialog.findChildren<QListView*>()) {
        auto* Model = qobject_cast<QStringListModel*>(List->model());
        if (!Model) continue;
        const auto DropLargeSizes = [Model] {
            QStringList Sizes = Model->stringList();
            bool Number = false;
            if (Sizes.isEmpty() || (Sizes.front().toInt(&Number), !Number)) return;
            const auto Large = [](const QString& Size) { return Size.toInt() > MaxPointSize; };
            if (std::any_of(Sizes.begin(), Sizes.end(), Large)) {
                Sizes.erase(std::remove_if(Sizes.begin(), Sizes.end(), Large), Sizes.end());
                Model->setStringList(Sizes);
            }
        };
        QObject::connect(Model, &QAbstractItemModel::modelReset, List, DropLargeSizes);
        DropLargeSizes();
    }
    if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
    return WithinLimits(Dialog.selectedFont());
}

bool SetUpPrinter(QPrinter& Printer, QWidget* Parent)
{
    if (Recorder) {
        ++Recorder->PrinterSetups_;
        return false;
    }
    QPrintDialog Dialog(&Printer, Parent);
    Dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    Dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It chooses the printer; it prints nothing.
    for (QDialogButtonBox* Buttons : Dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* Ok = Buttons->button(QDialogButtonBox::Ok)) Ok->setText(QStringLiteral("OK"));
    return Dialog.exec() == QDialog::Accepted;
}

std::optional<QString> ChoosePdfFileName(QWidget* Parent)
{
    if (Recorder) {
        std::optional<QString> Answer;
        if (!Recorder->PdfNames_.empty()) {
            Answer = std::move(Recorder->PdfNames_.front());
            Recorder->PdfNames_.pop_front();
        }
        return Answer;
    }
    QString Name = QFileDialog::getSaveFileName(Parent, QStringLiteral("Save as PDF"), QString(),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (Name.isEmpty()) return std::nullopt;
    if (!Name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) Name += QStringLiteral(".pdf");
    return Name;
}

}  // namespace printdialogs
