#include "Win32Api.h"

#include "Win32Fonts.h"

#include <array>

namespace {

// Windows' own user-interface faces first, then faces that Linux systems offer to wine.
constexpr std::array<const wchar_t*, 4> kEnglishFaces = {L"Segoe UI", L"Tahoma", L"DejaVu Sans",
                                                         L"Arial"};
constexpr std::array<const wchar_t*, 6> kTraditionalFaces = {
    L"Microsoft JhengHei UI", L"Microsoft JhengHei", L"PMingLiU", L"MingLiU",
    L"WenQuanYi Micro Hei",   L"Noto Sans CJK TC"};
constexpr std::array<const wchar_t*, 6> kSimplifiedFaces = {
    L"Microsoft YaHei UI",  L"Microsoft YaHei", L"SimSun", L"NSimSun",
    L"WenQuanYi Micro Hei", L"Noto Sans CJK SC"};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const wchar_t* face, BYTE charset) {
    LOGFONTW wanted{};
    wanted.lfCharSet = charset;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

template <size_t N>
std::wstring FirstInstalled(const std::array<const wchar_t*, N>& faces, BYTE charset) {
    for (const wchar_t* face : faces)
        if (FaceInstalled(face, charset))
            return face;
    return {};
}

} // namespace

std::wstring FontFace(TLanguage language) {
    const BYTE charset = LanguageInfo(language).FontCharset;
    switch (language) {
    case laTraChinese:
        return FirstInstalled(kTraditionalFaces, charset);
    case laSimpChinese:
        return FirstInstalled(kSimplifiedFaces, charset);
    case laEnglish:
        break;
    }
    // The English texts are Windows-1252; any face with Latin letters shows them.
    return FirstInstalled(kEnglishFaces, DEFAULT_CHARSET);
}

HFONT CreateWindowFont(TLanguage language, TFontStyle style, UINT dpi) {
    static std::wstring faces[3];
    std::wstring& face = faces[language];
    if (face.empty())
        face = FontFace(language);
    LOGFONTW font{};
    const int points = style == TFontStyle::LargeBold ? 20 : 9;
    font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight =
        style == TFontStyle::Bold || style == TFontStyle::LargeBold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style == TFontStyle::Italic ? TRUE : FALSE;
    font.lfCharSet = language == laEnglish ? DEFAULT_CHARSET : LanguageInfo(language).FontCharset;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}
