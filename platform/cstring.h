// CString: a narrow byte string in the system's narrow code page (GB18030).
// Just what the program uses; bytes are kept as they are, never converted here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_data(psz ? psz : "") {}  // NOLINT: implicit, as the framework's
    CString(const char* pch, int nLength) : m_data(pch, static_cast<std::size_t>(nLength)) {}
    explicit CString(std::string bytes) : m_data(std::move(bytes)) {}
    // Copies and moves start a lineage of their own (see AppendLineage).
    CString(const CString& s) : m_data(s.m_data) {}
    CString(CString&& s) noexcept : m_data(std::move(s.m_data)) { s.Renew(); }
    CString& operator=(const CString& s) {
        m_data = s.m_data;
        Renew();
        return *this;
    }
    CString& operator=(CString&& s) noexcept {
        if (this == &s) return *this;
        m_data = std::move(s.m_data);
        Renew();
        s.Renew();
        return *this;
    }

    CString& operator=(const char* psz) {
        m_data = psz ? psz : "";
        Renew();
        return *this;
    }
    CString& operator+=(const CString& s) {
        m_data += s.m_data;
        return *this;
    }
    CString& operator+=(const char* psz) {
        if (psz) m_data += psz;
        return *this;
    }
    CString& operator+=(char ch) {
        m_data += ch;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }

    int GetLength() const { return static_cast<int>(m_data.size()); }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }
    void Empty() {
        m_data.clear();
        Renew();
    }
    operator const char*() const { return m_data.c_str(); }  // NOLINT: LPCTSTR, as the framework's

    // Printf-style formatting into this string ("%d" for row numbers).
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    // Loads string resource nID: the program's table first, then the layer's.
    // An id found in neither leaves the string empty and returns FALSE.
    BOOL LoadString(UINT nID);
    // Replaces every occurrence of pszOld by pszNew; returns how many.
    // Byte-wise, which is exact for ASCII patterns such as "%1": in the
    // narrow code page no byte of a multibyte character is below 0x30.
    int Replace(const char* pszOld, const char* pszNew);

    // The bytes, for the layer's own use (conversions at the boundary).
    const std::string& Bytes() const { return m_data; }

    // Stays the same while the string only grows at its end (+=) and changes
    // with every other change, so that a control showing it can append the new
    // tail instead of replacing its whole text: the check costs O(1).
    // Every member that changes the bytes other than by appending calls Renew().
    std::uint64_t AppendLineage() const { return m_lineage; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_data == b.m_data; }
    friend bool operator==(const CString& a, const char* b) { return a.m_data == (b ? b : ""); }
    friend auto operator<=>(const CString& a, const CString& b) { return a.m_data <=> b.m_data; }

private:
    static std::uint64_t NewLineage();
    void Renew() { m_lineage = NewLineage(); }

    std::string m_data;
    std::uint64_t m_lineage = NewLineage();
};
