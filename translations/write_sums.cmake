# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the size and SHA-256 of every compiled translation into one file
# beside them, which the program checks before it loads one:
#     cmake -DOUTPUT=FILE -DFILES='QM|QM...' -P write_sums.cmake
# Each line: SIZE SHA256 NAME.
set(lines "")
string(REPLACE "|" ";" files "${FILES}")
foreach(file IN LISTS files)
    file(SIZE "${file}" size)
    file(SHA256 "${file}" sum)
    get_filename_component(name "${file}" NAME)
    string(APPEND lines "${size} ${sum} ${name}\n")
endforeach()
file(WRITE "${OUTPUT}.new" "${lines}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
