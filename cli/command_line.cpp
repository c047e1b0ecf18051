// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "formbase/program_module.h"
#include "reading_command.h"
#include "skychart/chart_module.h"
#include "terminal_text.h"

namespace asterine::cli {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::CommandLine)
};

// Writes to a standard stream as UTF-8; false, with errno set, when it
// cannot be written.
bool write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) ==
               std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

// Writes `text` to standard output; when it cannot, says why on standard
// error.
int writeOutput(const QString& text) {
    errno = 0;
    if (write(stdout, text))
        return Success;
    const int error = errno ? errno : EIO;
    write(stderr, Texts::tr("asterine: standard output cannot be written: %1.\n")
                      .arg(QString::fromLocal8Bit(std::strerror(error))));
    return Failure;
}

QString usage() {
    return Texts::tr(
        "Usage: asterine [QT-OPTION...]\n"
        "       asterine reading (--latitude LATITUDE | --place PLACE)\n"
        "                        (--year YEAR | --date YYYY-MM-DD)\n"
        "                        [--longitude LONGITUDE] [--name NAME] [--format text|json]\n"
        "                        [--time HH:MM[:SS] [--zone ZONE] [--offset ±HH:MM]\n"
        "                        [--dst yes|no]] [--orb DEGREES] [--paran-minutes MINUTES]\n"
        "                        [--chart FILE.svg|FILE.png [--chart-size PIXELS]]\n"
        "       asterine --help | --version\n"
        "\n"
        "Without a command, Asterine opens its window; Qt's own options, such as\n"
        "-platform and -style, apply to it.\n"
        "\n"
        "reading    prints the fixed-star reading for a latitude and a year, as the\n"
        "           result form shows it, without a window\n"
        "  --latitude LATITUDE     51:30:26N, 51 30 N, 51°30.5′N, N51.5 or -33.87\n"
        "  --longitude LONGITUDE   0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 or 151.21\n"
        "  --year YEAR             1900 to 2050\n"
        "  --date YYYY-MM-DD       the date of birth; the year comes from it\n"
        "  --name NAME             letters and blanks\n"
        "  --place PLACE           a place of the offline atlas, such as \"Pune\" or\n"
        "                          \"London, Canada\"; its latitude and longitude are\n"
        "                          taken where --latitude and --longitude are not given\n"
        "  --time HH:MM[:SS]       the clock time of birth; needs --date and a zone\n"
        "  --zone ZONE             the zone the clocks kept: Europe/Berlin, LMT (the\n"
        "                          local mean time of the longitude) or UTC+05:30;\n"
        "                          with --place, the place's zone unless given\n"
        "  --offset ±HH:MM         the offset from UTC in force, over the zone's\n"
        "  --dst yes|no            whether daylight saving was in force, for a clock\n"
        "                          time the zone skipped or showed twice\n"
        "  --orb DEGREES           the orb of the conjunctions, 0 to 10 (default 1)\n"
        "  --paran-minutes MINUTES the tolerance of the parans, 0 to 60 (default 4)\n"
        "  --chart FILE            writes the wheel of the birth's sky, SVG or PNG by\n"
        "                          the file's extension\n"
        "  --chart-size PIXELS     its width and height, 200 to 8000 (default 1000)\n"
        "  --format text|json      text (the default) or one JSON object\n"
        "\n"
        "Exit status: 0 for a reading, 1 when the output or the chart cannot be\n"
        "written, 2 for input refused or an unknown option, 3 when --place finds no\n"
        "place or there is no atlas. See asterine(1).\n");
}

// The copyright and the licence, as --help and --version end.
QString licence() {
    return Texts::tr(
        "Copyright © 2026 Quorvane Softwares.\n"
        "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.\n");
}

QString version() {
    return QStringLiteral("Asterine %1\n").arg(QStringLiteral(ASTERINE_VERSION)) + licence();
}

QString help() {
    return usage() + QLatin1Char('\n') + licence();
}

int refuse(const QString& message) {
    write(stderr, message);
    return Refused;
}

