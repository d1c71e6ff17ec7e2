#include "engine/PointerList.h"

#include "engine/TextUtil.h"

void CPointerList::InsertAt(int index, void* p)
{
    if (index >= 0 && index <= GetCount())
        items.insert(items.begin() + index, p);
}

int CPointerList::GetCount() { return static_cast<int>(items.size()); }

void CPointerList::RemoveAt(int index)
{
    if (InRange(index))
        items.erase(items.begin() + index);
}

void CPointerList::RemoveAll()
{
    while (GetCount() != 0)
        RemoveAt(GetCount() - 1);
}

void CPointerList::PopFront(void** out)
{
    *out = nullptr;
    if (GetCount() == 0)
        return;
    // Not through RemoveAt: a derived list would delete what it hands out.
    *out = items.front();
    items.erase(items.begin());
}

void CPointerList::GetAt(void** out, int index) { *out = InRange(index) ? items[index] : nullptr; }

void CPointerList::Add(void* p) { items.push_back(p); }

CPointerList::~CPointerList() = default;

void CStringList::RemoveAt(int index)
{
    delete StringAt(index);
    CPointerList::RemoveAt(index);
}

CStringList::~CStringList() { RemoveAll(); }

void CStringList::AddTail(const char* text) { Add(new std::string(text)); }

void CStringList::InsertAt(int index, const char* text)
{
    if (index >= 0 && index <= GetCount())
        CPointerList::InsertAt(index, new std::string(text));
}

void CStringList::PopFrontString(std::string& out)
{
    out.clear();
    if (GetCount() == 0)
        return;
    out = *StringAt(0);
    RemoveAt(0);
}

void CStringList::GetAtString(std::string& out, int index)
{
    const std::string* text = StringAt(index);
    out = text ? *text : std::string();
}

void CStringList::GetAtInt(int* out, int index)
{
    const std::string* text = StringAt(index);
    *out = text ? ParseInt(text->c_str()) : 0;
}

std::string* CStringList::StringAt(int index)
{
    void* p = nullptr;
    GetAt(&p, index);
    return static_cast<std::string*>(p);
}
