#include "ui/font.h"

UniqueHfont CreateFontHandle(const Font& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = DEFAULT_QUALITY;
    font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return UniqueHfont(::CreateFontIndirectW(&logFont));
}
