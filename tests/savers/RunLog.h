#pragma once
// Appends "[<pid>] <key>=<value>" lines to a log file. Every line is one append of its own, so
// an old preview that is still ending and a new one that is starting can share a log without
// tearing each other's lines.
#include <string>
#include <string_view>

class RunLog {
public:
    explicit RunLog(std::wstring path) : path_(std::move(path)) {}
    void Write(std::wstring_view key, std::wstring_view value) const;

private:
    std::wstring path_;
};
