// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the star catalogue file (comma-separated records: name, designation,
// equinox, right ascension h m s, declination d m s, proper motions in mas/yr,
// radial velocity in km/s, parallax in mas, V magnitude, ...) into a C++
// source of two tables: the distinct stars, and every name with its star.
// Run at build time; the program reads no data file.
//
//   make_star_table CATALOGUE OUTPUT

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

double number(const std::string& field, const std::string& line, int lineNumber) {
    const std::string text = trimmed(field);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') {
        std::cerr << "line " << lineNumber << ": not a number: \"" << text << "\" in " << line
                  << "\n";
        std::exit(1);
    }
    return value;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string exact(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

struct Record {
    std::string name;  // the traditional name, or the designation where there is none
    std::string designation;
    double raDeg, decDeg, pmRa, pmDec, radialVelocity, parallax, magnitude;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_star_table CATALOGUE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "cannot read the star catalogue " << argv[1] << "\n";
        return 1;
    }

    std::vector<Record> stars;
    std::vector<std::pair<std::string, std::size_t>> names;
    std::map<std::string, std::size_t> starByData;
    std::vector<bool> namedStar;
    std::map<std::string, bool> seenName;

    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::string record = line.substr(0, line.find('#'));
        if (trimmed(record).empty())
            continue;
        std::vector<std::string> fields;
        std::stringstream stream(record);
        for (std::string field; std::getline(stream, field, ',');)
            fields.push_back(trimmed(field));
        if (fields.size() < 14) {
            std::cerr << "line " << lineNumber << ": too few fields: " << line << "\n";
            return 1;
        }
        // A star the catalogue gives no traditional name goes by its designation.
        const bool named = !fields[0].empty();
        const std::string name = named ? fields[0] : fields[1];
        if (name.empty())
            continue;

        Record r;
        r.name = name;
        r.designation = fields[1];
        const std::string& equinox = fields[2];
        const double raH = number(fields[3], line, lineNumber) +
                           number(fields[4], line, lineNumber) / 60.0 +
                           number(fields[5], line, lineNumber) / 3600.0;
        // The sign sits on the degrees, which may be "-00".
        const bool south = fields[6].find('-') != std::string::npos;
        const double decAbs = std::fabs(number(fields[6], line, lineNumber)) +
                              number(fields[7], line, lineNumber) / 60.0 +
                              number(fields[8], line, lineNumber) / 3600.0;
        r.raDeg = raH * 15.0;
        r.decDeg = south ? -decAbs : decAbs;
        r.pmRa = number(fields[9], line, lineNumber);
        r.pmDec = number(fields[10], line, lineNumber);
        r.radialVelocity = number(fields[11], line, lineNumber);
        r.parallax = number(fields[12], line, lineNumber);
        r.magnitude = number(fields[13], line, lineNumber);

        // Reference points rather than objects (no motion, no distance, no
        // brightness) are not stars of the sky.
        if (r.pmRa == 0 && r.pmDec == 0 && r.radialVelocity == 0 && r.parallax == 0 &&
            r.magnitude == 0)
            continue;

        if (equinox == "1950") {
            // FK4 at B1950 to FK5 at J2000, the object taken as fixed.
            double ra2000 = 0, dec2000 = 0;
            eraFk45z(r.raDeg * ERFA_DD2R, r.decDeg * ERFA_DD2R, 1950.0, &ra2000, &dec2000);
            r.raDeg = eraAnp(ra2000) * ERFA_DR2D;
            r.decDeg = dec2000 * ERFA_DR2D;
        } else if (equinox != "2000" && equinox != "ICRS") {
            std::cerr << "line " << lineNumber << ": unknown equinox \"" << equinox << "\"\n";
            return 1;
        }

        // Rows that repeat a star under another spelling share one star.
        std::string key;
        for (std::size_t i = 1; i < 14; ++i)
            key += fields[i] + ",";
        auto found = starByData.find(key);
        std::size_t index;
        if (found == starByData.end()) {
            index = stars.size();
            starByData.emplace(key, index);
            stars.push_back(r);
            namedStar.push_back(named);
        } else {
            index = found->second;
            if (named && !namedStar[index]) {
                stars[index].name = name;
                namedStar[index] = true;
            }
        }
        if (!seenName[name]) {
            seenName[name] = true;
            names.emplace_back(name, index);
        }
    }

    std::ofstream out(argv[2]);
    out << "// Generated from " << argv[1] << " by make_star_table; do not edit.\n"
        << "#include \"sky/catalogue.h\"\n\n"
        << "namespace sky {\nnamespace {\n\n"
        << "constexpr Star kStars[] = {\n";
    for (const Record& s : stars) {
        const bool hasMagnitude = s.magnitude < 99.0;
        out << "    {" << quoted(s.name) << ", " << quoted(s.designation) << ", " << exact(s.raDeg)
            << ", " << exact(s.decDeg) << ", " << exact(s.pmRa) << ", " << exact(s.pmDec) << ", "
            << exact(s.parallax) << ", " << exact(s.radialVelocity) << ", "
            << exact(hasMagnitude ? s.magnitude : 0.0) << ", " << (hasMagnitude ? "true" : "false")
            << "},\n";
    }
    out << "};\n\nconstexpr CatalogueName kNames[] = {\n";
    for (const auto& [name, index] : names)
        out << "    {" << quoted(name) << ", " << index << "},\n";
    out << "};\n\n}  // namespace\n\n"
        << "std::span<const Star> stars() { return kStars; }\n"
        << "std::span<const CatalogueName> catalogueNames() { return kNames; }\n\n"
        << "}  // namespace sky\n";
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
