// The window's fonts for a language: a face that has the language's characters, with
// the language's character set, at the window's DPI.
#pragma once

#include "Win32Api.h"

#include "view/Languages.h"

#include <string>

enum class TFontStyle { Normal, Bold, Italic, LargeBold };

// The first installed face of the language's preferred ones; empty when none is, which
// leaves the choice to the font mapper by the character set alone.
std::wstring FontFace(TLanguage language);

// A new font, which the caller deletes.
HFONT CreateWindowFont(TLanguage language, TFontStyle style, UINT dpi);
