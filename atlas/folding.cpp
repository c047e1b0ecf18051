// SPDX-License-Identifier: GPL-3.0-or-later
// The folded form in which typed text and place names are compared.

#include <glib.h>

#include <memory>
#include <string>

#include "atlas/atlas.h"

namespace atlas {

namespace {

struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFree>;

// Lower-case letters whose mark is drawn through or joined to them, which no
// Unicode decomposition takes apart, spelt as a reader without them types.
std::string_view plainSpelling(gunichar c) {
    switch (c) {
    case 0x00E6:  // æ
        return "ae";
    case 0x00F0:  // ð
        return "d";
    case 0x00F8:  // ø
        return "o";
    case 0x00FE:  // þ
        return "th";
    case 0x0111:  // đ
        return "d";
    case 0x0127:  // ħ
        return "h";
    case 0x0131:  // dotless ı
        return "i";
    case 0x0142:  // ł
        return "l";
    case 0x0153:  // œ
        return "oe";
    case 0x0167:  // ŧ
        return "t";
    default:
        return {};
    }
}

// The modifier letters that are written as apostrophes and glottal stops
// (ʹ ʺ ʻ ʼ ʽ ʾ ʿ ˈ): word breaks, as the ASCII apostrophe is.
bool isApostropheLetter(gunichar c) {
    return (c >= 0x02B9 && c <= 0x02BF) || c == 0x02C8;
}

// Appends the folded characters of already folded text, turning every run of
// characters that are neither letters nor digits into one blank between words.
class Words {
public:
    void letter(std::string_view utf8) {
        if (gap_ && !out_.empty())
            out_ += ' ';
        gap_ = false;
        out_ += utf8;
    }
    void gap() { gap_ = true; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
    bool gap_ = false;
};

}  // namespace

std::optional<std::string> foldForSearch(std::string_view text) {
    // The length-bounded check also refuses NUL bytes.
    if (!g_utf8_validate_len(text.data(), text.size(), nullptr))
        return std::nullopt;

    Words words;
    bool ascii = true;
    for (const char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        // Most names: decomposition and case folding of ASCII are its lower case.
        for (const char c : text) {
            if (g_ascii_isalnum(c)) {
                const char lower = g_ascii_tolower(c);
                words.letter({&lower, 1});
            } else {
                words.gap();
            }
        }
        return words.take();
    }

    // Decompose first, so that case folding sees the base letters ("İ" is "I"
    // and a dot), then fold, then decompose what folding made ("ǅ" and the
    // like), and drop the marks.
    const GText decomposed(
        g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_NFKD));
    if (!decomposed)
        return std::nullopt;
    const GText caseFolded(g_utf8_casefold(decomposed.get(), -1));
    // GLib's case folding is not the same in both directions for every
    // script (it turns Cherokee capitals into small letters and small
    // letters into capitals): the small letter of what it gives is.
    std::string lowered;
    for (const gchar* p = caseFolded.get(); *p; p = g_utf8_next_char(p)) {
        gchar utf8[6];
        lowered.append(utf8, static_cast<std::size_t>(
                                 g_unichar_to_utf8(g_unichar_tolower(g_utf8_get_char(p)), utf8)));
    }
    const GText folded(
        g_utf8_normalize(lowered.data(), static_cast<gssize>(lowered.size()), G_NORMALIZE_NFKD));
    if (!folded)
        return std::nullopt;

    for (const gchar* p = folded.get(); *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        const GUnicodeType type = g_unichar_type(c);
        if (type == G_UNICODE_NON_SPACING_MARK || type == G_UNICODE_ENCLOSING_MARK)
            continue;
        if (const std::string_view plain = plainSpelling(c); !plain.empty()) {
            words.letter(plain);
        } else if ((g_unichar_isalnum(c) && !isApostropheLetter(c)) ||
                   type == G_UNICODE_SPACING_MARK) {
            // Spacing marks are the vowel signs of Indic scripts: part of the word.
            words.letter({p, static_cast<std::size_t>(g_utf8_next_char(p) - p)});
        } else {
            words.gap();
        }
    }
    return words.take();
}

}  // namespace atlas
