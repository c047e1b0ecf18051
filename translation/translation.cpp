// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>


namespace translation {

namespace {

QString fileFor(const QString& language) {
    return QStringLiteral("asterine_") + language + QStringLiteral(".qm");
}

}  // namespace

QStringList languages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("pt_BR"), QStringLiteral("hi"), QStringLiteral("ar")};
}

QString chooseLanguage(const QStringList& uiLanguages, const QString& folder) {
    QStringList present;  // read only when a language other than English is asked for
    bool listed = false;
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = wanted.section(QLatin1Char('_'), 0, 0).toLower();
        if (base.isEmpty() || base == QLatin1String("en") || base == QLatin1String("c") ||
            base == QLatin1String("posix"))
            return QString();
        if (!listed) {
            present = QDir(folder).entryList({QStringLiteral("asterine_*.qm")}, QDir::Files);
            listed = true;
        }
        if (present.contains(fileFor(wanted)))
            return wanted;
        if (present.contains(fileFor(base)))
            return base;
        for (const QString& file : present) {
            if (file.startsWith(QStringLiteral("asterine_") + base + QLatin1Char('_')))
                return file.mid(9, file.size() - 9 - 3);
        }
    }
    return QString();
}

QString translationsFolder() {
    // The program's own file: the launcher and the window's module agree
    // on it, and so do the tests, from their own folder in the build.
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    return QDir(program.absolutePath()).filePath(QStringLiteral("../share/asterine/translations"));
}

bool useLanguage(const QString& language, const QString& folder) {
    const QLocale desktop = QLocale::system();
    if (language.isEmpty()) {
        // English texts: months and dates as the original has them, in
        // whichever country the desktop is. The C locale is left as it is.
        if (desktop.language() != QLocale::English && desktop.language() != QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English, desktop.territory()));
        // English's plural forms ("1 person", "2 people"): the texts
        // themselves are the sources'.
        auto* plurals = new QTranslator(QCoreApplication::instance());
        if (plurals->load(fileFor(QStringLiteral("en")), folder))
            QCoreApplication::installTranslator(plurals);
        else
            delete plurals;
        return false;
    }
    // The desktop's own locale where it speaks the language (Swiss German
    // keeps Switzerland's dates and paper), the language's otherwise.
    // (A locale of that name: the system's own answers follow the C
    // library's settings, which may still be C.)
    const QLocale locale = desktop.language() == QLocale(language).language()
                               ? QLocale(desktop.name())
                               : QLocale(language);
    QLocale::setDefault(locale);
    auto* own = new QTranslator(QCoreApplication::instance());
    const bool loaded = own->load(fileFor(language), folder);
    if (loaded)
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's own texts: the buttons of message boxes, file and print dialogs,
    // the context menus of text boxes.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return loaded;
}

bool useDesktopLanguage() {
    const QString folder = translationsFolder();
    return useLanguage(chooseLanguage(QLocale::system().uiLanguages(), folder), folder);
}

bool englishTexts() {
    return QLocale().language() == QLocale::English || QLocale().language() == QLocale::C;
}

std::vector<std::string> placeLanguages() {
    std::vector<std::string> languages;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
        if (base.isEmpty() || base == QLatin1String("en") || base == QLatin1String("c") ||
            base == QLatin1String("posix"))
            break;
        languages.push_back(language.toStdString());
    }
    return languages;
}

atlas::Atlas desktopAtlas() {
    return atlas::Atlas::fromGeonames(placeLanguages());
}

QString loreText(std::string_view english) {
    const QByteArray source(english.data(), qsizetype(english.size()));
    return QCoreApplication::translate("Lore", source.constData());
}

QString shownValue(stars::Attribute attribute, std::string_view english) {
    const bool properName =
        attribute == stars::Attribute::LatinName || attribute == stars::Attribute::Designation;
    if (properName && english != "NA")
        return QString::fromUtf8(english.data(), qsizetype(english.size()));
    return loreText(english);
}

stars::StarReading localised(const stars::StarReading& reading) {
    stars::StarReading shown = reading;
    for (std::size_t i = 0; i < shown.attributes.size(); ++i)
        shown.attributes[i] =
            shownValue(static_cast<stars::Attribute>(i), reading.attributes[i]).toStdString();
    const std::string::size_type lineBreak = reading.starLine.find("\r\n");
    if (lineBreak != std::string::npos)
        shown.starLine = reading.starLine.substr(0, lineBreak + 2) +
                         loreText(reading.starLine.substr(lineBreak + 2)).toStdString();
    return shown;
}

}  // namespace translation
