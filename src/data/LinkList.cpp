// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LinkList.h"

TLinkList::~TLinkList()
{
    Clear();
}

TListNode* TLinkList::ItemAt(int32_t Index) const
{
    if (Index < 0) return nullptr;
    TListNode* Node = Head;
    for (; Node && Index > 0; --Index) Node = Node->Next;
    return Node;
}

int32_t TLinkList::IndexOf(const TListNode* Node) const
{
    int32_t Index = 0;
    for (const TListNode* Cur = Head; Cur; Cur = Cur->Next, ++Index)
        if (Cur == Node) return Index;
    return -1;
}

void TLinkList::InsertAfter(TListNode* After, TListNode* Node)
{
    if (!After) {
        Node->Next = Head;
        Node->Prev = nullptr;
        Head = Node;
    } else {
        Node->Next = After->Next;
        Node->Prev = After;
        After->Next = Node;
    }
    if (!Node->Next) Tail = Node;
    else Node->Next->Prev = Node;
    ++Count;
}

void TLinkList::Unlink(TListNode* Node)
{
    if (Node == Head) Head = Node->Next;
    else Node->Prev->Next = Node->Next;
    if (Node == Tail) Tail = Node->Prev;
    else Node->Next->Prev = Node->Prev;
    Node->Next = nullptr;
    Node->Prev = nullptr;
    --Count;
}

void TLinkList::Delete(TListNode* Node)
{
    Unlink(Node);
    delete Node;
}

void TLinkList::Clear()
{
    while (Head) Delete(Head);
    Tail = nullptr;
    Count = 0;
}

void TLinkList::Add(TListNode* Node)
{
    // Scans from the tail, so nodes that arrive in order cost one comparison.
    TListNode* Cur = Tail;
    while (Cur && Compare(Cur, Node) > 0) Cur = Cur->Prev;
    InsertAfter(Cur, Node);
}

bool TLinkList::GetNext(TListNode*& Cursor) const
{
    if (Cursor == Tail || !Head) return false;
    Cursor = Cursor ? Cursor->Next : Head;
    return true;
}
