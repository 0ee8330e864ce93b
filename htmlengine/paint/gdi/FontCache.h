#pragma once
// GDI fonts for the engine's fonts, shared by the text measurer and the painter of every
// window: one HFONT per interned font, made with the first installed face of its family
// list. Installed means known to GDI's font enumeration (EnumFontFamiliesExW), which also
// knows faces that Wine's replacements or Windows' substitutes provide; GetTextFaceW would
// only repeat the name asked for. Generic names (sans-serif, serif, monospace...) always
// count as installed and leave the face to GDI.
#include "htmlengine/document/style/ComputedStyle.h"

#include <windows.h>

#include <map>
#include <string>

namespace htmlengine {

class FontCache {
public:
    static FontCache& Shared();
    FontCache();
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    struct Entry {
        HFONT font = nullptr;
        TEXTMETRICW metrics = {};
        bool faceInstalled = true;  // false: no face of the list is installed; GDI chose one
    };
    const Entry& Get(const Font& font);

    // A memory DC for measuring, with no font of its own selected.
    HDC MeasuringDc() const { return dc_; }

private:
    bool IsInstalled(const std::wstring& face);

    HDC dc_;
    std::map<const Font*, Entry> fonts_;
    std::map<std::wstring, bool> faces_;
};

// The LOGFONT quality: ClearType where the system smooths with it, else grey smoothing.
BYTE TextQuality();

}  // namespace htmlengine
