// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A doubly linked list that owns its nodes and keeps them in the order of a
// virtual comparison; nodes that compare equal keep their insertion order.

#include <cstdint>

class TListNode {
public:
    TListNode() = default;
    TListNode(const TListNode&) = delete;
    TListNode& operator=(const TListNode&) = delete;
    virtual ~TListNode() = default;

    TListNode* Next = nullptr;
    TListNode* Prev = nullptr;
};

class TLinkList : public TListNode {
public:
    ~TLinkList() override;

    TListNode* Head = nullptr;
    TListNode* Tail = nullptr;
    int32_t Count = 0;

    bool IsEmpty() const { return Head == nullptr; }
    // The node at a 0-based position; nullptr outside 0 .. Count-1.
    TListNode* ItemAt(int32_t Index) const;
    // The position of that very node; -1 when it is not in this list.
    int32_t IndexOf(const TListNode* Node) const;
    // Links Node (in no list) after After (in this list), or at the head for nullptr.
    void InsertAfter(TListNode* After, TListNode* Node);
    // Takes Node out of this list and hands it back to the caller.
    void Unlink(TListNode* Node);
    // Takes Node out of this list and frees it.
    void Delete(TListNode* Node);
    void Clear();
    // Ordered insert: after every node that does not order after Node.
    void Add(TListNode* Node);
    // Negative, 0 or positive as A orders before, with or after B.
    virtual int Compare(const TListNode* A, const TListNode* B) const = 0;

    // The walk: Rewind(Cursor); while (GetNext(Cursor)) visit Cursor.
    void Rewind(TListNode*& Cursor) const { Cursor = nullptr; }
    bool GetNext(TListNode*& Cursor) const;
};
