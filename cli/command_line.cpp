// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>

#include <cstdio>

#include "reading_command.h"

namespace asterine::cli {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::CommandLine)
};

// Writes to a standard stream as UTF-8; false when it cannot be written.
bool write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) ==
               std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

QString usage() {
    return Texts::tr(
        "Usage: asterine [QT-OPTION...]\n"
        "       asterine reading --latitude LATITUDE (--year YEAR | --date YYYY-MM-DD)\n"
        "                        [--longitude LONGITUDE] [--name NAME] [--place PLACE]\n"
        "                        [--format text|json]\n"
        "       asterine --help | --version\n"
        "\n"
        "Without a command, Asterine opens its window; Qt's own options, such as\n"
        "-platform and -style, apply to it.\n"
        "\n"
        "reading    prints the fixed-star reading for a latitude and a year, as the\n"
        "           result form shows it, without a window\n"
        "  --latitude LATITUDE     51:30:26N, 51°30′26″N or -33.87\n"
        "  --longitude LONGITUDE   0:07:39W, 0°7′39″W or 151.21\n"
        "  --year YEAR             1900 to 2050\n"
        "  --date YYYY-MM-DD       the date of birth; the year comes from it\n"
        "  --name NAME             letters and blanks\n"
        "  --place PLACE           a place of the offline atlas, such as \"Pune\" or\n"
        "                          \"London, Canada\"; its coordinates are taken\n"
        "  --format text|json      text (the default) or one JSON object\n"
        "\n"
        "Exit status: 0 for a reading, 2 for input refused or an unknown option, 3 when\n"
        "--place finds no place or there is no atlas. See asterine(1).\n");
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
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({latitude, longitude, year, date, name, place, format, help});
    parser.addPositionalArgument(QStringLiteral("reading"), QString());

    if (!parser.parse(arguments)) {
        write(
            stderr,
            Texts::tr("asterine reading: %1 Try “asterine --help”.\n").arg(parser.errorText()));
        return Refused;
    }
    if (parser.isSet(help))
        return write(stdout, usage()) ? Success : Failure;
    if (parser.positionalArguments().size() != 1) {
        write(stderr, Texts::tr("asterine reading: “%1” is not an option. Try “asterine "
                         "--help”.\n")
                          .arg(parser.positionalArguments().value(1)));
        return Refused;
    }
    // One value each: a repeated option is a mistake, not a choice.
    for (const QCommandLineOption* option :
         {&latitude, &longitude, &year, &date, &name, &place, &format}) {
        if (parser.values(*option).size() > 1) {
            write(stderr, Texts::tr("asterine reading: --%1 is given more than once.\n")
                              .arg(option->names().constFirst()));
            return Refused;
        }
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

    const ReadingResult result = makeReading(request, QDate::currentDate(), &atlasPlaces);
    if (!result.messages.isEmpty())
        write(stderr, result.messages);
    if (result.status != Success)
        return result.status;
    return write(stdout, result.output) ? Success : Failure;
}

}  // namespace

Command commandOf(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return arguments.value(1) == QLatin1String("reading") ? Command::Reading
                                                                  : Command::Help;
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return Command::Version;
    }
    if (arguments.size() < 2)
        return Command::Window;
    const QString first = arguments.at(1);
    if (first.startsWith(QLatin1Char('-')))
        return Command::Window;
    return first == QLatin1String("reading") ? Command::Reading : Command::Unknown;
}

int runCommand(Command command, const QStringList& arguments) {
    switch (command) {
    case Command::Help:
        return write(stdout, usage()) ? Success : Failure;
    case Command::Version:
        return write(stdout, QStringLiteral("Asterine %1\n").arg(QStringLiteral(ASTERINE_VERSION)))
                   ? Success
                   : Failure;
    case Command::Reading:
        return reading(arguments);
    case Command::Unknown:
        write(stderr,
              Texts::tr("asterine: “%1” is not a command. Try “asterine --help”.\n")
                  .arg(arguments.value(1)));
        return Refused;
    case Command::Window:
        break;
    }
    return Failure;
}

}  // namespace asterine::cli
