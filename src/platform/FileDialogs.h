// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save dialogs. Each keeps its folder and the name last chosen,
// so the next use proposes it. A chosen name is checked by our own rules
// before the dialog closes, so every platform dialog and the test stand-in
// refuse the same names. While a TFileDialogRecorder lives, no dialog is shown:
// names are taken from its queue, as if the user had typed them.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace filedialogs {

enum class TKind { Open, Save };

struct TOptions {
    TKind Kind;
    QString Title;        // empty for the platform's own
    QStringList Filters;  // "Description (*.EXT)", the first one selected
    QString DefaultExt;   // appended, after a full stop, to a name typed without extension
};

// Name with DefaultExt appended when its last part has no extension.
std::string WithDefaultExt(const std::string& Name, const QString& DefaultExt);

class TFileDialog {
public:
    TFileDialog(QWidget* Owner, TOptions Options);

    const TOptions& Options() const { return Options_; }
    std::string InitialDir;  // where the first use starts
    std::string FileName;    // the name last chosen, full path

    // Asks for a name; true, with FileName set, when the user chose one.
    bool Execute();
    // The file a typed full path stands for: with the default extension when
    // it has none, and the existing file it names regardless of the case of
    // A to Z (an exact match preferred), as the file names of the Windows
    // program were.
    std::string Resolve(const std::string& Typed) const;
    // Whether the user may choose Name; tells the user why not, or asks
    // before a file is replaced.
    bool Accepts(const std::string& Name) const;

private:
    QWidget* Owner_;
    TOptions Options_;
};

class TFileDialogRecorder {
public:
    struct TShown {
        QString Title;
        QStringList Filters;
        std::string Folder;    // the folder the dialog opened in
        std::string Proposed;  // the name it proposed; empty for none
    };

    TFileDialogRecorder();
    ~TFileDialogRecorder();
    TFileDialogRecorder(const TFileDialogRecorder&) = delete;
    TFileDialogRecorder& operator=(const TFileDialogRecorder&) = delete;

    // The next name the user types; a refused name is followed by the next one.
    void QueueFileName(const std::string& Name) { Answers_.emplace_back(Name); }
    // The user cancels; so does an empty queue.
    void QueueCancel() { Answers_.emplace_back(std::nullopt); }
    const std::vector<TShown>& Shown() const { return Shown_; }

private:
    friend class TFileDialog;
    std::deque<std::optional<std::string>> Answers_;
    std::vector<TShown> Shown_;
};

}  // namespace filedialogs
