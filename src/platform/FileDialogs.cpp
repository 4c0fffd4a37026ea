// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "data/Globals.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"

namespace filedialogs {

namespace {

TFileDialogRecorder* Recorder = nullptr;

// Qt's own dialog, so that our checks run before it closes: a platform
// dialog would close first and could only be shown again.
class TCheckedDialog : public QFileDialog {
public:
    TCheckedDialog(const TFileDialog& Checker, QWidget* Parent) : QFileDialog(Parent), Checker_(Checker)
    {
        const TOptions& Options = Checker.Options();
        setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        setAcceptMode(Options.Kind == TKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(Options.Kind == TKind::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!Options.Title.isEmpty()) setWindowTitle(Options.Title);
        setNameFilters(Options.Filters);
        resize(sizeHint().expandedTo(QSize(720, 460)));  // room for the size and date columns
    }

    std::string Chosen;

    void accept() override
    {
        const QStringList Files = selectedFiles();
        // A folder typed or picked is opened, as the dialog does by itself.
        if (Files.isEmpty() || QFileInfo(Files.front()).isDir()) return QFileDialog::accept();
        const std::string Name = Checker_.Resolve(QStringToPath(Files.front()));
        if (!Checker_.Accepts(Name)) return;
        Chosen = Name;
        QDialog::accept();
    }

private:
    const TFileDialog& Checker_;
};

void Tell(const TOptions& Options, const QString& Text)
{
    prompts::Show({Options.Title.isEmpty() ? QStringLiteral("Open") : Options.Title, Text, prompts::TIcon::Warning,
                   {prompts::TButton::Ok}, prompts::TButton::Ok, prompts::TButton::Ok});
}

bool AskToReplace(const TOptions& Options, const QString& Name)
{
    const prompts::TMessage Question{Options.Title, Name + QStringLiteral(" already exists.\nDo you want to replace it?"),
                                     prompts::TIcon::Question, {prompts::TButton::Yes, prompts::TButton::No},
                                     prompts::TButton::No, prompts::TButton::No};
    return prompts::Show(Question) == prompts::TButton::Yes;
}

}  // namespace

std::string WithDefaultExt(const std::string& Name, const QString& DefaultExt)
{
    if (DefaultExt.isEmpty() || !ExtractFileExt(Name).empty()) return Name;
    return Name + "." + QStringToPath(DefaultExt);
}

TFileDialog::TFileDialog(QWidget* Owner, TOptions Options) : Owner_(Owner), Options_(std::move(Options)) {}

std::string TFileDialog::Resolve(const std::string& Typed) const
{
    const std::string Name = WithDefaultExt(Typed, Options_.DefaultExt);
    if (platform::FileExists(Name)) return Name;
    const std::string Found = platform::FindFileIgnoringCase(Name);
    return Found.empty() ? Name : Found;
}

bool TFileDialog::Accepts(const std::string& Name) const
{
    const QString Shown = PathToQString(Name);
    const QFileInfo Folder(QFileInfo(Shown).absolutePath());
    if (!Folder.isDir()) {
        Tell(Options_, Shown + QStringLiteral("\nThe folder does not exist.\nCheck the folder name and try again."));
        return false;
    }
    if (Options_.Kind == TKind::Open) {
        if (platform::FileExists(Name)) return true;
        Tell(Options_, Shown + QStringLiteral("\nFile not found.\nCheck the file name and try again."));
        return false;
    }
    if (platform::IsReadOnlyFile(Name)) {
        Tell(Options_, Shown + QStringLiteral("\nThis file is read-only.\nTry again with a different file name."));
        return false;
    }
    // Saving puts a new file beside the old one and renames it, so the folder
    // itself must take writes, even to replace a file that could be written.
    if (!Folder.isWritable()) {
        Tell(Options_, Shown + QStringLiteral("\nYou cannot save in this folder.\nChoose another folder."));
        return false;
    }
    if (QFileInfo(Shown).isDir()) {
        Tell(Options_, Shown + QStringLiteral("\nThis is a folder.\nTry again with a file name."));
        return false;
    }
    return !platform::FileExists(Name) || AskToReplace(Options_, Shown);
}

bool TFileDialog::Execute()
{
    const std::string Folder = FileName.empty() ? InitialDir : ExtractFilePath(FileName);
    const std::string Proposed = ExtractFileName(FileName);
    if (Recorder) {
        Recorder->Shown_.push_back({Options_.Title, Options_.Filters, Folder, Proposed});
        while (!Recorder->Answers_.empty()) {
            const std::optional<std::string> Typed = Recorder->Answers_.front();
            Recorder->Answers_.pop_front();
            if (!Typed) return false;
            const QString Absolute = QFileInfo(PathToQString(Folder), PathToQString(*Typed)).absoluteFilePath();
            const std::string Name = Resolve(QStringToPath(Absolute));
            if (!Accepts(Name)) continue;
            FileName = Name;
            return true;
        }
        return false;
    }

    TCheckedDialog Dialog(*this, Owner_);
    Dialog.setDirectory(PathToQString(Folder));
    if (!Proposed.empty()) Dialog.selectFile(PathToQString(Proposed));
    if (Dialog.exec() != QDialog::Accepted) return false;
    FileName = Dialog.Chosen;
    return true;
}

TFileDialogRecorder::TFileDialogRecorder()
{
    Recorder = this;
}

TFileDialogRecorder::~TFileDialogRecorder()
{
    Recorder = nullptr;
}

}  // namespace filedialogs
