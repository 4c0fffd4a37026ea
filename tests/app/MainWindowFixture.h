// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with its dialogs, started in a private temporary folder
// that is also the current folder, with the settings file beside a pretend
// executable there.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <climits>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "app/Main.h"
#include "data/Evntlist.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Find.h"
#include "platform/MaskEdit.h"
#include "platform/Prompts.h"
#include "platform/RadioGroup.h"
#include "platform/SpinEdit.h"

inline void WriteBook(const std::string& FileName, const std::vector<TAnniversary>& Anniversaries)
{
    TEventsList Book;
    AddAnniversaries(Book, Anniversaries);
    Book.FileName = FileName;
    Book.SaveToFile();
}

inline std::string RealPath(const std::string& Path)
{
    char Real[PATH_MAX];
    return realpath(Path.c_str(), Real) ? Real : "";
}

class MainWindow : public testing::Test {
protected:
    MainWindow()
    {
        // Command-line names are relative to the current folder.
        EXPECT_NE(getcwd(Previous, sizeof Previous), nullptr);
        EXPECT_EQ(chdir(Dir.Path().c_str()), 0);
    }
    ~MainWindow() override
    {
        Stop();
        EXPECT_EQ(chdir(Previous), 0);
    }

    std::string Settings() const { return Dir / "datevane.INI"; }

    void Start(std::vector<std::string> Arguments = {})
    {
        Stop();
        Main = std::make_unique<TfrmMain>(TProgramContext{Dir / "datevane", std::move(Arguments)});
        FindDialog = std::make_unique<TfrmFind>(Main.get());
        Main->SetFindDialog(FindDialog.get());
        Dialog = std::make_unique<TfrmAEEvent>(Main.get());
        Main->SetDetailsDialog(Dialog.get());
    }
    void Stop()
    {
        Dialog.reset();
        FindDialog.reset();
        Main.reset();
    }

    // Answers the next details dialog with these values.
    void Answer(int Day, const QString& Text, const QString& Year, bool Ok = true)
    {
        WhenModal([=, this](QWidget*) {
            Dialog->spedDayNumber->SetValue(Day);
            Dialog->edtEventText->setText(Text);
            Dialog->mskEdYear->SetText(Year);
            (Ok ? Dialog->btnOK : Dialog->btnCancel)->click();
        });
    }

    QListWidget* List() const { return Child<QListWidget>(Main.get(), "lstEvents"); }
    TRadioGroup* Months() const { return Child<TRadioGroup>(Main.get(), "rgpMonth"); }
    QStringList Lines() const
    {
        QStringList Texts;
        for (int Row = 0; Row < List()->count(); ++Row) Texts << List()->item(Row)->text();
        return Texts;
    }
    int Selected() const
    {
        const auto Items = List()->selectedItems();
        return Items.isEmpty() ? -1 : List()->row(Items.front());
    }
    bool Enabled(const char* Name) const
    {
        if (auto* Button = Main->findChild<QPushButton*>(QLatin1String(Name))) return Button->isEnabled();
        return Child<QAction>(Main.get(), Name)->isEnabled();
    }
    void ShowMonth(int Month) { Months()->SetItemIndex(Month - 1); }

    TTempDir Dir;
    prompts::TPromptRecorder Recorder;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmFind> FindDialog;
    std::unique_ptr<TfrmAEEvent> Dialog;
    char Previous[PATH_MAX];
};