int reading(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption latitude(QStringLiteral("latitude"), QString(),
                                      QStringLiteral("LATITUDE"));
    const QCommandLineOption longitude(QStringLiteral("longitude"), QString(),
                                       QStringLiteral("LONGITUDE"));
    const QCommandLineOption year(QStringLiteral("year"), QString(), QStringLiteral("YEAR"));
    const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption place(QStringLiteral("place"), QString(), QStringLiteral("PLACE"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"),
                                    QStringLiteral("text"));
    const QCommandLineOption time(QStringLiteral("time"), QString(), QStringLiteral("TIME"));
    const QCommandLineOption zone(QStringLiteral("zone"), QString(), QStringLiteral("ZONE"));
    const QCommandLineOption offset(QStringLiteral("offset"), QString(), QStringLiteral("OFFSET"));
    const QCommandLineOption dst(QStringLiteral("dst"), QString(), QStringLiteral("DST"));
    const QCommandLineOption orb(QStringLiteral("orb"), QString(), QStringLiteral("DEGREES"));
    const QCommandLineOption paranMinutes(QStringLiteral("paran-minutes"), QString(),
                                          QStringLiteral("MINUTES"));
    const QCommandLineOption chart(QStringLiteral("chart"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption chartSize(QStringLiteral("chart-size"), QString(),
                                       QStringLiteral("PIXELS"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({latitude, longitude, year, date, name, place, format, time, zone, offset,
                       dst, orb, paranMinutes, chart, chartSize, help, version});
    parser.addPositionalArgument(QStringLiteral("reading"), QString());

    if (!parser.parse(arguments))
        return refuse(Texts::tr("asterine reading: %1 Try “asterine --help”.\n")
                          .arg(terminalText(parser.errorText())));
    if (parser.isSet(help))
        return writeOutput(cli::help());
    if (parser.isSet(version))
        return writeOutput(cli::version());
    if (parser.positionalArguments().size() != 1)
        return refuse(Texts::tr("asterine reading: “%1” is not an option. Try “asterine --help”.\n")
                          .arg(terminalText(parser.positionalArguments().value(1))));
    // One value each: a repeated option is a mistake, not a choice.
    for (const QCommandLineOption* option :
         {&latitude, &longitude, &year, &date, &name, &place, &format, &time, &zone, &offset, &dst,
          &orb, &paranMinutes, &chart, &chartSize}) {
        if (parser.values(*option).size() > 1)
            return refuse(Texts::tr("asterine reading: --%1 is given more than once.\n")
                              .arg(option->names().constFirst()));
    }

    ReadingRequest request;
    const auto given = [&parser](const QCommandLineOption& option) -> std::optional<QString> {
        if (!parser.isSet(option))
            return std::nullopt;
        return parser.value(option);
    };
    request.latitude = given(latitude);
    request.longitude = given(longitude);
    request.year = given(year);
    request.date = given(date);
    request.name = given(name);
    request.place = given(place);
    request.format = parser.value(format);
    request.time = given(time);
    request.zone = given(zone);
    request.offset = given(offset);
    request.dst = given(dst);
    request.orb = given(orb);
    request.paranMinutes = given(paranMinutes);
    request.chart = given(chart);
    request.chartSize = given(chartSize);

    // The chart's module, in the application main() made for drawing.
    ChartWriter writeChart = nullptr;
    if (request.chart && QCoreApplication::instance()->inherits("QGuiApplication"))
        writeChart = ASTERINE_MODULE_ENTRY(skychart::chartModuleName, asterine_write_chart);
    const ReadingResult result =
        makeReading(request, QDate::currentDate(), &atlasPlaces, writeChart);
    if (!result.messages.isEmpty())
        write(stderr, result.messages);
    if (result.status != Success)
        return result.status;
    return writeOutput(result.output);
}

// Qt's own options, as QGuiApplication and QApplication take them, with one
// dash or two: those followed by a value, and those without.
bool isQtOptionWithValue(QStringView option) {
    static const QStringList names{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
    };
    return names.contains(option);
}

bool isQtFlag(QStringView option) {
    static const QStringList names{
        QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("testability"),
    };
    static const QStringList withEquals{
        QStringLiteral("style="),   QStringLiteral("stylesheet="), QStringLiteral("qmljsdebugger="),
        QStringLiteral("dialogs="), QStringLiteral("fontengine="),
    };
    if (names.contains(option))
        return true;
    for (const QString& prefix : withEquals) {
        if (option.startsWith(prefix))
            return true;
    }
    return false;
}

}  // namespace

Invocation commandOf(const QStringList& arguments) {
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        const QString& argument = arguments.at(at);
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return {Command::Help, at};
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return {Command::Version, at};
        if (argument == QLatin1String("reading"))
            return {Command::Reading, at};
        if (argument == QLatin1String("--"))
            return at + 1 < arguments.size() ? Invocation{Command::Unknown, at + 1}
                                             : Invocation{Command::Window, at};
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            return {Command::Unknown, at};
        QStringView option = QStringView(argument).mid(1);
        if (option.startsWith(QLatin1Char('-')))
            option = option.mid(1);
        if (isQtOptionWithValue(option)) {
            ++at;  // its value, whatever it is
            continue;
        }
        if (!isQtFlag(option))
            return {Command::UnknownOption, at};
    }
    return {};
}

bool drawsPictures(const Invocation& invocation, const QStringList& arguments) {
    if (invocation.command != Command::Reading)
        return false;
    for (const QString& argument : arguments.mid(invocation.at + 1)) {
        if (argument == QLatin1String("--"))
            break;
        for (const QLatin1String option : {QLatin1String("--chart"), QLatin1String("-chart")}) {
            if (argument == option || argument.startsWith(option + QLatin1Char('=')))
                return true;
        }
    }
    return false;
}

int runCommand(const Invocation& invocation, const QStringList& arguments) {
    switch (invocation.command) {
    case Command::Help:
        return writeOutput(help());
    case Command::Version:
        return writeOutput(version());
    case Command::Reading:
        // The reading's own arguments, behind any of Qt's options before it.
        return reading(arguments.mid(0, 1) + arguments.mid(invocation.at));
    case Command::Unknown:
        return refuse(Texts::tr("asterine: “%1” is not a command. Try “asterine --help”.\n")
                          .arg(terminalText(arguments.value(invocation.at))));
    case Command::UnknownOption:
        return refuse(Texts::tr("asterine: unknown option “%1”. Try “asterine --help”.\n")
                          .arg(terminalText(arguments.value(invocation.at))));
    case Command::Window:
        break;
    }
    return Failure;
}

}  // namespace asterine::cli
