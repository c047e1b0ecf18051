// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed star catalogues. Each row carries a star name and its thresholds
// for births up to 1999 and from 2000, in degree.minute encoding. Rows keep
// their published order, which the search depends on; names are spelled
// exactly as published, including the no-break spaces and the trailing blank
// that some of them carry.

#include "catalogues.h"

namespace stars {
namespace {

constexpr CatalogueRow kNorthRows[] = {
    {"MINTAKA", 0.18, 0.21},                             // 1
    {"SADALMELEK", 0.19, 0.47},                          // 2
    {"HEZE", 0.36, 0.05},                                // 3
    {"ZANIAH", 0.40, 0.07},                              // 4
    {"MARFIK", 2.12, 1.59},                              // 5
    {"ALRISHA", 2.17, 2.46},                             // 6
    {"ZAVIJAVA", 2.20, 1.46},                            // 7
    {"KAFFALJIDHMA", 2.49, 3.13},                        // 8
    {"DENEB OKAB", 2.55, 3.06},                          // 9
    {"MENKAR", 3.42, 4.04},                              // 10
    {"AUVA", 3.56, 3.24},                                // 11
    {"ALYA", 4.04, 4.12},                                // 12
    {"KELB ALRAI", 4.37, 4.34},                          // 13
    {"KITALPHA", 4.50, 5.14},                            // 14
    {"Procyon", 5.29, 5.13},                             // 15
    {"BIHAM", 5.42, 6.12},                               // 16
    {"ALSHAIN", 6.09, 6.24},                             // 17
    {"BELLATRIX", 6.16, 6.21},                           // 18
    {"UNUKALHAI", 6.44, 6.26},                           // 19
    {"TABIT", 6.47, 6.57},                               // 20
    {"BETELGEUSE", 7.23, 7.24},                          // 21
    {"GOMEISA", 8.29, 8.17},                             // 22
    {"ALTAIR", 8.36, 8.52},                              // 23
    {"ENIF", 9.25, 9.52},                                // 24
    {"AL TARF", 9.30, 9.11},                             // 25
    {"MEISSA (Heka)", 9.52, 9.55},                       // 26
    {"HOMAM", 10.19, 10.49},                             // 27
    {"SUBRA", 10.21, 9.54},                              // 28
    {"TARAZED", 10.22, 10.36},                           // 29
    {"Vindemiatrix", 11.30, 10.58},                      // 30
    {"ACUBENS (Sertan)", 12.15, 11.52},                  // 31
    {"Regulus", 12.27, 11.58},                           // 32
    {"RAS ALHAGUE", 12.38, 12.33},                       // 33
    {"ALZIRR", 13.00, 12.54},                            // 34
    {"DHENEB", 13.43, 13.51},                            // 35
    {"ROTANEV", 14.15, 14.35},                           // 36
    {"KAJAM", 14.16, 14.02},                             // 37
    {"RAS ALGETHI", 14.30, 14.23},                       // 38
    {"ALGENIB", 14.38, 15.11},                           // 39
    {"MARKAB", 14.40, 15.11},                            // 40
    {"AL PHERG", 14.50, 15.21},                          // 41
    {"DENEBOLA", 15.08, 14.35},                          // 42
    {"PRIMA HYADUM", 15.23, 15.37},                      // 43
    {"SUALOCIN", 15.34, 15.54},                          // 44
    {"COXA", 15.59, 15.26},                              // 45
    {"Alderbaran", 16.18, 16.31},                        // 46
    {"ALHENA", 16.29, 16.24},                            // 47
    {"AL JABHAH", 17.15, 16.46},                         // 48
    {"HYADUM II", 17.18, 17.32},                         // 49
    {"MARSIK", 17.19, 17.03},                            // 50
    {"SHAM", 17.47, 18.00},                              // 51
    {"DIADEM", 18.03, 17.32},                            // 52
    {"ASELLUS AUSTRAL", 18.31, 18.09},                   // 53
    {"MESARTHIM", 18.48, 19.17},                         // 54
    {"MUFRID", 18.54, 18.24},                            // 55
    {"AIN", 18.58, 19.11},                               // 56
    {"BOTEIN", 19.21, 19.44},                            // 57
    {"Arcturus", 19.42, 19.11},                          // 58
    {"PRAESAEPE", 20.03, 19.41},                         // 59
    {"SHERATAN", 20.19, 20.47},                          // 60
    {"ALGIEBA", 20.21, 19.51},                           // 61
    {"MEKBUDA", 20.43, 20.34},                           // 62
    {"ZOSMA", 21.04, 20.32},                             // 63
    {"AL HECKA", 21.05, 21.09},                          // 64
    {"KORNEPHOROS", 21.42, 21.29},                       // 65
    {"ASELLUS BOREALIS", 21.50, 21.28},                  // 66
    {"WASAT", 22.10, 21.58},                             // 67
    {"PROPUS (TEJAT)", 22.32, 22.30},                    // 68
    {"TEJAT POSTERIOR(Dirah)", 22.34, 22.30},            // 69
    {"HAMAL", 22.59, 23.27},                             // 70
    {"KERB", 23.12, 23.43},                              // 71
    {"ALTERF", 23.25, 22.58},                            // 72
    {"MEROPE", 23.38, 23.56},                            // 73
    {"ATLAS", 23.45, 24.03},                             // 74
    {"Alcycone", 23.48, 24.06},                          // 75
    {"ELECTRA", 23.48, 24.06},                           // 76
    {"Pleiades", 23.50, 24.07},                          // 77
    {"ADHAFERA", 23.55, 23.25},                          // 78
    {"CELAENO", 23.58, 24.17},                           // 79
    {"MAIA", 24.03, 24.21},                              // 80
    {"SADALBARI", 24.04, 24.35},                         // 81
    {"TAYGETA", 24.09, 24.27},                           // 82
    {"RAS ELASED AUST\u00A0 (Algenubi)", 24.14, 23.46},  // 83
    {"ASTEROPE", 24.15, 24.33},                          // 84
    {"SARIN", 24.57, 24.50},                             // 85
    {"MEBSUTA", 25.14, 25.07},                           // 86
    {"MAASYM", 26.11, 26.06},                            // 87
    {"RAS ELASED BORE", 26.29, 26.00},                   // 88
    {"Alphecca", 27.03, 26.43},                          // 89
    {"IZAR", 27.30, 27.05},                              // 90
    {"Scheat", 27.32, 28.04},                            // 91
    {"ALBIREO", 27.45, 27.58},                           // 92
    {"POLLUX", 28.16, 28.01},                            // 93
    {"EL NATH", 28.31, 28.36},                           // 94
    {"ALPHERATZ", 28.32, 29.05},                         // 95
    {"METALLAH", 29.06, 29.34},                          // 96
    {"NUSAKAN", 29.27, 29.06},                           // 97
    {"MATAR", 29.42, 30.12},                             // 98
    {"ATIKS", 31.58, 32.17},                             // 99
    {"ALULA AUSTRALE", 32.06, 31.32},                    // 100
    {"CASTOR", 32.06, 31.53},                            // 101
    {"SULAPHAT", 32.33, 32.41},                          // 102
    {"HASSELEH", 33.00, 33.09},                          // 103
    {"SHELIAK", 33.15, 33.21},                           // 104
    {"Gienah", 33.36, 33.58},                            // 105
    {"ALULA BOREALE", 33.38, 33.06},                     // 106
    {"PRINCEPS", 33.41, 33.19},                          // 107
    {"PRAECIPUA", 34.45, 34.13},                         // 108
    {"MIRACH", 35.05, 35.36},                            // 109
    {"MENKIB", 35.30, 35.47},                            // 110
    {"ALKALUROPS", 37.44, 37.23},                        // 111
    {"Vega", 38.41, 38.47},                              // 112
    {"SEGINUS", 38.45, 38.19},                           // 113
    {"COR CAROLI", 38.52, 38.19},                        // 114
    {"SADOR", 39.56, 40.15},                             // 115
    {"Algol", 40.34, 40.57},                             // 116
    {"CEGINUS", 40.41, 40.21},                           // 117
    {"VERTEX", 40.44, 41.15},                            // 118
    {"NEKKAR", 40.47, 40.23},                            // 119
    {"HOEDUS I-Haedi 1", 40.56, 41.04},                  // 120
    {"HOEDUS II-Haedi11", 41.06, 41.13},                 // 121
    {"ALMACH", 41.51, 42.20},                            // 122
    {"ASTERION", 41.54, 41.21},                          // 123
    {"TANIA AUSTRALIS", 42.00, 41.30},                   // 124
    {"TANIA BOREALIS", 43.25, 42.55},                    // 125
    {"MISAM", 44.29, 44.50},                             // 126
    {"DENEB ADIGE", 44.55, 45.16},                       // 127
    {"MENKALINAN", 44.56, 44.56},                        // 128
    {"ADHIL", 45.00, 45.32},                             // 129
    {"Capella", 45.54, 46.00},                           // 130
    {"MERGA", 46.32, 46.07},                             // 131
    {"COPULA", 47.43, 47.12},                            // 132
    {"EL KOPHRAH", 48.20, 47.47},                        // 133
    {"TALITHA", 48.26, 48.02},                           // 134
    {"MIRFAK", 49.30, 49.51},                            // 135
    {"ALKAID (Benetnash)", 49.49, 49.19},                // 136
    {"AZELFAFAGE", 50.44, 51.11},                        // 137
    {"ETAMIN (Rastaban)", 51.30, 51.29},                 // 138
    {"ALWAID Rastaban", 52.23, 52.18},                   // 139
    {"PHECDA", 54.15, 53.42},                            // 140
    {"ARRAKIS", 54.36, 54.28},                           // 141
    {"KUMA", 55.15, 55.11},                              // 142
    {"MIZAR", 55.27, 54.56},                             // 143
    {"MIRAM", 55.29, 55.53},                             // 144
    {"ALCOR", 55.31, 54.59},                             // 145
    {"SCHEDIR", 55.59, 56.31},                           // 146
    {"ALIOTH", 56.30, 55.58},                            // 147
    {"CAPULUS", 56.41, 57.09},                           // 148
    {"GRUMIUM", 56.53, 56.52},                           // 149
    {"MERAK", 56.55, 56.23},                             // 150
    {"ACHIRD", 57.17, 57.49},                            // 151
    {"MEGREZ", 57.35, 57.02},                            // 152
    {"ERAKIS", 58.19, 58.46},                            // 153
    {"CAPH", 58.36, 59.09},                              // 154
    {"EDASICH", 59.19, 58.58},                           // 155
    {"RUCHA", 59.43, 60.13},                             // 156
    {"CIH", 60.11, 60.43},                               // 157
    {"MUSCIDA", 61.03, 60.43},                           // 158
    {"ALDERAMIN", 62.10, 62.35},                         // 159
    {"DUBHE", 62.17, 61.45},                             // 160
    {"SEGIN", 63.11, 63.39},                             // 161
    {"KURDAH", 64.08, 64.37},                            // 162
    {"THUBAN", 64.51, 64.23},                            // 163
    {"NODUS i", 65.50, 65.43},                           // 164
    {"NODUS II", 67.29, 67.39},                          // 165
    {"GIANSAR", 69.53, 69.20},                           // 166
    {"TYL", 70.01, 70.16},                               // 167
    {"ALPHIRK", 70.07, 70.34},                           // 168
    {"PHERKAD", 72.11, 71.50},                           // 169
    {"DZIBAN", 72.12, 72.09},                            // 170
    {"KOCHAB", 74.34, 74.09},                            // 171
    {"ALRAI", 77.04, 77.38},                             // 172
    {"YILDUN", 86.37, 86.35},                            // 173
    {"Polaris", 88.46, 89.15},                           // 174
    {"Polaris", 90.00, 90.00},                           // 175
};

constexpr CatalogueRow kSouthRows[] = {
    {"PORRIMA (Caphir)", -0.54, -1.26},                          // 1
    {"ALNILAM (Cingula Orionis)", -1.16, -1.12},                 // 2
    {"SADALACHBIA", -1.53, -1.23},                               // 3
    {"ALNITAK", -2.00, -1.57},                                   // 4
    {"MIRA", -3.26, -2.59},                                      // 5
    {"YED PRIOR", -3.26, -3.41},                                 // 6
    {"YED POSTERIOR", -4.27, -4.41},                             // 7
    {"SITULA", -4.45, -4.14},                                    // 8
    {"CURSA", -5.13, -5.05},                                     // 9
    {"ENSIS\u00A0 M42, The Great Orion Nebula.", -5.27, -5.23},  // 10
    {"SYRMA", -5.31, -5.59},                                     // 11
    {"HATSYA", -5.59, -5.54},                                    // 12
    {"SADALSUUD", -6.01, -5.34},                                 // 13
    {"BEID", -7.06, -6.50},                                      // 14
    {"KEID", -7.49, -7.39},                                      // 15
    {"ZUBEN ELAKRIBI", -8.07, -8.30},                            // 16
    {"ALFARD", -8.13, -8.40},                                    // 17
    {"ANCHA", -8.17, -7.47},                                     // 18
    {"RIGEL", -8.19, -8.12},                                     // 19
    {"ZUBEN ELS CHEMALI (North Scale)", -9.01, -9.22},           // 20
    {"ZIBAL", -9.11, -8.49},                                     // 21
    {"AZHA ", -9.18, -8.54},                                     // 22
    {"SAIPH", -9.42, -9.40},                                     // 23
    {"SINISTRA", -9.46, -9.46},                                  // 24
    {"ALBALI", -9.52, -9.30},                                    // 25
    {"RANA", -10.06, -9.46},                                     // 26
    {"HAN", -10.22, -10.33},                                     // 27
    {"Spica", -10.38, -11.08},                                   // 28
    {"BATEN KAITOS", -10.50, -10.20},                            // 29
    {"GIEDI PRIMA", -12.49, -12.30},                             // 30
    {"GIEDI SECUNDA", -12.51, -12.32},                           // 31
    {"KHAMBALIA", -12.55, -13.21},                               // 32
    {"ALSHAT", -13.04, -12.46},                                  // 33
    {"ZAURAK", -13.48, -13.30},                                  // 34
    {"LABRUM", -14.14, -14.46},                                  // 35
    {"ZUBEN ELAKRAB", -14.27, -14.46},                           // 36
    {"SCEPTRUM", -14.30, -14.18},                                // 37
    {"DABIH", -15.06, -14.47},                                   // 38
    {"MULIPHEIN", -15.29, -15.37},                               // 39
    {"SABIK", -15.36, -15.43},                                   // 40
    {"ZUBEN ELGENUBI (South Scale)", -15.38, -16.01},            // 41
    {"ZUBEN HAKRABI", -15.52, -16.14},                           // 42
    {"ALGORAB", -15.58, -16.31},                                 // 43
    {"SKAT", -16.21, -15.49},                                    // 44
    {"Deneb Algedi", -16.35, -16.08},                            // 45
    {"Sirius", -16.35, -16.42},                                  // 46
    {"Gienah", -16.59, -17.31},                                  // 47
    {"NASHIRA", -17.07, -16.40},                                 // 48
    {"DORSUM", -17.38, -17.14},                                  // 49
    {"ALKES", -17.46, -18.18},                                   // 50
    {"ARNEB", -17.54, -17.49},                                   // 51
    {"MIRZAM", -17.54, -17.57},                                  // 52
    {"BOS", -18.09, -17.49},                                     // 53
    {"DENEB KAITOS(Difda)", -18.32, -17.59},                     // 54
    {"OCULUS", -18.32, -18.13},                                  // 55
    {"JABBAH", -19.12, -19.27},                                  // 56
    {"ACRAB", -19.32, -19.48},                                   // 57
    {"CASTRA", -19.55, -19.28},                                  // 58
    {"ARMUS", -20.15, -19.51},                                   // 59
    {"NIHAL", -20.50, -20.45},                                   // 60
    {"POLIS", -21.05, -21.03},                                   // 61
    {"ALBALDAH", -21.11, -21.01},                                // 62
    {"ANGETENAR", -21.25, -21.00},                               // 63
    {"MANUBRIUM", -21.53, -21.44},                               // 64
    {"MINKAR", -22.04, -22.36},                                  // 65
    {"DSCHUBBA (Isidus)", -22.20, -22.36},                       // 66
    {"KRAZ", -22.51, -23.22},                                    // 67
    {"FACIES", -24.00, -23.55},                                  // 68
    {"ALCHITA", -24.10, -24.44},                                 // 69
    {"Spiculum", -24.20, -24.19},                                // 70
    {"AZMIDISKE", -24.37, -24.52},                               // 71
    {"KAUS BOREALIS", -25.29, -25.25},                           // 72
    {"Antares", -26.13, -26.26},                                 // 73
    {"WEZEN", -26.14, -26.23},                                   // 74
    {"NUNKI. (Pelagus)", -26.25, -26.17},                        // 75
    {"TEREBELLUM", -26.34, -26.18},                              // 76
    {"ADARA", -28.50, -28.58},                                   // 77
    {"ALUDRA", -29.06, -29.18},                                  // 78
    {"KAUS MEDIUS", -29.52, -29.49},                             // 79
    {"ASCELLA", -30.01, -29.53},                                 // 80
    {"FURUD", -30.01, -30.03},                                   // 81
    {"Fomalhaut", -30.09, -29.38},                               // 82
    {"ALNASL (Spiculum)", -30.26, -30.25},                       // 83
    {"THEEMIN", -30.46, -30.34},                                 // 84
    {"ACULEUS", -32.09, -32.13},                                 // 85
    {"PHACT", -34.08, -34.04},                                   // 86
    {"KAUS AUSTRALIS", -34.26, -34.23},                          // 87
    {"ACUMEN", -34.47, -34.49},                                  // 88
    {"WAZN", -35.48, -35.46},                                    // 89
    {"MENKENT", -35.53, -36.21},                                 // 90
    {"SHAULA", -37.02, -37.05},                                  // 91
    {"LESATH", -37.13, -37.17},                                  // 92
    {"NAOS", -39.43, -39.59},                                    // 93
    {"ACAMAR", -40.42, -40.19},                                  // 94
    {"RUKBAT", -40.48, -40.37},                                  // 95
    {"GRAFIAS", -42.11, -42.21},                                 // 96
    {"ANKAA", -42.51, -42.18},                                   // 97
    {"SARGAS", -42.56, -42.59},                                  // 98
    {"ALSUHAIL", -43.02, -43.26},                                // 99
    {"ARKAB PRIOR", -44.39, -44.28},                             // 100
    {"ARKAB POSTERIOR", -44.59, -44.48},                         // 101
    {"ALNAIR", -47.27, -46.58},                                  // 102
    {"CANOPUS", -52.38, -52.42},                                 // 103
    {"MARKEB", -54.35, -54.59},                                  // 104
    {"GACRUX", -56.33, -57.05},                                  // 105
    {"PEACOCK", -57.03, -56.44},                                 // 106
    {"ACHERNAR", -57.45, -57.14},                                // 107
    {"TUREIS", -58.51, -59.15},                                  // 108
    {"MIMOSA", -59.09, -59.40},                                  // 109
    {"FORAMEN", -59.10, -59.40},                                 // 110
    {"AVIOR", -59.11, -59.31},                                   // 111
    {"AGENA", -59.53, -60.22},                                   // 112
    {"TOLIMAN (Bungula)", -60.25, -60.49},                       // 113
    {"ACRUX", -62.33, -63.06},                                   // 114
    {"ATRIA", -68.51, -69.02},                                   // 115
    {"MIAPLACIDUS", -69.18, -69.42},                             // 116
    {"MIAPLACIDUS", -360.00, -360.00},                           // 117
};

}  // namespace

const StarCatalogue NorthCatalogue1999{kNorthRows, Era::UpTo1999, MatchRule::AtLeast};
const StarCatalogue NorthCatalogue2000{kNorthRows, Era::From2000, MatchRule::AtLeast};
const StarCatalogue SouthCatalogue1999{kSouthRows, Era::UpTo1999, MatchRule::AtMost};
const StarCatalogue SouthCatalogue2000{kSouthRows, Era::From2000, MatchRule::AtMost};

}  // namespace stars
