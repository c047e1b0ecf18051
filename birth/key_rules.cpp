// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_rules.h"

#include <QCoreApplication>

namespace birth {

namespace {

// The texts of the birth rules, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::Validation)
};

}  // namespace

QString refusedLetterMessage() {
    return Texts::tr("Please Enter only Letters");
}

QString refusedDigitMessage() {
    return Texts::tr("Only Numbers Are Accepted");
}

KeyVerdict digitKey(char32_t code) {
    if ((code >= U'0' && code <= U'9') || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

KeyVerdict nameKey(char32_t code) {
    if (code >= U'A' && code <= U'Z')
        return KeyVerdict::pass();
    if (code >= U'a' && code <= U'z')
        return KeyVerdict::replace(QChar(char16_t(code - 32)));
    if (code == U' ' || code == 13 || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

KeyFilter nameKeyFor(QLocale::Language language) {
    // The letters each language adds to A to Z, small and capital.
    QString latin;
    switch (language) {
    case QLocale::German:
        latin = QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00c4\u00d6\u00dc\u1e9e");
        break;
    case QLocale::French:
        latin = QStringLiteral(
            "\u00e0\u00e2\u00e6\u00e7\u00e9\u00e8\u00ea\u00eb\u00ee\u00ef"
            "\u00f4\u0153\u00f9\u00fb\u00fc\u00ff\u00c0\u00c2\u00c6\u00c7"
            "\u00c9\u00c8\u00ca\u00cb\u00ce\u00cf\u00d4\u0152\u00d9\u00db"
            "\u00dc\u0178");
        break;
    case QLocale::Spanish:
        latin = QStringLiteral(
            "\u00e1\u00e9\u00ed\u00f1\u00f3\u00fa\u00fc\u00c1\u00c9\u00cd"
            "\u00d1\u00d3\u00da\u00dc");
        break;
    case QLocale::Portuguese:
        latin = QStringLiteral(
            "\u00e1\u00e2\u00e3\u00e0\u00e7\u00e9\u00ea\u00ed\u00f3\u00f4"
            "\u00f5\u00fa\u00fc\u00c1\u00c2\u00c3\u00c0\u00c7\u00c9\u00ca"
            "\u00cd\u00d3\u00d4\u00d5\u00da\u00dc");
        break;
    case QLocale::Hindi:
    case QLocale::Arabic:
    default:
        break;
    }
    // The scripts without case: their letters and the marks that join them
    // (vowel signs, virama, nukta; harakat), not their digits or punctuation.
    char32_t first = 0, last = 0;
    if (language == QLocale::Hindi) {
        first = 0x0900;
        last = 0x097f;
    } else if (language == QLocale::Arabic) {
        first = 0x0620;
        last = 0x06ff;
    }
    if (latin.isEmpty() && first == 0)
        return nameKey;
    return [latin, first, last](char32_t code) {
        if (code <= 0xffff && latin.contains(QChar(char16_t(code)))) {
            const QChar capital = QChar(char16_t(code)).toUpper();
            return capital == QChar(char16_t(code)) ? KeyVerdict::pass()
                                                    : KeyVerdict::replace(capital);
        }
        if (code >= first && code <= last) {
            const QChar::Category category = QChar::category(code);
            const bool letter =
                category == QChar::Letter_Other || category == QChar::Letter_Modifier ||
                category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining;
            return letter ? KeyVerdict::pass() : KeyVerdict::discard();
        }
        // Hindi is typed with the joiners that choose a half form.
        if (first == 0x0900 && (code == 0x200c || code == 0x200d))
            return KeyVerdict::pass();
        return nameKey(code);
    };
}

std::optional<QString> nameAsTheBoxTakesIt(const QString& typed, char32_t* refused) {
    // The filter is made once for the language, as an import asks for every
    // row, and once for each thread that asks.
    thread_local QLocale::Language language = QLocale::AnyLanguage;
    thread_local KeyFilter filter;
    if (!filter || language != QLocale().language()) {
        language = QLocale().language();
        filter = nameKeyFor(language);
    }
    QString name;
    name.reserve(typed.size());
    for (const char32_t code : typed.toUcs4()) {
        // Enter and Backspace are keys of the box, not letters of a name.
        const KeyVerdict verdict = code == 13 || code == 8 ? KeyVerdict::discard() : filter(code);
        if (verdict.action == KeyVerdict::Discard) {
            if (refused)
                *refused = code;
            return std::nullopt;
        }
        name += verdict.action == KeyVerdict::Replace ? QString(verdict.replacement)
                                                      : QString::fromUcs4(&code, 1);
    }
    return name;
}

}  // namespace birth
