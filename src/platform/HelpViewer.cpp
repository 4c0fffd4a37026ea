// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int ContextRole = Qt::UserRole;
constexpr const char* DefaultTitle = "Help";

QString Utf8(const std::string& Text)
{
    return QString::fromStdString(Text);
}

}  // namespace

THelpViewer::THelpViewer(QWidget* Parent) : QWidget(Parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QLatin1String(DefaultTitle));

    tabPages = new QTabWidget;
    tvContents = new QTreeWidget;
    edtKeyword = new QLineEdit;
    lstIndex = new QListWidget;
    btnBack = new QPushButton(QStringLiteral("&Back"));
    txtTopic = new QTextBrowser;
    const std::pair<QObject*, const char*> Names[] = {
        {tabPages, "tabPages"}, {tvContents, "tvContents"}, {edtKeyword, "edtKeyword"},
        {lstIndex, "lstIndex"}, {btnBack, "btnBack"}, {txtTopic, "txtTopic"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    tvContents->setHeaderHidden(true);
    tvContents->setRootIsDecorated(true);
    auto* IndexPage = new QWidget;
    auto* IndexLayout = new QVBoxLayout(IndexPage);
    auto* Prompt = new QLabel(QStringLiteral("&Type the first few letters of the word you are looking for:"));
    Prompt->setWordWrap(true);
    Prompt->setBuddy(edtKeyword);
    IndexLayout->addWidget(Prompt);
    IndexLayout->addWidget(edtKeyword);
    IndexLayout->addWidget(lstIndex, 1);
    tabPages->addTab(tvContents, QStringLiteral("&Contents"));
    tabPages->addTab(IndexPage, QStringLiteral("&Index"));

    txtTopic->setOpenLinks(false);
    txtTopic->document()->setDocumentMargin(12);
    auto* Right = new QWidget;
    auto* RightLayout = new QVBoxLayout(Right);
    RightLayout->setContentsMargins(0, 0, 0, 0);
    auto* Buttons = new QHBoxLayout;
    Buttons->addWidget(btnBack);
    Buttons->addStretch();
    RightLayout->addLayout(Buttons);
    RightLayout->addWidget(txtTopic, 1);

    auto* Split = new QSplitter;
    Split->addWidget(tabPages);
    Split->addWidget(Right);
    Split->setStretchFactor(1, 1);
    Split->setSizes({260, 520});
    auto* Whole = new QVBoxLayout(this);
    Whole->addWidget(Split);
    resize(800, 540);

    connect(tvContents, &QTreeWidget::itemActivated, this, &THelpViewer::tvContentsActivate);
    connect(tvContents, &QTreeWidget::itemClicked, this, &THelpViewer::tvContentsActivate);
    connect(edtKeyword, &QLineEdit::textChanged, this, &THelpViewer::edtKeywordChange);
    connect(edtKeyword, &QLineEdit::returnPressed, this, [this] { lstIndexActivate(lstIndex->currentItem()); });
    connect(lstIndex, &QListWidget::itemActivated, this, &THelpViewer::lstIndexActivate);
    connect(lstIndex, &QListWidget::itemClicked, this, &THelpViewer::lstIndexActivate);
    connect(btnBack, &QPushButton::clicked, this, &THelpViewer::btnBackClick);
    connect(txtTopic, &QTextBrowser::anchorClicked, this, [this](const QUrl& Link) {
        if (Link.scheme() == QLatin1String("topic")) Display(Link.path().toInt(), true);
    });
}

bool THelpViewer::LoadFile(const std::string& FileName)
{
    FileName_ = FileName;
    File_ = {};
    Current_ = 0;
    History_.clear();
    const bool Loaded = File_.Load(FileName);
    setWindowTitle(File_.Title().empty() ? QLatin1String(DefaultTitle) : Utf8(File_.Title()));
    FillContents();
    FillIndex();
    txtTopic->clear();
    btnBack->setEnabled(false);
    return Loaded;
}

void THelpViewer::FillContents()
{
    tvContents->clear();
    const QIcon Book = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon Page = style()->standardIcon(QStyle::SP_FileIcon);
    for (const THelpBook& Entry : File_.Books()) {
        QTreeWidgetItem* Parent = nullptr;
        if (!Entry.Title.empty()) {
            Parent = new QTreeWidgetItem(tvContents, {Utf8(Entry.Title)});
            Parent->setIcon(0, Book);
            Parent->setExpanded(true);
        }
        for (const int Context : Entry.Topics) {
            const THelpTopic* Topic = File_.Topic(Context);
            auto* Item = Parent ? new QTreeWidgetItem(Parent, {Utf8(Topic->Title)})
                                : new QTreeWidgetItem(tvContents, {Utf8(Topic->Title)});
            Item->setIcon(0, Page);
            Item->setData(0, ContextRole, Context);
        }
    }
}

void THelpViewer::FillIndex()
{
    lstIndex->clear();
    for (const auto& [Keyword, Topics] : File_.Index()) {
        auto* Item = new QListWidgetItem(Utf8(Keyword), lstIndex);
        Item->setData(ContextRole, Topics.front());
        // A keyword of several topics lists them below it.
        if (Topics.size() > 1)
            for (const int Context : Topics) {
                auto* Sub = new QListWidgetItem(QStringLiteral("    ") + Utf8(File_.Topic(Context)->Title), lstIndex);
                Sub->setData(ContextRole, Context);
            }
    }
}

void THelpViewer::ShowTopic(int Context)
{
    Display(Context, true);
}

void THelpViewer::ShowContents()
{
    tabPages->setCurrentIndex(0);
    tvContents->setFocus();
    if (Current_ == 0 && !File_.Books().empty() && !File_.Books().front().Topics.empty())
        Display(File_.Books().front().Topics.front(), false);
}

void THelpViewer::Display(int Context, bool Remember)
{
    if (Remember && Current_ != 0 && Current_ != Context) History_.push_back(Current_);
    btnBack->setEnabled(!History_.empty());
    const THelpTopic* Topic = File_.Topic(Context);
    if (!Topic) {
        Current_ = 0;
        txtTopic->setHtml(QStringLiteral("<p>This help file has no topic with the number %1.</p>").arg(Context));
        return;
    }
    Current_ = Context;
    txtTopic->setHtml(Utf8(TopicHtml(*Topic)));
    // Keep the contents list on the topic shown.
    for (QTreeWidgetItemIterator It(tvContents); *It; ++It)
        if ((*It)->data(0, ContextRole).toInt() == Context) {
            tvContents->setCurrentItem(*It);
            break;
        }
}

void THelpViewer::edtKeywordChange(const QString& Text)
{
    for (int Row = 0; Row < lstIndex->count(); ++Row) {
        QListWidgetItem* Item = lstIndex->item(Row);
        if (!Item->text().startsWith(u' ') && Item->text().startsWith(Text, Qt::CaseInsensitive)) {
            lstIndex->setCurrentItem(Item);
            lstIndex->scrollToItem(Item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void THelpViewer::lstIndexActivate(QListWidgetItem* Item)
{
    if (Item) Display(Item->data(ContextRole).toInt(), true);
}

void THelpViewer::tvContentsActivate(QTreeWidgetItem* Item)
{
    if (Item && Item->data(0, ContextRole).isValid()) Display(Item->data(0, ContextRole).toInt(), true);
}

void THelpViewer::btnBackClick()
{
    if (History_.empty()) return;
    const int Previous = History_.back();
    History_.pop_back();
    Display(Previous, false);
}
