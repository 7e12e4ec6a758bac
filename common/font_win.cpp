#include "common/font_win.h"

#include <map>
#include <string>
#include <vector>

#include "common/utf16_win.h"

namespace zenka {

namespace {

// Tried in order: faces of older and newer Windows versions, then free
// faces Wine finds on the host system.
constexpr const wchar_t* kJapaneseFaces[] = {
    L"ＭＳ Ｐゴシック", L"MS PGothic", L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI", L"Meiryo",
    L"ＭＳ ゴシック",   L"MS Gothic",  L"IPAPGothic",   L"IPAGothic", L"Noto Sans CJK JP", L"VL PGothic",
    L"TakaoPGothic"};

// Characters every calendar shows: the weekday header.
constexpr std::wstring_view kJapaneseProbe = L"日月火水木金土";

LOGFONTW LogFontOf(const FontDescription& font, std::wstring_view face) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = font.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face = face.substr(0, LF_FACESIZE - 1);
    face.copy(lf.lfFaceName, face.size());
    return lf;
}

bool ShowsJapanese(const LOGFONTW& lf) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectW(&lf);
    bool shows = false;
    if (dc && font) {
        HGDIOBJ old = SelectObject(dc, font);
        shows = FontHasGlyphs(dc, kJapaneseProbe);
        SelectObject(dc, old);
    }
    if (font) DeleteObject(font);
    if (dc) DeleteDC(dc);
    return shows;
}

// The face to ask for in place of a Japanese face, found once per face.
// Fonts are made on the user-interface thread only.
const std::wstring& JapaneseFaceFor(const FontDescription& font, const std::wstring& face) {
    static std::map<std::wstring, std::wstring> chosen;
    auto found = chosen.find(face);
    if (found != chosen.end()) return found->second;
    std::wstring use = face;
    if (!ShowsJapanese(LogFontOf(font, face))) {
        for (const wchar_t* candidate : kJapaneseFaces) {
            if (ShowsJapanese(LogFontOf(font, candidate))) {
                use = candidate;
                break;
            }
        }
    }
    return chosen.emplace(face, std::move(use)).first->second;
}

}  // namespace

bool FontHasGlyphs(HDC dc, std::wstring_view text) {
    if (text.empty()) return true;
    std::vector<WORD> glyphs(text.size());
    const DWORD done = GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(),
                                        GGI_MARK_NONEXISTING_GLYPHS);
    if (done != text.size()) return false;
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF) return false;
    }
    return true;
}

HFONT CreateFontFor(const FontDescription& font) {
    std::wstring face = Widen(font.face);
    if (font.charset == SHIFTJIS_CHARSET) face = JapaneseFaceFor(font, face);
    const LOGFONTW lf = LogFontOf(font, face);
    return CreateFontIndirectW(&lf);
}

}  // namespace zenka
