// SPDX-License-Identifier: GPL-3.0-or-later
#include "person_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "atlas/atlas.h"
#include "birth/key_rules.h"

namespace people {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(people::PersonRules)
};

}  // namespace

QString typedName(const QString& name) {
    QString typed;
    typed.reserve(name.size());
    for (const char32_t code : name.toUcs4()) {
        const char32_t capital = QChar::toUpper(code);
        typed += QString::fromUcs4(&capital, 1);
    }
    return typed;
}

std::optional<QString> nameProblem(const QString& name, QString* typed) {
    if (name.size() > kLongestName)
        return Texts::tr("the name is longer than the %L1 characters the Name box takes")
            .arg(kLongestName);
    char32_t code = 0;
    const std::optional<QString> accepted = birth::nameAsTheBoxTakesIt(name, &code);
    if (accepted) {
        if (typed)
            *typed = *accepted;
        return std::nullopt;
    }
    const QChar::Category category = QChar::category(code);
    const bool visible = QChar::isPrint(code) && category != QChar::Separator_Space;
    const QString shown = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    return visible ? Texts::tr("the name has \u201c%1\u201d (%2), which the Name box does not take")
                         .arg(QString::fromUcs4(&code, 1), shown)
                   : Texts::tr("the name has the character %1, which the Name box does not take")
                         .arg(shown);
}

QString shownName(const QString& name) {
    constexpr int kShown = 80;
    return name.size() <= kShown ? name : name.left(kShown) + QChar(0x2026);
}

std::string foldedUtf8(const QString& text) {
    return atlas::foldForSearch(text.toStdString()).value_or(std::string());
}

QString folded(const QString& text) {
    return QString::fromStdString(foldedUtf8(text));
}

QString placeText(const birth::BirthDetails& details) {
    QStringList parts;
    for (const QString& part : {details.city, details.state, details.country}) {
        if (!part.trimmed().isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

bool matches(std::string_view foldedText, std::string_view foldedQuery) {
    if (foldedQuery.empty())
        return true;
    std::size_t at = foldedText.find(foldedQuery);
    while (at != std::string_view::npos) {
        if (at == 0 || foldedText[at - 1] == ' ')
            return true;
        at = foldedText.find(foldedQuery, at + 1);
    }
    return false;
}

}  // namespace people
