// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A captioned group of radio buttons in one column with one selected item.
// Click is emitted whenever the selected item changes, by the user or by the
// program; selecting the item already selected emits nothing.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* Parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int Index);
    QString ItemText(int Index) const;
    // Spreads the items over Columns columns, filling each column in turn.
    void SetColumns(int Columns);

signals:
    void Click();

protected:
    // The focus goes to the selected item, as arrow keys then move it.
    void focusInEvent(QFocusEvent* Event) override;

private:
    QButtonGroup* Buttons_;
};
