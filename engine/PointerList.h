// A small ordered list of untyped pointers that refuses indices out of range,
// and a list of owned strings built on it. The game keeps its objects in
// standard vectors; these serve the text-file and field-splitting helpers.
#pragma once

#include <string>
#include <vector>

// Does not own what its pointers point to.
class CPointerList {
public:
    CPointerList() = default;
    CPointerList(const CPointerList&) = delete;
    CPointerList& operator=(const CPointerList&) = delete;

    // The order of these operations is the order of the virtual table.
    // Inserts before index, 0 .. count; any other index inserts nothing.
    virtual void InsertAt(int index, void* p);
    virtual int GetCount();
    // Nothing for an index out of range.
    virtual void RemoveAt(int index);
    // Removes through RemoveAt, last element first.
    virtual void RemoveAll();
    // Null when the list is empty.
    virtual void PopFront(void** out);
    // Null for an index out of range.
    virtual void GetAt(void** out, int index);
    virtual void Add(void* p);
    virtual ~CPointerList();

protected:
    bool InRange(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }

private:
    std::vector<void*> items;
};

// Owns its strings: removing one deletes it. RemoveAll is the base one, which
// deletes every string through RemoveAt.
class CStringList : public CPointerList {
public:
    void RemoveAt(int index) override;
    ~CStringList() override;

    void AddTail(const char* text);
    // Before index, 0 .. count; any other index inserts nothing.
    void InsertAt(int index, const char* text);
    // Empty when the list is empty.
    void PopFrontString(std::string& out);
    // Empty for an index out of range.
    void GetAtString(std::string& out, int index);
    // The leading decimal number of the string (0 without one or out of range).
    void GetAtInt(int* out, int index);

private:
    std::string* StringAt(int index);
};
