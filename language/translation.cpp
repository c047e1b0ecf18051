// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace translation {

namespace {

QString fileFor(const QString& language) {
    return QStringLiteral("asterine_") + language + QStringLiteral(".qm");
}

// The desktop's languages, as QLocale gives them; but English where LC_ALL
// or LC_MESSAGES names the C locale ("C", "C.UTF-8", "POSIX"), as scripts
// set it to have the original texts whatever LANGUAGE says.
QStringList desktopLanguages() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (value == "C" || value == "POSIX" || value.startsWith("C."))
            return {QStringLiteral("C")};
        break;
    }
    return QLocale::system().uiLanguages();
}

// The list of the translations' sizes and checksums the build writes: one
// line "SIZE SHA256 NAME" for each.
const char* const kSumsFile = "translations.sums";

// A translator over bytes it keeps: Qt reads them in place for as long as
// the translator lives.
class VerifiedTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool loadBytes(QByteArray bytes) {
        bytes_ = std::move(bytes);
        return load(reinterpret_cast<const uchar*>(bytes_.constData()), int(bytes_.size()));
    }

private:
    QByteArray bytes_;
};

}  // namespace

std::optional<QByteArray> verifiedTranslation(const QString& language, const QString& folder,
                                              QString* problem) {
    const auto refuse = [problem](const QString& why) -> std::optional<QByteArray> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const QString name = fileFor(language);
    const QString path = QDir::cleanPath(QDir(folder).filePath(name));
    QFile file(path);
    if (!file.exists())
        return refuse(QString());
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("the translation %1 cannot be read (%2)")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    QFile sums(QDir::cleanPath(QDir(folder).filePath(QLatin1String(kSumsFile))));
    if (!sums.open(QIODevice::ReadOnly))
        return refuse(
            QStringLiteral("the translation %1 cannot be checked: %2 is missing")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(sums.fileName())));
    // Small: one line for each language.
    for (const QByteArray& line : sums.read(64 * 1024).split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 3 || fields[2] != name.toUtf8())
            continue;
        const QByteArray sum = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        if (fields[0] == QByteArray::number(bytes.size()) && fields[1].toLower() == sum)
            return bytes;
        return refuse(QStringLiteral("the translation %1 is damaged: it is not the file "
                                     "the program was built with")
                          .arg(QDir::toNativeSeparators(path)));
    }
    return refuse(
        QStringLiteral("the translation %1 cannot be checked: %2 does not list it")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(sums.fileName())));
}

QStringList languages() {
    return {QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"),
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

namespace {

// Reads the translation of `language` in `folder` only once its checksum
// matches, and installs it: Qt trusts the offsets in the file, and a
// damaged one would bring the program down at its first translated text.
// False, with `problem` said when the file is there but does not verify.
bool installVerified(const QString& language, const QString& folder, QString* problem) {
    std::optional<QByteArray> bytes = verifiedTranslation(language, folder, problem);
    if (!bytes)
        return false;
    auto* translator = new VerifiedTranslator(QCoreApplication::instance());
    if (!translator->loadBytes(std::move(*bytes))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

bool useLanguage(const QString& language, const QString& folder) {
    const QLocale desktop = QLocale::system();
    if (language.isEmpty()) {
        // English texts: months and dates as the original has them, in
        // whichever country the desktop is. The C locale is left as it is.
        if (desktop.language() != QLocale::English && desktop.language() != QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English, desktop.territory()));
        // English's plural forms ("1 person", "2 people"): the texts
        // themselves are the sources'. Without them English says "1 people".
        QString problem;
        if (!installVerified(QStringLiteral("en"), folder, &problem) && !problem.isEmpty())
            std::fprintf(stderr, "asterine: %s.\n", problem.toLocal8Bit().constData());
        return false;
    }
    QString problem;
    const bool loaded = installVerified(language, folder, &problem);
    if (!loaded && !problem.isEmpty()) {
        // Told in English, the language the program goes on in.
        std::fprintf(stderr, "asterine: %s; continuing in English.\n",
                     problem.toLocal8Bit().constData());
        return useLanguage(QString(), folder);
    }
    // The desktop's own locale where it speaks the language (Swiss German
    // keeps Switzerland's dates and paper), the language's otherwise.
    // (A locale of that name: the system's own answers follow the C
    // library's settings, which may still be C.)
    const QLocale locale = desktop.language() == QLocale(language).language()
                               ? QLocale(desktop.name())
                               : QLocale(language);
    QLocale::setDefault(locale);
    // Qt's own texts: the buttons of message boxes, file and print dialogs,
    // the context menus of text boxes.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
        // Where Qt has no translation of its own for the language (Hindi),
        // the program brings the few of Qt's texts a user meets.
        QString qtProblem;
        if (!installVerified(QStringLiteral("qt_") + language, folder, &qtProblem) &&
            !qtProblem.isEmpty())
            std::fprintf(stderr, "asterine: %s.\n", qtProblem.toLocal8Bit().constData());
    }
    return loaded;
}

bool useDesktopLanguage() {
    const QString folder = translationsFolder();
    return useLanguage(chooseLanguage(desktopLanguages(), folder), folder);
}

bool englishTexts() {
    return QLocale().language() == QLocale::English || QLocale().language() == QLocale::C;
}

std::vector<std::string> placeLanguages() {
    std::vector<std::string> languages;
    for (QString language : desktopLanguages()) {
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
