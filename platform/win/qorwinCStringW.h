// The wide string class of the framework's Windows calls: UTF-16 text, as MFC's CStringW holds it.
// Only what the framework uses is here.
#pragma once

#include <string>

class CStringW {
public:
    CStringW() = default;
    CStringW(const char16_t* text) : text_(text ? text : u"") {}
    CStringW(const char16_t* text, int length) : text_(text && length > 0 ? std::u16string(text, length) : u"") {}
    CStringW(const std::u16string& text) : text_(text) {}

    const char16_t* GetString() const { return text_.c_str(); }
    operator const char16_t*() const { return text_.c_str(); }
    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    bool operator==(const CStringW& other) const { return text_ == other.text_; }
    bool operator!=(const CStringW& other) const { return text_ != other.text_; }
    CStringW& operator+=(const CStringW& other)
    {
        text_ += other.text_;
        return *this;
    }

private:
    std::u16string text_;
};
