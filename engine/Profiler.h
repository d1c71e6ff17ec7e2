// The settings file: "key,value" lines read at construction, typed lookups
// with defaults, and a rewrite in key order at destruction when a value changed.
#pragma once

#include <map>
#include <string>

class CProfiler final {
public:
    // A relative path is taken below the program folder.
    explicit CProfiler(const char* path);
    // The same with another separator; only its first character splits a line.
    CProfiler(const char* path, const char* separator);
    ~CProfiler();
    CProfiler(const CProfiler&) = delete;
    CProfiler& operator=(const CProfiler&) = delete;

    // Exactly "0" is false and exactly "1" true; anything else gives def.
    virtual bool GetBool(const char* key, bool def);
    // A missing key or an empty value gives def; otherwise the leading decimal number, 0 without digits.
    virtual int GetInt(const char* key, int def);
    virtual void GetString(const char* key, std::string& out, const char* def);
    // Fills buf (size bytes) with the value, or def when the key is missing; always terminated.
    virtual void GetStringBuf(const char* key, char* buf, int size, const char* def);
    virtual void SetBool(const char* key, int value);
    virtual void SetInt(const char* key, int value);
    virtual void SetString(const char* key, const std::string& value);
    virtual void SetStringBuf(const char* key, const char* value);

    // The file exists but could not be read, or is no regular file: every
    // getter gives its default and the file is never rewritten.
    bool Unreadable() const { return unreadable; }

private:
    void Load(const char* file, const char* separatorText);
    void Save();

    std::map<std::string, std::string> entries;
    bool dirty = false;
    bool unreadable = false;
    std::string path;
    std::string separator;
};
