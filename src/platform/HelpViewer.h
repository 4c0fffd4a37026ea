// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a contents list of books and topics, an index of keywords,
// and the text of one topic at a time, opened by context number.

#include <QWidget>
#include <string>
#include <vector>

#include "platform/HelpFile.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* Parent = nullptr);

    // Reads the help file; false, with the window empty, when it cannot be read.
    bool LoadFile(const std::string& FileName);
    const std::string& FileName() const { return FileName_; }

    // Shows the topic with that number; a number without a topic says so in
    // the text pane.
    void ShowTopic(int Context);
    // Brings the contents list forward.
    void ShowContents();
    // The number of the topic shown; 0 for none.
    int CurrentTopic() const { return Current_; }

    QTabWidget* tabPages;
    QTreeWidget* tvContents;
    QLineEdit* edtKeyword;
    QListWidget* lstIndex;
    QPushButton* btnBack;
    QTextBrowser* txtTopic;

private:
    void Display(int Context, bool Remember);
    void FillContents();
    void FillIndex();
    void edtKeywordChange(const QString& Text);
    void lstIndexActivate(QListWidgetItem* Item);
    void tvContentsActivate(QTreeWidgetItem* Item);
    void btnBackClick();

    std::string FileName_;
    THelpFile File_;
    int Current_ = 0;
    std::vector<int> History_;
};
